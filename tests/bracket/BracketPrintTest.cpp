#include "BracketTestSupport.h"

#include "bracket/TTableauPrevisualise.h"
#include "core/BusyCursor.h"
#include "core/ScriptedPrompter.h"
#include "widgets/DrawPrintRequest.h"
#include "widgets/WindowFactory.h"

#include <QAction>

#include <optional>

namespace {

// Records the print requests of the views it is given to.
class PrintRecorder : public WindowFactory {
public:
    void showStaircaseView(QWidget*) override {}
    void showManualEntry(QWidget*) override {}
    bool showLineStartBracket(const LineStartFigures&, bool, QWidget*) override { return false; }
    bool showStaggeredBracket(int, bool, QWidget*) override { return false; }
    void printDraw(const DrawPrintRequest& request, QWidget*) override { draw = request; }
    void printStaircase(int, QWidget*) override {}

    std::optional<DrawPrintRequest> draw;
};

class BracketPrint : public BracketFixture {};

TEST_F(BracketPrint, PrintCommandsHandTheViewsDrawToTheFactory) {
    HostInterface host;
    host.InstallDirectory = QStringLiteral(ORVANEL_SOURCE_DATA);
    host.DataLocation = dir_.path();
    StaircaseState state;
    ScriptedPrompter prompter;
    writeTable(QStringLiteral("Tmpaaaa2.db"), 8, {{3, lineOf(DrawLine::Seed, "15", 1)}});
    TTableauPrevisualise view(host, state, prompter, BusyCursor::none());
    view.OpenLineStart({.GridPlayers = 6,
                        .LineQualifiersOut = 1,
                        .LineSeeds = 1,
                        .LineDimension = 8,
                        .Byes = 2,
                        .NonByes = 4},
                       true);
    auto* button = view.findChild<QAction*>(QStringLiteral("SpeedButtonPrint"));
    auto* item = view.findChild<QAction*>(QStringLiteral("Imprimerletableau1"));
    ASSERT_TRUE(button && item);
    EXPECT_FALSE(button->isEnabled());  // no factory, no printing

    PrintRecorder windows;
    view.setWindowFactory(&windows);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    ASSERT_TRUE(windows.draw.has_value());
    EXPECT_TRUE(windows.draw->lineStart);
    EXPECT_EQ(windows.draw->tableName, QStringLiteral("Tmpaaaa2.db"));
    EXPECT_EQ(windows.draw->byes, 2);
    EXPECT_EQ(windows.draw->roundOnePlayers, 4);
    EXPECT_EQ(windows.draw->seeds, 1);
}

}  // namespace
