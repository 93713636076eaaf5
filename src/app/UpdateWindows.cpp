#include "UpdateWindows.h"

#include "core/HostInterface.h"
#include "update/TForm1MAJInternet.h"
#include "update/UpdateSettings.h"
#include "update/UpdateVerifier.h"

#include <QNetworkInformation>

UpdateWindows::UpdateWindows(const HostInterface& host, Prompter& prompter, BusyCursor& cursor)
    : prompter_(prompter), cursor_(cursor), launcher_(host.InstallDirectory) {
    options_.installDirectory = host.InstallDirectory;
    options_.settingsPath = UpdateSettings::DefaultPath();
    options_.publicKey = UpdateVerifier::BuiltInPublicKey();
    options_.connected = InternetPresent();
}

bool UpdateWindows::InternetPresent() {
    if (!QNetworkInformation::loadDefaultBackend() || QNetworkInformation::instance() == nullptr) {
        return true;
    }
    return QNetworkInformation::instance()->reachability() !=
           QNetworkInformation::Reachability::Disconnected;
}

bool UpdateWindows::AutoCheck() {
    if (!options_.connected) {
        return false;
    }
    TForm1MAJInternet window(options_, prompter_, cursor_, launcher_);
    window.AutoCheck();
    return window.quitRequested();
}

bool UpdateWindows::Show(QWidget* parent) {
    TForm1MAJInternet window(options_, prompter_, cursor_, launcher_, parent);
    window.exec();
    return window.quitRequested();
}
