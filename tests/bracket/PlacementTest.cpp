#include "EditingTestSupport.h"

#include "bracket/RosterEntryText.h"
#include "bracket/SeedNumberField.h"
#include "drawtable/DrawExchange.h"

namespace {

using Outcome = BracketEditor::Outcome;
using Button = ScriptedSeedDialog::Step::Button;

class Placement : public EditingFixture {};

}  // namespace

TEST(RosterEntryText, ReadsAndRewritesTheCounts) {
    struct Case {
        const char* text;
        int placed;
        int total;
        const char* ranking;
    };
    const Case cases[] = {
        {" 3/ 4  (15/2)", 3, 4, "15/2"},
        {"12/120  (NC)", 12, 120, "NC"},  // the whole total, not its first two figures
        {"105/130  (q)", 105, 130, "q"},
        {" 0/ 5  (-2/6", 0, 5, "-2/6"},  // no ")": to the end
        {"4/4 30", 4, 4, "4/4 30"},      // no "(": from the start
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(RosterEntryText::Placed(text), c.placed) << c.text;
        EXPECT_EQ(RosterEntryText::Total(text), c.total) << c.text;
        EXPECT_EQ(RosterEntryText::RankingText(text), QString::fromUtf8(c.ranking)) << c.text;
    }
    EXPECT_EQ(RosterEntryText::WithPlaced(QStringLiteral(" 3/ 4  (15/2)"), 4),
              QStringLiteral(" 4/ 4  (15/2)"));
    EXPECT_EQ(RosterEntryText::WithPlaced(QStringLiteral("99/120  (NC)"), 100),
              QStringLiteral("100/120  (NC)"));
}

TEST(SeedNumberField, TakesDigitsCommaAndBackspaceAndReplacesTheShownNumber) {
    SeedNumberField field(QStringLiteral("3"));
    EXPECT_FALSE(field.Key(QLatin1Char('a')));
    EXPECT_FALSE(field.Key(QLatin1Char('-')));
    EXPECT_EQ(field.text(), QStringLiteral("3"));
    EXPECT_TRUE(field.Key(QLatin1Char('1')));
    EXPECT_TRUE(field.Key(QLatin1Char('2')));
    EXPECT_EQ(field.text(), QStringLiteral("12"));
    EXPECT_TRUE(field.Key(QChar(SeedNumberField::Backspace)));
    EXPECT_EQ(field.Ok(), 1);
    EXPECT_EQ(field.text(), QStringLiteral(" 1"));

    for (const char* wrong : {"", "1,2", ","}) {
        SeedNumberField typed;
        for (const char key : std::string(wrong)) {
            typed.Key(QLatin1Char(key));
        }
        EXPECT_EQ(typed.Ok(), std::nullopt) << wrong;
    }
}

TEST_F(Placement, ARosterEntryPlacesItsRankingOrAnIncomingQualifier) {
    open(8, {{5, lineOf(DrawLine::Seed, "A", 2)}});
    EXPECT_EQ(drop(roster(1), name(1, 5)), Outcome::Done);
    EXPECT_EQ(line(5), QStringLiteral("1 2 15/2"));  // the number stays
    EXPECT_EQ(text(name(1, 5)), QStringLiteral("15/2"));
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 1/ 4  (15/2)"));

    EXPECT_EQ(drop(roster(13), name(1, 2)), Outcome::Done);
    EXPECT_EQ(line(2), QStringLiteral("3 0 "));
    EXPECT_EQ(text(name(1, 2)), QString());
    EXPECT_EQ(text(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 2)), QStringLiteral("q"));
    EXPECT_EQ(text(roster(13)), QStringLiteral(" 1/ 2  (q)"));
}

