#include "InformationPanel.h"

#include "LineTally.h"
#include "NotesBox.h"
#include "StaircaseSummary.h"

#include "core/RankingLadder.h"
#include "core/StaircaseState.h"
#include "core/TextFormat.h"
#include "staircase/SolutionEvaluator.h"

#include <QRegularExpression>

namespace {

constexpr int RosterLeft = 647;
constexpr int FiguresLeft = 655;
constexpr int LineStartLeft = 600;

QString figure(const QString& pattern, const QString& letters, int value) {
    return TextFormat::format(
        pattern, {TextFormat::Arg(letters), TextFormat::Arg(static_cast<long long>(value))});
}

QString counts(int placed, int count) {
    return TextFormat::format(QStringLiteral("%2.0d/%2.0d"),
                              {static_cast<long long>(placed), static_cast<long long>(count)});
}

}  // namespace

InformationPanel::InformationPanel(Page& page, StaircaseState& state, const LineTally& tally,
                                   int seedCount)
    : page_(page), state_(state), tally_(tally), seedCount_(seedCount), writer_(page) {}

QString InformationPanel::LastRoundLabel(bool finalDraw, int qualifiersOut) {
    if (!finalDraw) {
        return QStringLiteral("Qualifiant ") +
               TextFormat::format(QStringLiteral("%3.0d"), qualifiersOut);
    }
    if (qualifiersOut == 0) {
        return RankingLadder::RoundName(0);
    }
    return QStringLiteral("Joueurs en ") + RankingLadder::RoundName(qualifiersOut);
}

int InformationPanel::lastRow() const {
    int last = 0;
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        if (!state_.Rankings[row].Name.isEmpty()) {
            last = row;
        }
    }
    return last;
}

int InformationPanel::roster(int top) {
    const int last = lastRow();
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        const RankingRow& ranking = state_.Rankings[row];
        if (ranking.Name.isEmpty()) {
            continue;
        }
        const QString name = ranking.Name.trimmed();
        const int placed = tally_.CountLinesOf(name);
        writer_.rosterEntry(QStringLiteral("Effectif%1").arg(row), RosterLeft, top + 15 * row - 5,
                            counts(placed, ranking.Count) + QStringLiteral("  (%1)").arg(name));
    }
    const int below = top + 15 * last;
    if (state_.QualifiersIn > 0) {
        const int placed = tally_.CountLinesOf(QString());
        writer_.rosterEntry(QStringLiteral("Effectif13"), RosterLeft, below + 15,
                            counts(placed, state_.QualifiersIn) + QStringLiteral("  (q)"));
    }
    writer_.bar(QStringLiteral("Info01S"), FiguresLeft, below + 30, 30, 2);
    return last;
}

void InformationPanel::figuresColumn(int below, bool couples) {
    writer_.label(QStringLiteral("Info01"), FiguresLeft, below + 35,
                  TextFormat::format(QStringLiteral("%3.0d"), state_.TotalPlayers));
    writer_.label(QStringLiteral("Info02"), state_.FinalDraw ? 590 : 600, below + 60,
                  LastRoundLabel(state_.FinalDraw, state_.QualifiersOut));
    if (couples && state_.Couples > 0) {
        writer_.label(QStringLiteral("Info03"), FiguresLeft, below + 75,
                      TextFormat::format(QStringLiteral("%2.0d"), state_.Couples) +
                          QStringLiteral("  Couples"));
    }
    if (seedCount_ > 0) {
        writer_.label(
            QStringLiteral("Info04"), FiguresLeft, below + 85,
            TextFormat::format(QStringLiteral("%2.0d"), seedCount_) + QStringLiteral("  TS"));
    }
}

