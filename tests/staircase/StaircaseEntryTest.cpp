#include "EntryTestSupport.h"

#include "staircase/EntryEvaluation.h"

// --- the start ---

TEST_F(EntryScreen, StartShowsThePoolTheFiguresAndTheHeaderOfTourOne) {
    start({{"A", 4}, {"B", 6}}, 2);
    const PageItem& first = item(QStringLiteral("Effectif1"));
    EXPECT_EQ(first.text, QStringLiteral(" 0 de  4   (A)"));
    EXPECT_EQ(QPoint(first.left, first.top), QPoint(610, 25));
    EXPECT_EQ(first.tag, 101);
    EXPECT_TRUE(green(QStringLiteral("Effectif1")));
    EXPECT_TRUE(first.draggable);
    EXPECT_EQ(first.cursor, Qt::PointingHandCursor);
    const PageItem& second = item(QStringLiteral("Effectif2"));
    EXPECT_EQ(second.text, QStringLiteral(" 0 de  6   (B)"));
    EXPECT_EQ(QPoint(second.left, second.top), QPoint(610, 40));
    EXPECT_EQ(second.tag, 102);
    EXPECT_EQ(second.textColor, QColor(0, 0, 0));
    EXPECT_FALSE(page.contains(QStringLiteral("Effectif13")));

    const PageItem& header = item(QStringLiteral("Escalier01_00"));
    EXPECT_EQ(header.text, QStringLiteral("4"));
    EXPECT_EQ(header.box(), QRect(430, 50, 15, 0));
    EXPECT_EQ(header.alignment, Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(header.tag, 201);
    EXPECT_EQ(item(QStringLiteral("TraitEscalier01_00")).box(), QRect(430, 62, 15, 2));
    EXPECT_EQ(text(QStringLiteral("FlecheEscalier01_00")), QStringLiteral("---->"));
    EXPECT_EQ(item(QStringLiteral("FlecheEscalier01_00")).left, 450);

    EXPECT_EQ(item(QStringLiteral("TraitTotal")).box(), QRect(628, 70, 30, 2));
    EXPECT_EQ(text(QStringLiteral("Total")), QStringLiteral(" 10"));
    EXPECT_EQ(item(QStringLiteral("Total")).top, 75);
    EXPECT_EQ(text(QStringLiteral("AffInfoQualifieSortant")), QStringLiteral("Qualifiant   2"));
    EXPECT_EQ(item(QStringLiteral("AffInfoQualifieSortant")).top, 100);
    EXPECT_FALSE(page.contains(QStringLiteral("Couples")));
    EXPECT_EQ(text(QStringLiteral("Compressions")), QStringLiteral("-2  Compres."));
    EXPECT_EQ(item(QStringLiteral("Compressions")).top, 140);
    EXPECT_EQ(text(QStringLiteral("QualifieSortant")), QStringLiteral("2 Q"));
    EXPECT_EQ(text(QStringLiteral("Label1Solution")), QStringLiteral("Saisie d'un escalier"));
    EXPECT_EQ(text(QStringLiteral("Label1Tableau")), QString());
    EXPECT_EQ(entry.EntryTours, 1);
    EXPECT_EQ(entry.EntryRow, 0);
}

TEST_F(EntryScreen, StartWithIncomingQualifiersAddsTheirPoolLabelAndTheCouples) {
    start({{"A", 4}, {"B", 4}, {"C", 2}}, 6, 2);
    const PageItem& qualifiers = item(QStringLiteral("Effectif13"));
    EXPECT_EQ(qualifiers.text, QStringLiteral(" 0 de  2   (q)"));
    EXPECT_EQ(QPoint(qualifiers.left, qualifiers.top), QPoint(610, 70));
    EXPECT_EQ(qualifiers.tag, 104);
    EXPECT_EQ(text(QStringLiteral("Couples")), QStringLiteral(" 2  Couples"));
    EXPECT_EQ(item(QStringLiteral("Couples")).top, 135);
    EXPECT_EQ(text(QStringLiteral("Compressions")), QStringLiteral("-4  Compres."));
    EXPECT_EQ(text(QStringLiteral("Escalier01_00")), QStringLiteral("12"));
}

// --- the keys ---

TEST_F(EntryScreen, DownFourTimesFillsOneLineAndTurnsTheNextRankingGreen) {
    start({{"A", 4}, {"B", 6}}, 2);
    keys(Down, 4);
    const PageItem& line = item(QStringLiteral("LigneEscal01_01"));
    EXPECT_EQ(line.text, QStringLiteral(" 4 (A)"));
    EXPECT_EQ(QPoint(line.left, line.top), QPoint(430, 65));
    EXPECT_EQ(line.tag, 21);
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 4 de  4   (A)"));
    EXPECT_FALSE(green(QStringLiteral("Effectif1")));
    EXPECT_EQ(item(QStringLiteral("Effectif1")).cursor, Qt::ForbiddenCursor);
    EXPECT_TRUE(green(QStringLiteral("Effectif2")));
    EXPECT_EQ(entry.EntryRow, 1);
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("LigneEscal01_01"));
    keys(Down);
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_02")), QStringLiteral(" 1 (B)"));
}