TEST_F(Placement, AFullEntryAndAnOutgoingQualifiersLineRefuseTheDrop) {
    open(8, {{1, lineOf(DrawLine::Entrant, "15/1")},
             {2, lineOf(DrawLine::Entrant, "15/1")},
             {13, lineOf(DrawLine::OutgoingQualifier, "", 1)}});
    EXPECT_EQ(text(roster(2)), QStringLiteral(" 2/ 2  (15/1)"));
    EXPECT_EQ(drop(roster(2), name(1, 3)), Outcome::Refused);
    EXPECT_EQ(drop(roster(2), roster(1)), Outcome::Refused);
    EXPECT_EQ(line(3), QStringLiteral("0 - "));
    EXPECT_EQ(drop(roster(1), name(3, 13)), Outcome::Refused);
    EXPECT_EQ(line(13), QStringLiteral("5 1 "));
    // A roster entry dropped on nothing, or on another entry, changes nothing.
    EXPECT_EQ(drop(roster(1), QString()), Outcome::Done);
    EXPECT_EQ(drop(roster(1), roster(2)), Outcome::Done);
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 0/ 4  (15/2)"));
    EXPECT_EQ(view_->editor().undoStack().count(), 0);
    // Items not on the page, or that cannot be dragged.
    EXPECT_EQ(drop(QStringLiteral("Effectif9"), name(1, 3)), Outcome::Ignored);
    EXPECT_EQ(drop(QStringLiteral("Info01"), name(1, 3)), Outcome::Ignored);
    EXPECT_EQ(drop(roster(1), QStringLiteral("COL01999")), Outcome::Ignored);
}

TEST_F(Placement, AReturnMatchesTheWholeRankingAndNeverCountsBelowZero) {
    open(8, {{1, lineOf(DrawLine::Entrant, "15/2")},
             {2, lineOf(DrawLine::Entrant, "15/2")},
             {3, lineOf(DrawLine::Entrant, "15/2")},
             {4, lineOf(DrawLine::IncomingQualifier, "", 1)},
             {5, lineOf(DrawLine::Entrant, "15")},
             {6, lineOf(DrawLine::Entrant, "")}});
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 3/ 4  (15/2)"));
    drop(name(1, 1), roster(2));  // 15/2 onto 15/1
    EXPECT_EQ(line(1), QStringLiteral("1 - 15/2"));
    drop(name(1, 5), roster(1));  // "15" is not "15/2"
    EXPECT_EQ(line(5), QStringLiteral("1 - 15"));
    drop(name(1, 6), roster(1));  // an empty name matches nothing
    EXPECT_EQ(line(6), QStringLiteral("1 - "));
    EXPECT_EQ(view_->editor().undoStack().count(), 0);

    drop(name(1, 1), roster(1));
    EXPECT_EQ(line(1), QStringLiteral("0 - "));
    EXPECT_EQ(text(name(1, 1)), QStringLiteral(" "));
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 2/ 4  (15/2)"));

    drop(name(1, 4), roster(13));
    EXPECT_EQ(line(4), QStringLiteral("0 - "));
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 4)), nullptr);
    EXPECT_EQ(text(roster(13)), QStringLiteral(" 0/ 2  (q)"));

    page_.change(roster(1), [](PageItem& entry) { entry.text = QStringLiteral(" 0/ 4  (15/2)"); });
    drop(name(1, 2), roster(1));
    EXPECT_EQ(line(2), QStringLiteral("0 - "));
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 0/ 4  (15/2)"));
}

TEST_F(Placement, AnExchangeMovesTheNumbersOfCodesAndKeepsTheEntrantsOrder) {
    open(8, {{1, lineOf(DrawLine::IncomingQualifier, "", 3)},
             {2, lineOf(DrawLine::IncomingQualifier, "", 5)},
             {3, lineOf(DrawLine::Seed, "15/1", 1)},
             {4, lineOf(DrawLine::Entrant, "15/2", 7)},
             {5, lineOf(DrawLine::Entrant, "NC", 2)},
             {6, lineOf(DrawLine::Entrant, "40", 3)}});
    drop(name(1, 1), name(1, 2));
    EXPECT_EQ(line(1), QStringLiteral("3 5 "));
    EXPECT_EQ(line(2), QStringLiteral("3 3 "));
    EXPECT_EQ(text(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 1)), QStringLiteral("q5"));
    EXPECT_EQ(text(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 2)), QStringLiteral("q3"));

    drop(name(1, 3), name(1, 4));  // the seed's number goes with its code
    EXPECT_EQ(line(3), QStringLiteral("1 7 15/2"));
    EXPECT_EQ(line(4), QStringLiteral("2 1 15/1"));
    EXPECT_EQ(text(name(1, 4)), QStringLiteral("15/1 "));

    drop(name(1, 5), name(1, 6));
    EXPECT_EQ(line(5), QStringLiteral("1 2 40"));
    EXPECT_EQ(line(6), QStringLiteral("1 3 NC"));

    drop(name(1, 1), name(1, 5));  // the qualifier's mark follows it
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 1)), nullptr);
    EXPECT_EQ(text(ItemKeys::key(ItemKeys::IncomingQualifier, 1, 5)), QStringLiteral("q5"));
    EXPECT_EQ(line(1), QStringLiteral("1 2 40"));
}

