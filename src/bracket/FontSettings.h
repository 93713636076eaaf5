#pragma once

#include "page/PageItem.h"

#include <QString>

#include <array>

class IniFile;

// The text styles of the draw's elements, kept in "WDBASE/GestionTableau.ini" of the
// program's directory: one section per element with its font ("Police"), its size in
// points ("Taille") and its style ("Style": 1 bold, 2 italic, 3 underlined, any other
// value plain). The bracket view and the draw report read them once.
class FontSettings {
public:
    enum Element {
        Classement,
        Score,
        NumJoueur,
        NumQualifie,
        VainQualifie,
        NumTeteSerie,
        ClubPays
    };
    static constexpr int ElementCount = 7;

    struct TextStyle {
        QString Police = QStringLiteral("Comic Sans MS");
        int Taille = 7;
        int Style = 0;

        bool operator==(const TextStyle&) const = default;
    };

    static QString FileName() { return QStringLiteral("WDBASE/GestionTableau.ini"); }
    static QString SectionName(Element element);

    // Every element at its default: Comic Sans MS, plain, 5 points for the ranking,
    // 6 for the incoming qualifier's number, 7 for the others.
    FontSettings();
    // Reads the file; a missing file, or a missing or unreadable key, gives the default
    // without a message. The bytes are Windows-1252.
    static FontSettings Read(const QString& path);
    // The same, with other defaults: the draw report's are not the bracket view's.
    static FontSettings Read(const QString& path, FontSettings defaults);
    // The same from a file already read.
    static FontSettings FromIni(const IniFile& ini, FontSettings defaults = FontSettings());

    void setStyle(Element element, const TextStyle& style) {
        styles_[static_cast<std::size_t>(element)] = style;
    }

    const TextStyle& style(Element element) const {
        return styles_[static_cast<std::size_t>(element)];
    }
    // The page font of an element.
    PageFont font(Element element) const;

private:
    std::array<TextStyle, ElementCount> styles_;
};
