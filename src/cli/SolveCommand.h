#pragma once

#include <QStringList>

// "orvanel-cli solve FILE [--max-tours N] [--other-solutions] [--keep-spread]
// [--last-round I] [--couples C] [--json]": the staircases of a staggered-entry draw.
class SolveCommand {
public:
    static int run(const QStringList& arguments);
    static QString usage();
};
