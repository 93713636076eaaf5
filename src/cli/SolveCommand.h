#pragma once

#include "SolveSession.h"

#include <QStringList>

// "orvanel-cli solve FILE [--max-tours N] [--other-solutions] [--keep-spread]
// [--last-round I] [--couples C] [--json]": the staircases of a staggered-entry draw.
class SolveCommand {
public:
    // The input file and the search options of a command line; error holds the French
    // reason (or the usage) when the words do not make such a line.
    struct Parsed {
        QString file;
        SolveSession::Options options;
        QString error;
    };

    static int run(const QStringList& arguments);
    static QString usage();
    // Reads the file and the search options; usage is what an unknown word shows.
    static Parsed parse(QStringList arguments, const QString& usage);
};