TEST_F(EntryScreen, InsertWritesTheFooterWithCompressionsAndTheNextHeader) {
    start({{"A", 3}, {"B", 6}}, 2);
    keys(Down, 3);
    keys(Insert);
    const PageItem& footer = item(QStringLiteral("FinEscalier01_00"));
    EXPECT_EQ(footer.text, QStringLiteral(" 1     -1 compression(s)"));
    EXPECT_EQ(QPoint(footer.left, footer.top), QPoint(430, 80));
    EXPECT_EQ(footer.tag, 201);
    EXPECT_FALSE(footer.draggable);
    const PageItem& header = item(QStringLiteral("Escalier02_00"));
    EXPECT_EQ(header.text, QStringLiteral(" 2"));
    EXPECT_EQ(QPoint(header.left, header.top), QPoint(375, 80));
    EXPECT_EQ(header.tag, 202);
    EXPECT_EQ(item(QStringLiteral("FlecheEscalier02_00")).left, 395);
    EXPECT_EQ(entry.EntryTours, 2);
    EXPECT_EQ(entry.EntryRow, 2);
}

TEST_F(EntryScreen, UpOnTheOnlyLineOfATourDeletesTheTour) {
    start({{"A", 3}, {"B", 6}}, 2);
    keys(Down, 3);
    keys(Insert);
    keys(Down);
    EXPECT_EQ(text(QStringLiteral("LigneEscal02_03")), QStringLiteral(" 1 (B)"));
    EXPECT_EQ(item(QStringLiteral("LigneEscal02_03")).left, 375);
    keys(Up);
    for (const char* gone : {"LigneEscal02_03", "Escalier02_00", "TraitEscalier02_00",
                             "FlecheEscalier02_00", "FinEscalier01_00"}) {
        EXPECT_FALSE(page.contains(QString::fromLatin1(gone))) << gone;
    }
    EXPECT_EQ(text(QStringLiteral("Effectif2")), QStringLiteral(" 0 de  6   (B)"));
    EXPECT_EQ(entry.EntryTours, 1);
    EXPECT_EQ(entry.EntryRow, 1);
    // Tour 1 is never deleted: its last line goes, its header stays.
    keys(Up, 3);
    EXPECT_FALSE(page.contains(QStringLiteral("LigneEscal01_01")));
    EXPECT_TRUE(page.contains(QStringLiteral("Escalier01_00")));
    EXPECT_EQ(entry.EntryRow, 0);
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 0 de  3   (A)"));
}

TEST_F(EntryScreen, DeleteGivesTheTourBackToThePool) {
    start({{"A", 3}, {"B", 6}}, 2, 0);
    keys(Down, 3);
    keys(Insert);
    keys(Down, 2);
    keys(Delete);
    EXPECT_EQ(text(QStringLiteral("Effectif2")), QStringLiteral(" 0 de  6   (B)"));
    EXPECT_TRUE(green(QStringLiteral("Effectif2")));
    EXPECT_FALSE(page.contains(QStringLiteral("Escalier02_00")));
    EXPECT_EQ(entry.EntryTours, 1);
    EXPECT_EQ(entry.EntryRow, 1);
    keys(Delete);  // tour 1 stays
    EXPECT_EQ(entry.EntryTours, 1);
    EXPECT_TRUE(prompter.entries().isEmpty());
}

TEST_F(EntryScreen, QPlacesAnIncomingQualifier) {
    start({{"A", 4}, {"B", 4}, {"C", 2}}, 6, 2);
    keys(Q);
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 1 (q)"));
    EXPECT_EQ(text(QStringLiteral("Effectif13")), QStringLiteral(" 1 de  2   (q)"));
}

