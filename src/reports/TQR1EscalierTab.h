#pragma once

#include "ReportPage.h"
#include "ReportPaper.h"

#include <QString>

class StaircaseState;

// The staircase report: staircase solutions of a staggered-entry draw, one under the
// other on an A4 page, each with its summary and its staircase.
class TQR1EscalierTab {
public:
    static inline const QString TitleBand = QStringLiteral("QRBand1");
    static inline const QString FooterBand = QStringLiteral("QRBand2");

    // What the report prints beside the state: the version label of the main window and
    // the host's league.
    struct Texts {
        QString versionLabelText;
        QString ligue;
    };

    TQR1EscalierTab(StaircaseState& state, const Texts& texts, const ReportPaper& paper = {});

    // Prints stored solution s at the current top.
    void PrintSolution(int solution);
    // Prints solutions first, first + 1 … while they fit on the page, at most count of
    // them; returns how many it printed. The first two always print.
    int PrintSolutions(int first, int count);

    ReportPage& page() { return page_; }
    const ReportPage& page() const { return page_; }
    // The solutions printed on this page, in order.
    const QList<int>& solutions() const { return solutions_; }

private:
    // Lays solution s out at the current top into `page`; returns the top of its lowest
    // element.
    int layOut(ReportPage& page, int solution);

    StaircaseState& state_;
    ReportPage page_;
    int y_ = 20;
    int bottom_ = 0;
    QList<int> solutions_;
};
