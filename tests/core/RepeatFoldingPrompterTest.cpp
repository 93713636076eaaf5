#include "core/RepeatFoldingPrompter.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"

#include <gtest/gtest.h>

namespace {

using Kind = Prompter::Kind;

}  // namespace

TEST(RepeatFoldingPrompter, ShowsEachMessageOnceThenTellsTheRepeats) {
    ScriptedPrompter screen;
    RepeatFoldingPrompter folding(screen);
    folding.startFolding();
    for (int i = 0; i < 1000; ++i) {
        folding.message(StaircaseState::EntryOverflowMessage());
        if (i % 100 == 0) {
            folding.message(StaircaseState::TourOverflowMessage());
        }
    }
    // The same text in another kind of box is another message.
    folding.warning(StaircaseState::EntryOverflowMessage());
    EXPECT_EQ(screen.texts(), (QStringList{StaircaseState::EntryOverflowMessage(),
                                           StaircaseState::TourOverflowMessage(),
                                           StaircaseState::EntryOverflowMessage()}));
    EXPECT_EQ(folding.repeats(), 999 + 9);

    folding.endFolding();
    ASSERT_EQ(screen.entries().size(), 4);
    EXPECT_EQ(screen.entries().last().kind, Kind::Information);
    EXPECT_EQ(screen.texts().last(),
              QStringLiteral("Les messages de la recherche se sont répétés 1008 fois ; chacun "
                             "n'a été affiché qu'une fois."));

    // Once the folding has ended, every message is shown again.
    folding.message(StaircaseState::EntryOverflowMessage());
    folding.message(StaircaseState::EntryOverflowMessage());
    EXPECT_EQ(screen.entries().size(), 6);
}

TEST(RepeatFoldingPrompter, SaysNothingMoreWithoutRepeatsAndStartsAfreshEachTime) {
    ScriptedPrompter screen;
    RepeatFoldingPrompter folding(screen);
    folding.startFolding();
    folding.message(QStringLiteral("a"));
    folding.message(QStringLiteral("b"));
    folding.endFolding();
    EXPECT_EQ(screen.texts(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    // A second search shows its first message again, and counts only its own repeats.
    folding.startFolding();
    folding.message(QStringLiteral("a"));
    folding.message(QStringLiteral("a"));
    folding.endFolding();
    EXPECT_EQ(screen.texts().mid(2),
              (QStringList{QStringLiteral("a"), RepeatFoldingPrompter::RepeatsMessage(1)}));
}

TEST(RepeatFoldingPrompter, QuestionsAndFileDialogsAlwaysGoThrough) {
    ScriptedPrompter screen;
    screen.queueAnswer(false);
    screen.queueAnswer(true);
    screen.queueFileName(QStringLiteral("a.txt"));
    RepeatFoldingPrompter folding(screen);
    folding.startFolding();
    EXPECT_FALSE(folding.ask(Kind::Question, QStringLiteral("?")));
    EXPECT_TRUE(folding.ask(Kind::Question, QStringLiteral("?")));
    EXPECT_EQ(folding.openFile({}), QStringLiteral("a.txt"));
    EXPECT_EQ(folding.saveFile({}), std::nullopt);
    EXPECT_EQ(screen.entries().size(), 2);
    EXPECT_EQ(folding.repeats(), 0);
}
