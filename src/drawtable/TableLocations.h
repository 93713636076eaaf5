#pragma once

#include "TableNames.h"
#include "core/HostInterface.h"

#include <QString>

// Where the tables live: the working tables and the roster in the data location, the
// host's draw table in the working directory. An empty folder is the current directory.
struct TableLocations {
    QString DataLocation;
    QString WorkingDirectory;
    QString HostTableName = TableNames::DefaultHost;

    // Where the host interface keeps them.
    static TableLocations Of(const HostInterface& host) {
        return {host.DataLocation, host.WorkingDirectory, host.HostTableName};
    }
};
