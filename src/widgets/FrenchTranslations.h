#pragma once

class QCoreApplication;

// Qt's own French texts for the standard dialogs and buttons (file dialogs, the Yes, No,
// OK and Cancel of message boxes), from the translations Debian ships in
// qt6-translations-l10n.
class FrenchTranslations {
public:
    // Loads and installs them on the application, which then owns them. False when
    // they are not installed on this system: the dialogs then stay in English.
    static bool Install(QCoreApplication& application);
};
