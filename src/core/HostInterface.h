#pragma once

#include <QString>

// What a tournament-management host would provide, filled by the program itself when it
// runs on its own: its directories, the name of the host's draw table and a display
// switch. The start-up creates the one instance and passes it to the windows.
class HostInterface {
public:
    // Where the start-up looks for the program's data files.
    struct Places {
        QString currentDirectory;
        QString executableDirectory;

        // The current directory and the folder of the running executable.
        static Places OfThisProgram();
    };

    static QString ReadmeName() { return QStringLiteral("Lisezmoi.txt"); }
    static QString WorkingTableName() { return QStringLiteral("Tmpaaaa.db"); }

    // The values of a program that runs on its own.
    static HostInterface Start(const Places& places);
    static QString FindInstallDirectory(const Places& places);

    // The path of a file or folder of the program's directory ("ZECLASS.TXT", "WDBASE").
    QString InstallPath(const QString& name) const;

    QString InstallDirectory;
    QString WorkingDirectory;  // autosave file and host draw table
    QString DataLocation;      // working tables; empty means the current directory
    QString HostTableName = WorkingTableName();
    bool EntrantNamesOnly = false;
    QString VersionLabelText;  // the main window's version label, printed by the reports
};
