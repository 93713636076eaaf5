#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

// An INI file as its bytes hold it: sections and keys in file order, values as raw
// Windows-1252 texts, comments kept. Keys and sections are found whatever their case, as
// on Windows. Saving writes a temporary file beside the old one and renames it over it,
// with CR LF line ends, so the file stays readable by the programs it is shared with.
class IniFile {
public:
    struct Section {
        QString name;
        QList<std::pair<QString, QString>> keys;
    };

    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // A missing or unreadable file reads as an empty one, and so does a path that is not
    // a regular file (a folder, a FIFO, a device) or a file too large to be settings.
    static IniFile Load(const QString& path);

    // The file of these bytes; bytes that are no INI file read as an empty one.
    static IniFile Parse(const QByteArray& bytes);

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);
    QList<Section> sections() const;

    // The bytes save() writes, CR LF line ends; no value when memory runs out.
    std::optional<QByteArray> serialize() const;
    // Creates the folder when it is missing. On failure, the reason in French.
    std::optional<QString> save(const QString& path) const;

private:
    struct Data;  // the parsed file, kept out of this header
    std::unique_ptr<Data> data_;
};
