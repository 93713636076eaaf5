#include "ProxyForm.h"

#include "UpdateSettings.h"

#include "core/IntegerText.h"
#include "core/Prompter.h"

QString ProxyForm::Filtered(const QString& text, const QString& allowed) {
    QString kept;
    for (const QChar c : text) {
        if (allowed.contains(c)) {
            kept += c;
        }
    }
    return kept;
}

ProxyForm ProxyForm::FromSettings(const UpdateSettings& settings) {
    const IniFile& file = settings.file();
    return {file.value(UpdateSettings::ProxySection(), UpdateSettings::AddressKey(), QString()),
            file.value(UpdateSettings::ProxySection(), UpdateSettings::PortKey(),
                       QStringLiteral("80"))};
}

bool ProxyForm::check(Prompter& prompter) const {
    bool valid = true;
    if (!portIsValid()) {
        prompter.message(QStringLiteral("ERREUR sur le numéro de port."));
        valid = false;
    }
    if (!address.isEmpty() && !addressIsValid()) {
        prompter.message(QStringLiteral("ERREUR sur l'adresse IP du Proxy."));
        valid = false;
    }
    return valid;
}

// A port beyond 65535 would wrap round to another port, and port 0 reaches nothing:
// both are refused with the port's message rather than stored.
bool ProxyForm::portIsValid() const {
    const std::optional<int> value = IntegerText::toInt(port);
    return value && *value >= 1 && *value <= 65535;
}

// Four parts of 0 to 255 separated by dots, and nothing after the fourth.
bool ProxyForm::addressIsValid() const {
    QString rest = address + QLatin1Char('.');
    for (int part = 0; part < 4; ++part) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            return false;
        }
        const std::optional<int> value = IntegerText::toInt(rest.left(dot));
        if (!value || *value < 0 || *value > 255) {
            return false;
        }
        rest = rest.mid(dot + 1);
    }
    return rest.isEmpty();
}

void ProxyForm::store(UpdateSettings& settings) const {
    IniFile& file = settings.file();
    if (address.isEmpty()) {
        file.removeKey(UpdateSettings::ProxySection(), UpdateSettings::AddressKey());
        file.removeKey(UpdateSettings::ProxySection(), UpdateSettings::PortKey());
        file.removeSection(UpdateSettings::ProxySection());
        return;
    }
    file.setValue(UpdateSettings::ProxySection(), UpdateSettings::AddressKey(), address);
    file.setValue(UpdateSettings::ProxySection(), UpdateSettings::PortKey(), port);
}
