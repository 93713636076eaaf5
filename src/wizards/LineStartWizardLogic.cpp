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
        controls_.StringGrid1Effectif.name(row) = ranking.Name;
        controls_.StringGrid1Effectif.count(row) = QString::number(ranking.Count);
        figures_.GridPlayers += ranking.Count;
    }
    const int players = figures_.players();
    figures_.LineDimension =
        RankingLadder::NextPowerOfTwo(qualifiersOut > 0 ? qualifiersOut : 1, players);
    figures_.Byes = figures_.LineDimension - players;
    figures_.NonByes = players - figures_.Byes;
    figures_.LineFinalDraw = qualifiersOut == 0;
    showFigures();
    controls_.PrecedentEnabled = false;
    controls_.SuivantEnabled = true;
}

void LineStartWizardLogic::showFigures() {
    WizardInformations& box = controls_.Informations;
    box.LabelEffectif = QString::number(figures_.players());
    box.LabelQualifieSortants = QString::number(figures_.LineQualifiersOut);
    box.LabelQualifieEntrants = QString::number(figures_.LineQualifiersIn);
    box.LabelDimensionTableau = QString::number(figures_.LineDimension);
    box.LabelNBExempts = QString::number(figures_.Byes);
    box.LabelNONExempts = QString::number(figures_.NonByes);
    box.LabelTetesSerie = QString::number(figures_.LineSeeds);
    box.SeedsVisible = figures_.LineSeeds != 0;
}

void LineStartWizardLogic::FormShow() {
    if (figures_.GridPlayers == 0) {
        controls_.SuivantEnabled = false;
        prompter_.message(MissingPlayersMessage());
    }
}

// A count that is not a number of players (not an integer, negative, or beyond what the
// main window accepts) counts 0, as text that is not an integer does.
void LineStartWizardLogic::GridEnter() {
    const RankingGrid& grid = controls_.StringGrid1Effectif;
    int sum = 0;
    for (int column = 1; column <= RankingGrid::Columns; ++column) {
        if (grid.name(column).isEmpty()) {
            continue;
        }
        const int count = IntegerText::toInt(grid.count(column)).value_or(0);
        const bool sound = count >= 0 && count <= WizardHandOver::MaxFigure;
        RankingRow& row = state_.Rankings[column];
        row.Name = grid.name(column).left(RankingLadder::NameWidth);
        row.Count = sound ? count : 0;
        sum += row.Count;
    }
    figures_.GridPlayers = sum;
    controls_.Informations.LabelEffectif = QString::number(figures_.players());
}

bool LineStartWizardLogic::SuivantBtnClick(const BracketView& showBracket) {
    hostCopy_.reset();
    if (!controls_.SuivantEnabled) {
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
        if (controls_.AssistantConstructionTabChecked &&
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