TEST_F(EntryScreen, PlusAndMinusMoveOnePlayerBetweenTheDraggedAndTheSelectedLabel) {
    start({{"A", 4}, {"B", 6}}, 2);
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    entry.KeyPress(QLatin1Char('+'));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 2 (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 2 de  4   (A)"));
    entry.KeyPress(QLatin1Char('-'));
    entry.KeyPress(QLatin1Char('-'));
    EXPECT_FALSE(page.contains(QStringLiteral("LigneEscal01_01")));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 0 de  4   (A)"));
    EXPECT_EQ(entry.SelectedLabel, QString());
    EXPECT_EQ(entry.EntryRow, 0);

    // A line dragged back selects the pool label: "+" and "-" work from there.
    keys(Down, 2);
    entry.Drag(QStringLiteral("LigneEscal01_01"), QStringLiteral("Effectif1"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 1 (A)"));
    entry.KeyPress(QLatin1Char('+'));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 2 (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 2 de  4   (A)"));
    entry.KeyPress(QLatin1Char('-'));
    entry.KeyPress(QLatin1Char('-'));
    EXPECT_FALSE(page.contains(QStringLiteral("LigneEscal01_01")));
    EXPECT_EQ(entry.DragSource, QString());
    entry.KeyPress(QLatin1Char('-'));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 0 de  4   (A)"));
}

// --- the mouse ---

TEST_F(EntryScreen, DragsFromThePoolOntoAHeaderOrALineAddAPlayer) {
    start({{"A", 4}, {"B", 6}}, 2);
    EXPECT_TRUE(entry.Accepts(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00")));
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 1 (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 1 de  4   (A)"));
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("LigneEscal01_01"));
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("LigneEscal01_01"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 2 (A)"));
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 3 (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 3 de  4   (A)"));
    EXPECT_EQ(entry.DragSource, QStringLiteral("Effectif1"));
    EXPECT_EQ(entry.DraggedRanking, QStringLiteral("(A)"));
    // The lowest line goes back to its pool label.
    entry.Drag(QStringLiteral("LigneEscal01_01"), QStringLiteral("Effectif1"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 2 (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 2 de  4   (A)"));
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("Effectif1"));
    // A line is accepted only by the pool label of its ranking.
    EXPECT_FALSE(entry.Accepts(QStringLiteral("LigneEscal01_01"), QStringLiteral("Effectif2")));
}

TEST_F(EntryScreen, DraggingBackALineThatIsNotTheLowestIsRefused) {
    start({{"A", 4}, {"B", 6}}, 2);
    keys(Down, 5);
    const QList<PageItem> before = everything();
    entry.Drag(QStringLiteral("LigneEscal01_01"), QStringLiteral("Effectif1"));
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Vous devez enlever les classements du dessous avant.")});
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("LigneEscal01_02"));
    EXPECT_EQ(entry.DragSource, QString());
}

TEST_F(EntryScreen, ADragWithoutTargetIsAClick) {
    start({{"A", 4}, {"B", 6}}, 2);
    keys(Down, 2);
    // Refused by a pool label of another ranking: the click on the pool gives one back.
    EXPECT_FALSE(entry.Accepts(QStringLiteral("Effectif1"), QStringLiteral("Effectif2")));
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Effectif2"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 1 (A)"));
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("Effectif1"));
    // Released over nothing, a line takes the next player.
    entry.Drag(QStringLiteral("LigneEscal01_01"), QString());
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 2 (A)"));
    // A header does nothing, and a footer is not active at all.
    const QList<PageItem> before = everything();
    entry.Drag(QStringLiteral("Escalier01_00"), QString());
    entry.Drag(QStringLiteral("QualifieSortant"), QString());
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("Escalier01_00"));
}

// --- the evaluation ---

TEST_F(EntryScreen, EvaluationPairsTheLastRankedPlayersWithIncomingQualifiers) {
    start({{"A", 4}, {"B", 4}, {"C", 2}}, 6, 2);
    keys(Down, 9);
    EXPECT_FALSE(entry.LastEvaluation().has_value());
    keys(Down);  // the last ranked player: the evaluation sees it
    ASSERT_TRUE(entry.LastEvaluation().has_value());
    const StaircaseStep& step = state.Steps[1];
    EXPECT_EQ(step.Positions, 12);
    EXPECT_EQ(step.Arriving, 0);
    const StepEntry expected[] = {{QStringLiteral("A"), 4},
                                  {QStringLiteral("B"), 4},
                                  {QStringLiteral("C"), 2},
                                  {QStringLiteral("q"), 2}};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(step.Entries[k], expected[k - 1]) << k;
    }
    EXPECT_EQ(step.Entries[5], StepEntry{});
    EXPECT_EQ(state.Solutions[1].Matches[0], 6);
    EXPECT_EQ(state.Solutions[1].Matches[1], 6);
    EXPECT_EQ(state.Solutions[1].Matches[2], 0);
    EXPECT_EQ(state.Dimension, 16);
    EXPECT_EQ(view.TourCount, 1);
    EXPECT_EQ(text(QStringLiteral("Label1Tableau")),
              QStringLiteral("Tableau à 16 entrées et joueurs sur 1 tour(s)"));
    // Three rankings in one tour are three rankings admitted over one tour.
    const PageItem& one = item(EntryEvaluation::VerdictOneName());
    EXPECT_EQ(one.text, QStringLiteral("3 classements sont admis sur 1 tour"));
    EXPECT_EQ(QPoint(one.left, one.top), QPoint(8, 51));
    EXPECT_EQ(one.textColor, QColor(0, 128, 0));
    EXPECT_EQ(one.font.family, QStringLiteral("Comic Sans MS"));
    const PageItem& two = item(EntryEvaluation::VerdictTwoName());
    EXPECT_EQ(two.text, QStringLiteral("0 classement est admis sur 2 tour"));
    EXPECT_EQ(two.top, 71);
    EXPECT_EQ(two.textColor, QColor(0, 0, 255));
    EXPECT_TRUE(green(QStringLiteral("Effectif13")));
}

TEST_F(EntryScreen, ARankingRepeatingAtTheTopOfTheNextTourCountsOnceOverTwoTours) {
    start({{"A", 2}, {"B", 3}}, 2);
    keys(Down, 3);
    keys(Insert);
    keys(Down, 2);
    ASSERT_TRUE(entry.LastEvaluation().has_value());
    EXPECT_EQ(entry.LastEvaluation()->oneTour, 1);
    EXPECT_EQ(entry.LastEvaluation()->twoTour, 1);
    EXPECT_EQ(state.Steps[1].Positions, 4);
    EXPECT_EQ(state.Steps[1].Arriving, 1);
    EXPECT_EQ(state.Steps[1].Entries[2], (StepEntry{QStringLiteral("B"), 1}));
    EXPECT_EQ(state.Steps[2].Positions, 2);
    EXPECT_EQ(state.Steps[2].Entries[1], (StepEntry{QStringLiteral("B"), 2}));
    EXPECT_EQ(state.Solutions[1].Matches[2], 1);
    EXPECT_EQ(state.Dimension, 8);
    EXPECT_EQ(text(EntryEvaluation::VerdictOneName()),
              QStringLiteral("1 classement est admis sur 1 tour"));
    EXPECT_EQ(text(EntryEvaluation::VerdictTwoName()),
              QStringLiteral("1 classement est admis sur 2 tour"));
    EXPECT_EQ(item(EntryEvaluation::VerdictTwoName()).top, 71);
}

TEST_F(EntryScreen, EveryChangeOnceAllArePlacedIsEvaluatedWhenTheMoveIsOver) {
    start({{"A", 3}, {"B", 1}}, 2);
    keys(Down, 3);
    keys(Insert);
    EXPECT_FALSE(entry.LastEvaluation().has_value());
    keys(Down);
    ASSERT_TRUE(entry.LastEvaluation().has_value());
    EXPECT_EQ(entry.LastEvaluation()->tours, 2);
    EXPECT_EQ(view.TourCount, 2);
    EXPECT_EQ(state.Dimension, 8);
    EXPECT_EQ(state.Steps[2].Entries[1], (StepEntry{QStringLiteral("B"), 1}));
    // Up deletes the tour and gives its player back: nothing is evaluated halfway.
    keys(Up);
    EXPECT_EQ(entry.LastEvaluation()->tours, 2);
    EXPECT_EQ(view.TourCount, 2);
    keys(Down);
    EXPECT_EQ(view.TourCount, 1);
    EXPECT_EQ(state.Steps[1].Entries[2], (StepEntry{QStringLiteral("B"), 1}));
    EXPECT_EQ(state.Dimension, 4);
    // Once all are placed, a tour added is evaluated too.
    keys(Insert);
    EXPECT_EQ(text(QStringLiteral("FinEscalier01_00")), QStringLiteral(" 0     -2 compression(s)"));
    EXPECT_EQ(view.TourCount, 2);
    EXPECT_EQ(state.Steps[1].Arriving, 0);
    EXPECT_EQ(state.Steps[2].Positions, 0);
}
