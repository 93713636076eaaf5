#pragma once

#include <QStringList>

// "orvanel-cli tel-draw INPUT.txt [--build] [--accept] [--zeclass FILE] [--data DIR]
// [--json]": the line-start wizard's figures and "&Suivant" for a simulation input.
class TelDrawCommand {
public:
    static int run(const QStringList& arguments);
    static QString usage();
    // The ranking order list shipped with the program: installed beside the executable
    // (share/orvanel), or the repository's data folder when run from a build tree.
    static QString defaultRankingOrderPath();
};
