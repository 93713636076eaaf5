#pragma once

#include <QString>

class Prompter;
class UpdateSettings;

// What the proxy dialog edits: the proxy's address and port as the user typed them.
// The dialog filters the keys, checks the form on OK and stores it in the update
// settings; all of that is here, so that the dialog only shows it.
struct ProxyForm {
    QString address;
    QString port = QStringLiteral("80");

    static QString AddressCharacters() { return QStringLiteral("0123456789."); }
    static QString PortCharacters() { return QStringLiteral("0123456789"); }
    // The text with the characters a field does not take dropped.
    static QString Filtered(const QString& text, const QString& allowed);

    static ProxyForm FromSettings(const UpdateSettings& settings);
    // Both checks run and each failure tells its message; true when both pass.
    bool check(Prompter& prompter) const;
    bool portIsValid() const;
    bool addressIsValid() const;
    // A filled address is stored as typed; an empty one removes the proxy section.
    void store(UpdateSettings& settings) const;
};
