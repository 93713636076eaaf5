#pragma once

#include "update/MajInternet.h"
#include "update/UpdateLauncher.h"

class BusyCursor;
class HostInterface;
class Prompter;
class QWidget;

// The update window as the program opens it: at start-up for the automatic check, and
// from the main window's "Vérifie mise à jour". Both run against the server and the
// proxy of the settings file in the user's configuration folder, verify the download
// with the publisher's key built into the program, and start the update program in
// the install directory.
class UpdateWindows {
public:
    UpdateWindows(const HostInterface& host, Prompter& prompter, BusyCursor& cursor);

    // Whether the system sees a network; true when it cannot tell, so that the
    // requests decide.
    static bool InternetPresent();

    // Both return true when an update program was started: the program then ends.
    bool AutoCheck();
    bool Show(QWidget* parent);

private:
    MajInternet::Options options_;
    Prompter& prompter_;
    BusyCursor& cursor_;
    DetachedLauncher launcher_;
};