void InformationPanel::LineStart(const LineStartFigures& figures, NotesBox& notes) {
    const QString pair = QStringLiteral("%0.4s = %2.0d");
    const QString byes =
        figure(QStringLiteral("%0.4s = D - N = %2.0d"), QStringLiteral("E"), figures.Byes);
    const QString round1 =
        figure(QStringLiteral("%0.4s = N - E = %2.0d"), QStringLiteral("NE"), figures.NonByes);
    const QString matches = figure(QStringLiteral("%0.4s = NE / 2 = %2.0d"), QStringLiteral("NPNE"),
                                   figures.NonByes / 2);
    writer_.label(QStringLiteral("Info1"), LineStartLeft, 20,
                  figure(pair, QStringLiteral("N"), figures.players()));
    writer_.label(QStringLiteral("Info2"), LineStartLeft, 35,
                  figure(pair, QStringLiteral("D"), figures.LineDimension));
    writer_.label(QStringLiteral("Info3"), LineStartLeft, 50, byes);
    writer_.label(QStringLiteral("Info4"), LineStartLeft, 65, round1);
    writer_.label(QStringLiteral("Info5"), LineStartLeft, 80, matches);
    writer_.label(QStringLiteral("Info6"), LineStartLeft, 95,
                  figure(pair, QStringLiteral("QS"), figures.LineQualifiersOut));
    notes.setText(page_, byes + QLatin1Char('\n') + round1 + QLatin1Char('\n') + matches);

    const int top = LineStartTop;
    state_.QualifiersIn = static_cast<std::int16_t>(figures.LineQualifiersIn);
    const int last = roster(top);
    state_.TotalPlayers = static_cast<std::int16_t>(figures.players());
    state_.Dimension = static_cast<std::int16_t>(figures.LineDimension);
    state_.QualifiersOut = static_cast<std::int16_t>(figures.LineQualifiersOut);
    const int below = top + 15 * last;
    figuresColumn(below, false);
    writer_.label(QStringLiteral("Info05"), FiguresLeft, below + 100,
                  TextFormat::format(QStringLiteral("N/2 = %2.0d"), state_.TotalPlayers / 2));
    writer_.label(QStringLiteral("Info06"), FiguresLeft, below + 115,
                  TextFormat::format(QStringLiteral("N/8 = %2.0d"), state_.TotalPlayers / 8));
}

void InformationPanel::StaggeredEntry(int solutionNumber) {
    // The staircase of the solution, by the distribution the staircase view evaluates
    // it with; a number outside the stored table stands for a staircase of no tour.
    StaircaseSolution shown;
    if (solutionNumber >= 1 && solutionNumber <= StaircaseState::SolutionCapacity) {
        shown = state_.Solutions[solutionNumber];
    }
    const SolutionCheck staircase = SolutionEvaluator::Evaluate(state_, shown);
    const int entries = SolutionEvaluator::DrawDimension(state_.QualifiersOut, staircase.Tours);
    if (!state_.SkeletonErrorText.isEmpty()) {
        // The problems of the construction on one line, stored back so.
        state_.SkeletonErrorText.replace(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r")),
                                         QStringLiteral(", "));
        writer_.label(QStringLiteral("Info101"), 1, 1,
                      QStringLiteral("%1 (%2 erreur(s))")
                          .arg(state_.SkeletonErrorText)
                          .arg(state_.SkeletonErrorCount),
                      BracketColors::Red, true);
    }
    QString solution;
    if (state_.ManualEntry) {
        solution = QStringLiteral("Saisie escalier.");
    } else if (state_.SingleSolution) {
        solution = QStringLiteral("Solution trouvée");
    } else {
        solution = QStringLiteral("Solution %1 sur %2 traitée(s)")
                       .arg(solutionNumber)
                       .arg(state_.StoredSolutions);
    }
    writer_.label(QStringLiteral("Info102"), 600, 10, solution, BracketColors::Black, true);
    writer_.label(
        QStringLiteral("Info103"), 600, 20,
        QStringLiteral("Tableau %1 entrées, sur %2 tour(s)").arg(entries).arg(staircase.Tours));
    verdicts(staircase);
    const int top = StaggeredTop;
    const int below = top + 15 * roster(top);
    figuresColumn(below, true);
    StaircaseSummary::Draw(writer_, state_, staircase.Tours, below + 110);
}

void InformationPanel::verdicts(const SolutionCheck& staircase) {
    int k = 0;
    for (const SpreadRanking& span : staircase.SpreadRankings) {
        ++k;
        writer_.label(QStringLiteral("Info104_%1").arg(k), 600, 10 * k + 30,
                      QStringLiteral("%1 sont sur %2 tours").arg(span.Name).arg(span.Tours),
                      BracketColors::Red);
    }
    if (!staircase.SpreadRankings.isEmpty()) {
        PageFont font = PanelWriter::PanelFont();
        font.bold = true;
        font.pointSize = 8;
        writer_.label(QStringLiteral("Info105"), 600, 30,
                      QStringLiteral("Solution incorrecte, classement(s) sur plus de 2 tours"),
                      font, BracketColors::Red);
    } else if (staircase.TwoTourCount == 0) {
        writer_.label(QStringLiteral("Info106"), 600, 30,
                      QStringLiteral("Tous les classements rentrent sur 1 tour"),
                      BracketColors::Green, true);
    } else {
        const bool oneTour = staircase.OneTourCount > 0;
        if (oneTour) {
            writer_.label(QStringLiteral("Info107"), 600, 35,
                          QStringLiteral("%1 classement(s) sur 1 tour").arg(staircase.OneTourCount),
                          BracketColors::Green);
        }
        writer_.label(QStringLiteral("Info108"), 600, oneTour ? 45 : 35,
                      QStringLiteral("%1 classement(s) sur 2 tour").arg(staircase.TwoTourCount),
                      BracketColors::Blue);
    }
}
