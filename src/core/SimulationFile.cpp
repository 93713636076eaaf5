#include "SimulationFile.h"

#include "Cp1252.h"
#include "FileErrorText.h"
#include "IntegerText.h"
#include "Prompter.h"
#include "TextFileOpening.h"
#include "TextLineReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

class InputReader {
public:
    InputReader(const QString& path, QIODevice& file, Prompter& prompter)
        : path_(path),
          reader_(file, SimulationFile::MaxLineLength, TextFileOpening::MaxBytes),
          prompter_(prompter) {}

    // The next line, or no value when it cannot be a line of ours (already told).
    std::optional<QString> next() {
        QString line;
        const TextLineReader::Status status = reader_.next(line);
        if (status == TextLineReader::Status::Line || status == TextLineReader::Status::End) {
            return line;
        }
        fail(reader_.reason(status));
        return std::nullopt;
    }

    void fail(const QString& reason) {
        prompter_.warning(
            QStringLiteral("Le fichier \"%1\" n'est pas un fichier de simulation : %2.")
                .arg(path_, reason));
    }

private:
    QString path_;
    TextLineReader reader_;
    Prompter& prompter_;
};

bool failSave(const QString& path, const QString& reason, Prompter& prompter) {
    prompter.warning(
        QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2.").arg(path, reason));
    return false;
}

bool readInto(InputReader& reader, QString& field) {
    const auto line = reader.next();
    if (line) {
        field = *line;
    }
    return line.has_value();
}

}  // namespace

QByteArray SimulationFile::Serialize(const SimulationInput& input) {
    QStringList lines{input.RangeStart, input.RangeEnd, QString::number(input.RowCount())};
    for (const SimulationInput::Row& row : input.Rows) {
        lines << row.RankingText << row.CountText;
    }
    lines << input.QualifiersOutText << input.QualifiersInText << input.SeedsText
          << input.EntrySizeText << QString::number(input.DrawType);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += Cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool SimulationFile::SaveSimulation(const QString& path, const SimulationInput& input,
                                    Prompter& prompter) {
    if (!path.contains(QStringLiteral("tmpSauve")) && QFileInfo::exists(path) &&
        !prompter.ask(Prompter::Kind::Question,
                      QStringLiteral("Fichier existant, voulez-vous l'écraser ?"))) {
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = Serialize(input);
    // commit() alone misses a write cut short (disk full, file-size limit): the explicit
    // flush reports it, and the previous file is then left as it was.
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        const QString reason = FileErrorText::describe(file);
        file.cancelWriting();
        return failSave(path, reason, prompter);
    }
    if (!file.commit()) {
        return failSave(path, FileErrorText::describe(file), prompter);
    }
    return true;
}

SimulationFile::LoadStatus SimulationFile::LoadSimulation(const QString& path,
                                                          SimulationInput& input,
                                                          Prompter& prompter) {
    QFile file(path);
    QString reason;
    switch (TextFileOpening::open(file, reason)) {
        case TextFileOpening::Status::Missing:
            return LoadStatus::Missing;
        case TextFileOpening::Status::Refused:
            prompter.warning(
                QStringLiteral("Impossible de lire le fichier \"%1\" : %2.").arg(path, reason));
            return LoadStatus::Failed;
        case TextFileOpening::Status::Opened:
            break;
    }
    return LoadFrom(file, path, input, prompter);
}

SimulationFile::LoadStatus SimulationFile::LoadFrom(QIODevice& device, const QString& name,
                                                    SimulationInput& input, Prompter& prompter) {
    InputReader reader(name, device, prompter);
    if (!readInto(reader, input.RangeStart) || !readInto(reader, input.RangeEnd)) {
        return LoadStatus::Failed;
    }
    const auto rowCountLine = reader.next();
    if (!rowCountLine) {
        return LoadStatus::Failed;
    }
    const auto rowCount = IntegerText::toInt(*rowCountLine);
    if (!rowCount) {
        prompter.message(IntegerText::conversionError(*rowCountLine));
        return LoadStatus::Failed;
    }
    if (*rowCount < 1 || *rowCount > MaxRowCount) {
        reader.fail(QStringLiteral("le nombre de lignes %1 n'est pas compris entre 1 et %2")
                        .arg(*rowCount)
                        .arg(MaxRowCount));
        return LoadStatus::Failed;
    }
    input.Rows.resize(*rowCount - 1);
    for (SimulationInput::Row& row : input.Rows) {
        if (!readInto(reader, row.RankingText) || !readInto(reader, row.CountText)) {
            return LoadStatus::Failed;
        }
    }
    if (!readInto(reader, input.QualifiersOutText) || !readInto(reader, input.QualifiersInText) ||
        !readInto(reader, input.SeedsText) || !readInto(reader, input.EntrySizeText)) {
        return LoadStatus::Failed;
    }
    QString drawType;
    if (!readInto(reader, drawType)) {
        return LoadStatus::Failed;
    }
    if (drawType == QLatin1String("0") || drawType == QLatin1String("1")) {
        input.DrawType = drawType.toInt();
    }
    return LoadStatus::Loaded;
}
