#include "IniFile.h"

#include "core/Cp1252.h"
#include "core/FileErrorText.h"
#include "core/TextFileOpening.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <SimpleIni.h>

#include <string>

struct IniFile::Data {
    Data() {
        ini.SetUnicode(false);  // raw bytes: they are Windows-1252
        ini.SetMultiKey(false);
        ini.SetMultiLine(false);
        ini.SetSpaces(false);  // "key=value", as Windows writes them
    }
    CSimpleIniA ini;
};

namespace {

QString decode(const char* text) {
    return Cp1252::decode(QByteArray(text));
}

// The entries of a section or of the file, in the order they were read or added.
QList<CSimpleIniA::Entry> inFileOrder(CSimpleIniA::TNamesDepend names) {
    names.sort(CSimpleIniA::Entry::LoadOrder());
    return QList<CSimpleIniA::Entry>(names.begin(), names.end());
}

// Removes the byte order marks among the blanks that start a line.
void dropByteOrderMarks(QByteArray& line) {
    static const QByteArray mark("\xEF\xBB\xBF");
    qsizetype at = 0;
    while (at < line.size()) {
        if (line.at(at) == ' ' || line.at(at) == '\t') {
            ++at;
        } else if (line.mid(at, mark.size()) == mark) {
            line.remove(at, mark.size());
        } else {
            break;
        }
    }
}

// Blank, a comment, a section with its closing bracket, or a key with its value.
bool isIniLine(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#')) {
        return true;
    }
    return text.startsWith('[') ? text.contains(']') : text.contains('=');
}

}  // namespace

IniFile::IniFile() : data_(std::make_unique<Data>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile IniFile::Load(const QString& path) {
    IniFile file;
    QFile source(path);
    QString reason;
    if (TextFileOpening::open(source, reason) != TextFileOpening::Status::Opened) {
        return file;
    }
    // Bounded even when the file grows while it is read.
    const QByteArray bytes = source.read(TextFileOpening::MaxBytes + 1);
    if (bytes.size() > TextFileOpening::MaxBytes) {
        return file;
    }
    return Parse(bytes);
}

IniFile IniFile::Parse(const QByteArray& bytes) {
    IniFile file;
    // A line that is no section, key or comment (a section without its "]", a key
    // without "="): the reader skips it but then takes the lines after it into the next
    // name, which the writer turns into another name again. Such lines are dropped
    // first, so a damaged file reads back the same once written.
    QList<QByteArray> lines =
        QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    for (QByteArray& line : lines) {
        // The reader drops a UTF-8 byte order mark only at the very start of the file,
        // where the writer may well put a line that had one elsewhere.
        dropByteOrderMarks(line);
        if (!isIniLine(line)) {
            line.clear();
        }
    }
    const QByteArray text = lines.join('\n');
    if (file.data_->ini.LoadData(text.constData(), static_cast<std::size_t>(text.size())) < 0) {
        file.data_ = std::make_unique<Data>();
    }
    return file;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const char* found = data_->ini.GetValue(Cp1252::encode(section).constData(),
                                            Cp1252::encode(key).constData(), nullptr);
    if (found == nullptr) {
        return std::nullopt;
    }
    return decode(found);
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    data_->ini.SetValue(Cp1252::encode(section).constData(), Cp1252::encode(key).constData(),
                        Cp1252::encode(value).constData());
}

void IniFile::removeKey(const QString& section, const QString& key) {
    data_->ini.Delete(Cp1252::encode(section).constData(), Cp1252::encode(key).constData());
}

void IniFile::removeSection(const QString& section) {
    data_->ini.Delete(Cp1252::encode(section).constData(), nullptr);
}

QList<IniFile::Section> IniFile::sections() const {
    CSimpleIniA::TNamesDepend names;
    data_->ini.GetAllSections(names);
    QList<Section> result;
    for (const CSimpleIniA::Entry& section : inFileOrder(names)) {
        Section entry{decode(section.pItem), {}};
        CSimpleIniA::TNamesDepend keys;
        data_->ini.GetAllKeys(section.pItem, keys);
        for (const CSimpleIniA::Entry& key : inFileOrder(keys)) {
            entry.keys.append(
                {decode(key.pItem), decode(data_->ini.GetValue(section.pItem, key.pItem, ""))});
        }
        // The keys of no section come first, where save() writes them, even when a line
        // "[]" gave them later in the file; without keys there is nothing to list.
        if (entry.name.isEmpty()) {
            if (!entry.keys.isEmpty()) {
                result.prepend(entry);
            }
        } else {
            result.append(entry);
        }
    }
    return result;
}

std::optional<QByteArray> IniFile::serialize() const {
    std::string text;
    if (data_->ini.Save(text) < 0) {
        return std::nullopt;
    }
    QByteArray bytes = QByteArray::fromStdString(text);
    bytes.replace("\r\n", "\n");
    bytes.replace("\n", "\r\n");
    return bytes;
}

std::optional<QString> IniFile::save(const QString& path) const {
    const std::optional<QByteArray> serialized = serialize();
    if (!serialized) {
        return QStringLiteral("ressources insuffisantes");
    }
    const QByteArray& bytes = *serialized;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return QStringLiteral("le dossier \"%1\" ne peut pas être créé")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return FileErrorText::describe(file);
    }
    return std::nullopt;
}