TEST_F(Placement, TheSeedDialogNumbersSeedsAndItsCloseBoxChangesNothing) {
    open(8, {{3, lineOf(DrawLine::Seed, "15/2", 4)},
             {4, lineOf(DrawLine::Entrant, "15/2")},
             {13, lineOf(DrawLine::OutgoingQualifier, "", 1)}});
    // "0" turns a seed back into an entrant and takes its mark away.
    EXPECT_EQ(click(name(1, 3), {typed("0")}), Outcome::Done);
    EXPECT_EQ(line(3), QStringLiteral("1 - 15/2"));
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::SeedNumber, 1, 3)), nullptr);
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::SeedCircle, 1, 3)), nullptr);

    // A wrong text gets the warning and the dialog stays for the next answer.
    click(name(1, 4), {typed(""), typed("7")});
    ASSERT_EQ(prompter_.texts(), QStringList{QStringLiteral("Erreur de saisie numérique !!")});
    EXPECT_EQ(line(4), QStringLiteral("2 7 15/2"));
    const PageItem* mark = page_.find(ItemKeys::key(ItemKeys::SeedNumber, 1, 4));
    ASSERT_NE(mark, nullptr);
    const PageItem* label = page_.find(name(1, 4));
    EXPECT_EQ(mark->text, QStringLiteral("7"));
    EXPECT_EQ(mark->left, label->left + view_->geometry().LineWidth);
    EXPECT_EQ(mark->top, label->top + 11);  // an even index: at the line's height
    click(name(1, 3), {typed("12")});
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::SeedNumber, 1, 3))->top,
              page_.find(name(1, 3))->top + 11 - 22);

    // The close box, or answers that run out, leave the outgoing qualifier as it is.
    click(name(3, 13), {typed("5", Button::Close)});
    click(name(3, 13), {});
    EXPECT_EQ(line(13), QStringLiteral("5 1 "));
    // "Supprimer" makes the line an entrant's.
    click(name(1, 4), {{std::nullopt, Button::Remove}});
    EXPECT_EQ(line(4), QStringLiteral("1 - 15/2"));
    // A name label released over nothing opens the dialog as a click does.
    drop(name(1, 4), QString(), {typed("2")});
    EXPECT_EQ(line(4), QStringLiteral("2 2 15/2"));
}

TEST_F(Placement, EmptyingTheDrawKeepsTheOutgoingQualifiersAndShowsEmptyBranches) {
    open(8, {{1, lineOf(DrawLine::Seed, "15/2", 1)},
             {2, lineOf(DrawLine::IncomingQualifier, "", 2)},
             {13, lineOf(DrawLine::OutgoingQualifier, "", 1)}});
    view_->settings().HideEmptyBranches = true;
    view_->editor().EmptyDraw();
    EXPECT_EQ(line(1), QStringLiteral("0 1 "));
    EXPECT_EQ(line(2), QStringLiteral("0 2 "));
    EXPECT_EQ(line(13), QStringLiteral("5 1 "));
    EXPECT_FALSE(view_->settings().HideEmptyBranches);
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 0/ 4  (15/2)"));
    EXPECT_EQ(page_.find(ItemKeys::key(ItemKeys::SeedNumber, 1, 1)), nullptr);
    // The folder keeps the figures of the draw shown, for the command line's export.
    const DrawExchange::Result kept = DrawExchange::FromFolder(dir_.path(), dir_.path(), QString());
    ASSERT_TRUE(kept.draw.has_value()) << kept.error.toStdString();
    EXPECT_EQ(kept.draw->kind, DrawFile::Kind::LineStart);
    EXPECT_FALSE(kept.draw->hideEmptyBranches);
    EXPECT_EQ(kept.draw->lines.size(), 15);
}
