#include "SimulationFile.h"

#include "Cp1252.h"
#include "FileErrorText.h"
#include "IntegerText.h"
#include "Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

// Reads one line at a time, at most MaxLineLength bytes each, so that a file of any
// size or content costs a bounded amount of memory.
class LineReader {
public:
    explicit LineReader(QIODevice& file) : file_(file) {}

    enum class Status { Line, TooLong, Foreign };

    // An empty line at the end of the file: the missing lines read as empty texts.
    Status next(QString& line) {
        QByteArray bytes;
        char c = 0;
        bool foreign = false;
        while (file_.getChar(&c)) {
            if (c == '\n') {
                break;
            }
            if (c == '\r') {
                char following = 0;
                if (file_.getChar(&following) && following != '\n') {
                    file_.ungetChar(following);
                }
                break;
            }
            if (bytes.size() >= SimulationFile::MaxLineLength) {
                return Status::TooLong;
            }
            foreign = foreign || Cp1252::isForeignByte(static_cast<unsigned char>(c));
            bytes.append(c);
        }
        if (foreign) {
            return Status::Foreign;
        }
        line = Cp1252::decode(bytes);
        return Status::Line;
    }

private:
    QIODevice& file_;
};

class InputReader {
public:
    InputReader(const QString& path, QIODevice& file, Prompter& prompter)
        : path_(path), reader_(file), prompter_(prompter) {}

    // The next line, or no value when it cannot be a line of ours (already told).
    std::optional<QString> next() {
        ++lineNumber_;
        QString line;
        switch (reader_.next(line)) {
            case LineReader::Status::Line:
                return line;
            case LineReader::Status::TooLong:
                fail(QStringLiteral("la ligne %1 dépasse %2 caractères")
                         .arg(lineNumber_)
                         .arg(SimulationFile::MaxLineLength));
                return std::nullopt;
            case LineReader::Status::Foreign:
                fail(QStringLiteral("la ligne %1 contient des caractères qu'un fichier texte "
                                    "ne contient pas")
                         .arg(lineNumber_));
                return std::nullopt;
        }
        return std::nullopt;
    }

    void fail(const QString& reason) {
        prompter_.warning(
            QStringLiteral("Le fichier \"%1\" n'est pas un fichier de simulation : %2.")
                .arg(path_, reason));
    }

private:
    QString path_;
    LineReader reader_;
    Prompter& prompter_;
    int lineNumber_ = 0;
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
    if (!QFileInfo(path).isFile()) {
        return LoadStatus::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        prompter.warning(QStringLiteral("Impossible de lire le fichier \"%1\" : %2.")
                             .arg(path, FileErrorText::describe(file)));
        return LoadStatus::Failed;
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
