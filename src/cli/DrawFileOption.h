#pragma once

#include "CliOption.h"

#include "drawtable/DrawExchange.h"

#include <QString>

class CliCall;
class StaircaseState;

// The draw file of the commands that build a draw: "--draw-json FICHIER" writes the draw
// they built (its lines and every figure the bracket view reads), and the figures are
// kept in the data folder too, so that "export-draw --data DOSSIER" finds them later.
class DrawFileOption {
public:
    static CliOption Option();

    // Keeps the figures in the folder and writes the file when the option asks for one.
    // Empty on success, else why it failed.
    static QString Write(const CliCall& call, const QString& folder, const StaircaseState& state,
                         const DrawExchange::View& view);
};
