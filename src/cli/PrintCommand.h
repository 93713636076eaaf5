#pragma once

#include "CliCommand.h"

// "orvanel-cli print DRAW.json [--per-sheet N] [--landscape] [--a3] [--frame]
// [--empty-branches] [--end-branches] [--sheet-by-sheet] (--pdf FILE | --png DIR [--dpi N] |
// --svg DIR)": the bracket view's "Imprimer le tableau", its sheets written to files.
class PrintCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("print"); }
    QString summary() const override;
    QString details() const override;
    QList<Argument> arguments() const override;
    QList<CliOption> options() const override;
    int run(CliCall& call) override;

    // The main window's version label, which the reports print: orvanel-cli has no main
    // window, so it prints the same text.
    static QString VersionLabelText() { return QStringLiteral("Version 1.0 du 22/02/2016"); }
};
