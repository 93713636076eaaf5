#pragma once

#include <QStringList>

// "orvanel-cli tel-draw INPUT.txt [--build] [--accept] [--zeclass FILE] [--data DIR]
// [--json]": the line-start wizard's figures and "&Suivant" for a simulation input.
class TelDrawCommand {
public:
    static int run(const QStringList& arguments);
    static QString usage();
    // The ranking order list of the program's directory, found as the program finds it.
    static QString defaultRankingOrderPath();
};
