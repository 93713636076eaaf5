#pragma once

#include "DrawPrintOptions.h"
#include "DrawTitleBlock.h"
#include "PrintSettings.h"
#include "ReportPaper.h"
#include "SheetPlan.h"
#include "TQR1TableauEscalier.h"

#include "bracket/FontSettings.h"
#include "drawtable/DrawFile.h"

#include <QStringList>

#include <memory>
#include <vector>

class StaircaseState;

// The print of a draw: the sheet plan, one draw report per sheet with its options, its
// layout, its title block and its page number. The windows preview or print the sheets,
// the command line writes them.
class DrawPrintFlow {
public:
    struct Inputs {
        const DrawFile* draw = nullptr;  // lines in line order
        StaircaseState* state = nullptr;
        int solutionNumber = 0;               // staggered-entry draws
        DrawTitleBlock::LineStart lineStart;  // line-start draws
        QString versionLabelText;
        QString infoTableau;
        ReportPaper paper;  // the printer's paper; the orientation comes from the options
        PrintSettings settings;
        FontSettings fonts = TQR1TableauEscalier::DefaultFonts();
    };

    struct Sheets {
        SheetPlan plan;
        std::vector<std::unique_ptr<TQR1TableauEscalier>> reports;
        QStringList messages;
    };

    // The list item the dialog selects first (0 for 32 per sheet … 3 for 256).
    static int DefaultListItem(int dimension) { return dimension > 64 ? 2 : 1; }
    static bool EndBranchesEnabled(int dimension);
    // The lines per sheet of list item `item`; 32 when none is selected.
    static int PerSheetOfItem(int item);

    static Sheets Build(const Inputs& inputs, const DrawPrintOptions& options);
};
