#include "FontSettings.h"

#include "core/IniFile.h"
#include "core/IntegerText.h"

namespace {

constexpr int FontNameWidth = 30;

int defaultSize(FontSettings::Element element) {
    switch (element) {
        case FontSettings::Classement:
            return 5;
        case FontSettings::NumQualifie:
            return 6;
        default:
            return 7;
    }
}

}  // namespace

QString FontSettings::SectionName(Element element) {
    static const std::array<QString, ElementCount> names{
        QStringLiteral("CLASSEMENT"),   QStringLiteral("SCORE"),
        QStringLiteral("NUMJOUEUR"),    QStringLiteral("NUMQUALIFIE"),
        QStringLiteral("VAINQUALIFIE"), QStringLiteral("NUMTETESERIE"),
        QStringLiteral("CLUB_PAYS")};
    return names[static_cast<std::size_t>(element)];
}

FontSettings::FontSettings() {
    for (int at = 0; at < ElementCount; ++at) {
        styles_[static_cast<std::size_t>(at)].Taille = defaultSize(static_cast<Element>(at));
    }
}

FontSettings FontSettings::Read(const QString& path) {
    return Read(path, FontSettings());
}

FontSettings FontSettings::Read(const QString& path, FontSettings defaults) {
    return FromIni(IniFile::Load(path), std::move(defaults));
}

FontSettings FontSettings::FromIni(const IniFile& ini, FontSettings defaults) {
    FontSettings settings = std::move(defaults);
    for (int at = 0; at < ElementCount; ++at) {
        const QString section = SectionName(static_cast<Element>(at));
        TextStyle& style = settings.styles_[static_cast<std::size_t>(at)];
        if (const auto police = ini.value(section, QStringLiteral("Police"))) {
            style.Police = police->left(FontNameWidth);
        }
        // An unreadable number keeps its default, as a missing one does.
        if (const auto taille = ini.value(section, QStringLiteral("Taille"))) {
            style.Taille = IntegerText::toInt(*taille).value_or(style.Taille);
        }
        if (const auto value = ini.value(section, QStringLiteral("Style"))) {
            style.Style = IntegerText::toInt(*value).value_or(style.Style);
        }
    }
    return settings;
}

PageFont FontSettings::font(Element element) const {
    const TextStyle& chosen = style(element);
    PageFont font;
    font.family = chosen.Police;
    font.pointSize = chosen.Taille;
    font.bold = chosen.Style == 1;
    font.italic = chosen.Style == 2;
    font.underline = chosen.Style == 3;
    return font;
}
