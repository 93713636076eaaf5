#include "CliOutput.h"

#include <QJsonDocument>

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

int CliOutput::result(const QJsonObject& object, const QStringList& lines) {
    if (json_) {
        write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
    } else {
        write(stdout, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    return Done;
}

int CliOutput::failedResult(const QJsonObject& object, const QStringList& lines) {
    result(object, lines);
    return Failed;
}

int CliOutput::failure(const QString& text) {
    if (json_) {
        write(stdout, QString::fromUtf8(
                          QJsonDocument(QJsonObject{{QStringLiteral("error"), text}}).toJson()));
    } else {
        write(stderr, text + QLatin1Char('\n'));
    }
    return Failed;
}

int CliOutput::usageError(const QString& text, const QString& usage) {
    failure(text);
    if (!json_) {
        write(stderr, usage + QLatin1Char('\n'));
    }
    return UsageError;
}

void CliOutput::print(const QString& text) {
    write(stdout, text);
}
