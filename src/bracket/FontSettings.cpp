#include "FontSettings.h"

#include "core/Cp1252.h"
#include "core/IntegerText.h"

#include <QFile>

#include <SimpleIni.h>

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
    FontSettings settings = std::move(defaults);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return settings;
    }
    const QByteArray bytes = file.readAll();
    CSimpleIniA ini;
    ini.SetUnicode(false);  // raw bytes: they are Windows-1252, decoded below
    if (ini.LoadData(bytes.constData(), static_cast<std::size_t>(bytes.size())) < 0) {
        return settings;
    }
    for (int at = 0; at < ElementCount; ++at) {
        const QByteArray section = Cp1252::encode(SectionName(static_cast<Element>(at)));
        TextStyle& style = settings.styles_[static_cast<std::size_t>(at)];
        const auto read = [&](const char* key) -> const char* {
            return ini.GetValue(section.constData(), key, nullptr);
        };
        if (const char* police = read("Police")) {
            style.Police = Cp1252::decode(QByteArray(police)).left(FontNameWidth);
        }
        // An unreadable number keeps its default, as a missing one does.
        if (const char* taille = read("Taille")) {
            style.Taille =
                IntegerText::toInt(Cp1252::decode(QByteArray(taille))).value_or(style.Taille);
        }
        if (const char* value = read("Style")) {
            style.Style =
                IntegerText::toInt(Cp1252::decode(QByteArray(value))).value_or(style.Style);
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
