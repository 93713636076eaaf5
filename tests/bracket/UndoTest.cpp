#include "EditingTestSupport.h"

#include "bracket/EditSnapshot.h"

#include <random>

namespace {

class Undoing : public EditingFixture {
protected:
    EditSnapshot snapshot() const {
        return EditSnapshot::Capture(
            page_, view_->table(),
            {view_->settings(), view_->geometry(), state_.Dimension, view_->AddedRounds()});
    }

    static void expectSame(const EditSnapshot& shown, const EditSnapshot& wanted, int step) {
        EXPECT_TRUE(shown.lines == wanted.lines) << "table at step " << step;
        EXPECT_TRUE(shown.items == wanted.items) << "page at step " << step;
        EXPECT_TRUE(shown.figures == wanted.figures) << "figures at step " << step;
    }

    // One random edit of the kinds the mouse makes, on items of the page.
    void randomEdit(std::mt19937& random) {
        const QStringList labels = page_.names(ItemKeys::Name);
        const QStringList segments = page_.names(ItemKeys::Segment);
        const auto pick = [&random](const QStringList& names) {
            return names.at(static_cast<qsizetype>(
                std::uniform_int_distribution<qsizetype>(0, names.size() - 1)(random)));
        };
        const QStringList rosters{roster(1), roster(2), roster(13)};
        switch (std::uniform_int_distribution<int>(0, 19)(random)) {
            case 0:
                view_->editor().EmptyDraw();
                break;
            case 1:
            case 2:
                drop(pick(segments), pick(segments));
                break;
            case 3:
            case 4:
            case 5:
                drop(pick(labels), QString(),
                     {{QString::number(std::uniform_int_distribution<int>(0, 16)(random)),
                       ScriptedSeedDialog::Step::Button::Ok}});
                break;
            case 6:
            case 7:
            case 8:
            case 9:
                drop(pick(labels), pick(labels));
                break;
            case 10:
            case 11:
            case 12:
                drop(pick(labels), pick(rosters));
                break;
            default:
                drop(pick(rosters), pick(labels));
                break;
        }
    }
};

}  // namespace

TEST_F(Undoing, TwoHundredEditsGoBackAndForthStepByStepExactly) {
    // Rosters large enough that placements never run out.
    state_.Rankings[1].Count = 300;
    state_.Rankings[2].Count = 300;
    open(256, {}, 1, 300);
    std::mt19937 random(11);
    QUndoStack& stack = view_->editor().undoStack();
    std::vector<EditSnapshot> states{snapshot()};
    while (stack.count() < 200) {
        const int before = stack.count();
        randomEdit(random);
        if (stack.count() > before) {
            states.push_back(snapshot());
        }
    }
    for (int step = 199; step >= 0; --step) {
        stack.undo();
        expectSame(snapshot(), states[static_cast<std::size_t>(step)], step);
    }
    for (int step = 1; step <= 200; ++step) {
        stack.redo();
        expectSame(snapshot(), states[static_cast<std::size_t>(step)], step);
    }
}

TEST_F(Undoing, AnEditUndoneAfterAZoomIsLaidOutFromTheTable) {
    open(8);
    drop(roster(1), name(1, 2));
    view_->ZoomIn();
    view_->editor().undoStack().undo();
    EXPECT_EQ(line(2), QStringLiteral("0 - "));
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 0/ 4  (15/2)"));
    EXPECT_EQ(page_.find(name(1, 2))->font.pointSize, 7);  // laid out at the geometry again
    view_->editor().undoStack().redo();
    EXPECT_EQ(line(2), QStringLiteral("1 - 15/2"));
    EXPECT_EQ(text(roster(1)), QStringLiteral(" 1/ 4  (15/2)"));
}
