#include "PrintSettings.h"

#include "core/IniFile.h"
#include "core/IntegerText.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("TABLEAUX");

double decimal(const IniFile& ini, const QString& key, double fallback) {
    const std::optional<QString> text = ini.value(Section, key);
    if (!text) {
        return fallback;
    }
    QString normal = text->trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normal.toDouble(&ok);
    return ok ? value : fallback;
}

int integer(const IniFile& ini, const QString& key, int fallback) {
    const std::optional<QString> text = ini.value(Section, key);
    return text ? IntegerText::toInt(*text).value_or(fallback) : fallback;
}

}  // namespace

PrintSettings PrintSettings::Read(const QString& path) {
    PrintSettings settings;
    if (!QFileInfo::exists(path)) {
        return settings;
    }
    const IniFile ini = IniFile::Load(path);
    settings.LineThickness = integer(ini, QStringLiteral("EpaisseurLigne"), settings.LineThickness);
    settings.Margins =
        QMarginsF(decimal(ini, QStringLiteral("MargeGauche"), settings.Margins.left()),
                  decimal(ini, QStringLiteral("MargeHaut"), settings.Margins.top()),
                  decimal(ini, QStringLiteral("MargeDroite"), settings.Margins.right()),
                  decimal(ini, QStringLiteral("MargeBas"), settings.Margins.bottom()));
    settings.FooterHeight = integer(ini, QStringLiteral("HauteurBasPage"), settings.FooterHeight);
    return settings;
}
