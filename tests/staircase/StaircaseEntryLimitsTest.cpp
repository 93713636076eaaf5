#include "EntryTestSupport.h"

#include "SkeletonTestSupport.h"
#include "staircase/EntryLabelText.h"

namespace {

const QString Refused = QStringLiteral("Vous devez enlever les classements du dessous avant.");

}  // namespace

TEST_F(EntryScreen, APlayerGivenBackGoesToTheNextMatchingPoolLabelOrNowhere) {
    // The same ranking typed twice in the grid gives two pool labels of one ranking.
    start({{"A", 2}, {"A", 3}}, 4);
    keys(Down, 3);
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 3 (A)"));
    // The pool and the staircase disagree: the first label has none placed.
    page.change(QStringLiteral("Effectif1"),
                [](PageItem& label) { label.text = QStringLiteral(" 0 de  2   (A)"); });
    keys(Up);
    EXPECT_EQ(text(QStringLiteral("Effectif2")), QStringLiteral(" 0 de  3   (A)"));
    keys(Up);
    EXPECT_EQ(text(QStringLiteral("Effectif1")), QStringLiteral(" 0 de  2   (A)"));
    EXPECT_EQ(text(QStringLiteral("Effectif2")), QStringLiteral(" 0 de  3   (A)"));
    EXPECT_EQ(text(QStringLiteral("LigneEscal01_01")), QStringLiteral(" 1 (A)"));
}

TEST_F(EntryScreen, ALineAboveTheLowestCannotReachZero) {
    start({{"A", 1}, {"B", 2}}, 2);
    keys(Down, 2);
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("LigneEscal01_01"));
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("LigneEscal01_01"));
    const QList<PageItem> before = everything();
    entry.KeyPress(QLatin1Char('-'));
    EXPECT_EQ(prompter.texts(), QStringList{Refused});
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.EntryRow, 2);
}

TEST_F(EntryScreen, AStepKeepsEightEntriesAndSaysSoOnce) {
    SetSingles(state, 9, 5);
    entry.Saisirunescalier1Click();
    keys(Down, 9);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(state.Steps[1].Entries[k], (StepEntry{QStringLiteral("R%1").arg(k), 1})) << k;
    }
    EXPECT_EQ(prompter.texts(), QStringList{StaircaseState::EntryOverflowMessage()});
    EXPECT_EQ(StaircaseState::EntryOverflowMessage(),
              QStringLiteral("Vous dépassez le nombre maximum de classement différents dans une "
                             "marche de l'escalier. (8)"));
}

TEST_F(EntryScreen, NumbersStayWithinWhatTwoCharactersHold) {
    SetRankings(state, {{"A", 99}}, 49, 99);
    EXPECT_EQ(StaircaseEntry::Refusal(state), std::nullopt);
    for (const auto& [count, out, in] : {std::tuple{100, 2, 0}, {4, 50, 0}, {4, 2, 100}}) {
        SetRankings(state, {{"A", count}}, out, in);
        EXPECT_EQ(StaircaseEntry::Refusal(state),
                  QStringLiteral("Opération refusée : l'escalier ne peut afficher que des "
                                 "nombres de -9 à 99."));
    }
    // Tour 1 of 60 positions with no one in it would send 120 positions on.
    start({{"A", 4}}, 30);
    const QList<PageItem> before = everything();
    keys(Insert);
    EXPECT_EQ(prompter.texts(), QStringList{EntryLabelText::RangeMessage()});
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.EntryTours, 1);
}

TEST_F(EntryScreen, TheStaircaseHasAtMostTwentyFourRows) {
    start({{"A", 40}, {"B", 1}}, 2);
    keys(Insert);
    // Dropped on tour 1's header, which has no line of A, each player starts a new line
    // in the current tour.
    for (int row = 2; row <= 24; ++row) {
        entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    }
    EXPECT_EQ(entry.EntryRow, 24);
    EXPECT_EQ(text(QStringLiteral("LigneEscal02_24")), QStringLiteral(" 1 (A)"));
    EXPECT_TRUE(prompter.entries().isEmpty());
    const QList<PageItem> before = everything();
    const QString selected = entry.SelectedLabel;
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    keys(Insert);
    EXPECT_EQ(prompter.texts(),
              QStringList({StaircaseEntry::RowsMessage(), StaircaseEntry::RowsMessage()}));
    EXPECT_EQ(StaircaseEntry::RowsMessage(),
              QStringLiteral("Opération refusée : l'escalier ne peut pas dépasser 24 lignes."));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.SelectedLabel, selected);
}

