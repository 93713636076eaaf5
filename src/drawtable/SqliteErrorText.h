#pragma once

#include <QString>

// The French reason for a failure of the table engine, from its extended result code and
// the system's error number, for the failures a user can act on: a full disk, a table held
// by another program, a read-only file or folder, a file that is no table.
class SqliteErrorText {
public:
    static QString reason(int extendedCode, int systemError);

    // "<what> : <reason>. [<raw>]": the engine's own words stay in brackets, for whoever
    // has to diagnose the failure.
    static QString describe(const QString& what, int extendedCode, int systemError,
                            const QString& raw);
};
