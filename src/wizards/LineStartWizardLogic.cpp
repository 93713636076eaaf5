#include "LineStartWizardLogic.h"

#include "LineDrawAcceptance.h"
#include "LineSkeletonBuilder.h"
#include "core/IntegerText.h"
#include "core/Prompter.h"
#include "core/RankingLadder.h"
#include "core/StaircaseState.h"
#include "core/WizardHandOver.h"
#include "drawtable/DrawLine.h"
#include "drawtable/DrawLines.h"
#include "drawtable/LineAddressing.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"

LineStartWizardLogic::LineStartWizardLogic(StaircaseState& state, Prompter& prompter,
                                           BusyCursor& cursor, const TableLocations& places,
                                           const QString& rankingOrderPath)
    : state_(state),
      prompter_(prompter),
      cursor_(cursor),
      places_(places),
      rankingOrderPath_(rankingOrderPath) {
    state_.ClearRankings();
}

void LineStartWizardLogic::Init(int qualifiersIn, int qualifiersOut, int seeds, int) {
    figures_.LineQualifiersIn = qualifiersIn;
    figures_.LineQualifiersOut = qualifiersOut;
    figures_.LineSeeds = seeds;
    figures_.GridPlayers = 0;
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        const RankingRow& ranking = state_.Rankings[row];
        if (ranking.Name.isEmpty()) {
            continue;
        }
        controls_.gridNames[row - 1] = ranking.Name;
        controls_.gridCounts[row - 1] = QString::number(ranking.Count);
        figures_.GridPlayers += ranking.Count;
    }
    const int players = figures_.players();
    figures_.LineDimension =
        RankingLadder::NextPowerOfTwo(qualifiersOut > 0 ? qualifiersOut : 1, players);
    figures_.Byes = figures_.LineDimension - players;
    figures_.NonByes = players - figures_.Byes;
    figures_.LineFinalDraw = qualifiersOut == 0;
    showFigures();
    controls_.precedentEnabled = false;
    controls_.suivantEnabled = true;
}

void LineStartWizardLogic::showFigures() {
    controls_.effectif = QString::number(figures_.players());
    controls_.qualifiesSortants = QString::number(figures_.LineQualifiersOut);
    controls_.qualifiesEntrants = QString::number(figures_.LineQualifiersIn);
    controls_.dimension = QString::number(figures_.LineDimension);
    controls_.exempts = QString::number(figures_.Byes);
    controls_.nonExempts = QString::number(figures_.NonByes);
    controls_.tetesSerie = QString::number(figures_.LineSeeds);
    controls_.seedsVisible = figures_.LineSeeds != 0;
}

void LineStartWizardLogic::Show() {
    if (figures_.GridPlayers == 0) {
        controls_.suivantEnabled = false;
        prompter_.message(MissingPlayersMessage());
    }
}

// A count that is not a number of players (not an integer, negative, or beyond what the
// main window accepts) counts 0, as text that is not an integer does.
void LineStartWizardLogic::EnterInGrid(const QStringList& names, const QStringList& counts) {
    int sum = 0;
    for (int column = 0; column < GridColumns; ++column) {
        const QString name = names.value(column);
        if (name.isEmpty()) {
            continue;
        }
        const int count = IntegerText::toInt(counts.value(column)).value_or(0);
        const bool sound = count >= 0 && count <= WizardHandOver::MaxFigure;
        RankingRow& row = state_.Rankings[column + 1];
        row.Name = name.left(RankingLadder::NameWidth);
        row.Count = sound ? count : 0;
        sum += row.Count;
        controls_.gridNames[column] = name;
        controls_.gridCounts[column] = counts.value(column);
    }
    figures_.GridPlayers = sum;
    controls_.effectif = QString::number(figures_.players());
}

bool LineStartWizardLogic::Suivant(const BracketView& showBracket) {
    hostCopy_.reset();
    if (!controls_.suivantEnabled) {
        return false;
    }
    figures_.PowerDimension = RankingLadder::NextPowerOfTwo(1, figures_.LineDimension);
    {
        RecordTable draw(TableLayout::DrawLine(), places_.DataLocation, TableNames::LineDraw);
        if (!draw.Open()) {
            prompter_.warning(draw.errorText());
            return false;
        }
        // One transaction for the whole preparation; it is committed and the table
        // closed before the bracket view reads it. A preparation that fails leaves the
        // table as it was, and neither the bracket view nor an acceptance follows: there
        // is no draw to show or to copy.
        RecordTable::Batch batch(draw);
        if (!prepareTable(draw)) {
            return false;
        }
        if (controls_.buildSkeleton &&
            LineSkeletonBuilder(draw, figures_, state_, places_, rankingOrderPath_, prompter_,
                                cursor_)
                    .BuildLineSkeleton() == LineSkeletonBuilder::Result::Failed) {
            batch.abandon();
            return false;
        }
        markOutgoingQualifiers(draw);
        if (!batch.commit()) {
            prompter_.warning(draw.errorText());
            return false;
        }
    }
    state_.FinalDraw = figures_.LineFinalDraw;
    const bool acceptEnabled = places_.HostTableName != TableNames::StaggeredDraw;
    if (showBracket(figures_, acceptEnabled)) {
        hostCopy_ = LineDrawAcceptance::AcceptLineDraw(figures_, places_, prompter_);
    }
    return true;
}

// The table is reused while it holds the lines of this dimension and the outgoing
// qualifiers were not edited; otherwise it is numbered afresh.
bool LineStartWizardLogic::prepareTable(RecordTable& draw) {
    const int lines = 2 * figures_.LineDimension - 1;
    if ((draw.RecordCount() != lines || figures_.OutgoingEdited) &&
        !DrawLines::FillNumbered(draw, lines)) {
        prompter_.warning(draw.errorText());
        return false;
    }
    return true;
}

// The outgoing qualifiers leave from the round reached by halving D down to q. A line
// that cannot be written fails the batch of "&Suivant", which tells it.
void LineStartWizardLogic::markOutgoingQualifiers(RecordTable& draw) {
    if (figures_.LineFinalDraw) {
        return;
    }
    const int qualifiersOut = figures_.LineQualifiersOut;
    int halvings = 0;
    for (int size = figures_.LineDimension; size > qualifiersOut; size /= 2) {
        ++halvings;
    }
    const LineAddressing lines(figures_.LineDimension);
    for (int i = 1; i <= qualifiersOut; ++i) {
        if (draw.FindKey({lines.LineNumber(halvings + 1, i)})) {
            draw.setInteger(DrawLine::Position, DrawLine::OutgoingQualifier);
            draw.setInteger(DrawLine::Numero, i);
            draw.clear(DrawLine::Nom);
            draw.Post();
        }
    }
}

QString LineStartWizardLogic::MissingPlayersMessage() {
    return QStringLiteral(
        "Manque des paramètres, compléter la structure du tableau,\nl'effectif, "
        "qualifiées...");
}