TEST_F(EntryScreen, TheStaircaseHasAtMostNineTours) {
    start({{"A", 20}}, 2);
    keys(Down, 3);
    keys(Insert);
    for (int tour = 2; tour <= 8; ++tour) {
        keys(Down);
        keys(Insert);
    }
    EXPECT_EQ(entry.EntryTours, 9);
    EXPECT_EQ(item(QStringLiteral("Escalier09_00")).left, 430 - 55 * 8);
    keys(Down);
    const QList<PageItem> before = everything();
    keys(Insert);
    EXPECT_EQ(prompter.texts(),
              QStringList{
                  QStringLiteral("Opération refusée : l'escalier ne peut pas dépasser 9 tours.")});
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entry.EntryTours, 9);
}

TEST_F(EntryScreen, DestroyedLabelsAreNeitherSelectedNorDraggedAndARestartForgetsBoth) {
    start({{"A", 4}, {"B", 6}}, 2);
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Escalier01_00"));
    keys(Up);
    EXPECT_EQ(entry.SelectedLabel, QString());
    keys(Down);
    entry.Drag(QStringLiteral("LigneEscal01_01"), QStringLiteral("Escalier01_00"));
    EXPECT_EQ(entry.DragSource, QStringLiteral("LigneEscal01_01"));
    keys(Up);
    EXPECT_EQ(entry.DragSource, QString());
    EXPECT_EQ(entry.DragSourceTag, 0);
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("Escalier01_00"));
    entry.Saisirunescalier1Click();
    EXPECT_EQ(entry.SelectedLabel, QString());
    EXPECT_EQ(entry.DraggedRanking, QString());
    EXPECT_EQ(entry.DragSourceTag, 0);
}

TEST_F(EntryScreen, OnlyPoolLabelsBringPlayersAndOnlyLinesGoBack) {
    start({{"A", 2}, {"A", 3}}, 4);
    keys(Insert);
    const QList<PageItem> before = everything();
    // A header carries no ranking: another header takes it, and nothing is added.
    EXPECT_TRUE(entry.Accepts(QStringLiteral("Escalier02_00"), QStringLiteral("Escalier01_00")));
    entry.Drag(QStringLiteral("Escalier02_00"), QStringLiteral("Escalier01_00"));
    EXPECT_FALSE(entry.Accepts(QStringLiteral("Escalier02_00"), QStringLiteral("Effectif1")));
    // A pool label of the same ranking takes the drop of a pool label, which brings nothing.
    EXPECT_TRUE(entry.Accepts(QStringLiteral("Effectif1"), QStringLiteral("Effectif2")));
    entry.Drag(QStringLiteral("Effectif1"), QStringLiteral("Effectif2"));
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(prompter.entries().isEmpty());
    EXPECT_EQ(entry.SelectedLabel, QStringLiteral("Effectif2"));
}

TEST_F(EntryScreen, TheEvaluatedEntryBuildsItsSkeleton) {
    start({{"A", 2}, {"B", 3}}, 2);
    keys(Down, 3);
    keys(Insert);
    keys(Down, 2);
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    StaggeredSkeleton skeleton(state, view.TourCount, {data.path(), data.path()}, prompter);
    ASSERT_TRUE(skeleton.TraiteSqueletteTableau());
    EXPECT_EQ(state.SkeletonErrorCount, 0) << state.SkeletonErrorText.toStdString();
    const std::map<int, BuiltLine> lines = readLines(data.path(), QStringLiteral("Tmpaaaa.db"));
    EXPECT_EQ(static_cast<int>(lines.size()), 2 * 8 - 1);
    int named = 0;
    for (const auto& [number, line] : lines) {
        named += line.nom == QStringLiteral("A") || line.nom == QStringLiteral("B") ? 1 : 0;
    }
    EXPECT_EQ(named, 5);
}
