#pragma once

#include <QStringList>

// "orvanel-cli tee-skeleton FILE --solution K [the search options of solve] [--data DIR]
// [--json]": the skeleton of one staircase of a staggered-entry draw.
class TeeSkeletonCommand {
public:
    static int run(const QStringList& arguments);
    static QString usage();
};
