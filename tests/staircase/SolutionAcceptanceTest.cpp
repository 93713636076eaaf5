#include "SkeletonTestSupport.h"

#include "common/FailingDisk.h"
#include "common/StaircaseInputs.h"

#include "core/BusyCursor.h"
#include "drawtable/HostTransfer.h"
#include "staircase/SolutionAcceptance.h"

#include <QDir>
#include <QFile>

namespace {

const QString Host = QStringLiteral("Hote.db");

// Counts the wait cursors shown and given back.
struct CountingCursor : BusyCursor {
    void show() override { ++shown; }
    void restore() override { ++restored; }
    int shown = 0;
    int restored = 0;
};

}  // namespace

class SolutionAcceptanceTest : public SkeletonFixture {
protected:
    // The staircase of four tours of four matches: A, B, C and D enter one tour each.
    void SetUp() override {
        const std::pair<const char*, int> rankings[] = {{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}};
        int row = 1;
        for (const auto& [name, count] : rankings) {
            state_.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        state_.QualifiersOut = 4;
        state_.Seeds = 4;
        state_.Dimension = 64;
        state_.TotalPlayers = 20;
        state_.BuildStaircase(Solution({4, 4, 4, 4, 4}), prompter_);
    }

    bool accept() { return SolutionAcceptance::Accept(state_, 4, places(), prompter_, cursor_); }
    bool exists(const QString& name) const { return QFile::exists(dir_.filePath(name)); }

    CountingCursor cursor_;
};

TEST_F(SolutionAcceptanceTest, BuildsTheSkeletonAndCopiesItToTheHost) {
    ASSERT_TRUE(accept());
    EXPECT_TRUE(state_.Accepted);
    ASSERT_EQ(prompter_.entries().size(), 1);
    EXPECT_TRUE(prompter_.entries()[0].question);
    EXPECT_EQ(prompter_.entries()[0].kind, Prompter::Kind::Information);
    EXPECT_EQ(prompter_.texts()[0], QStringLiteral("Mettre en place cette solution ?"));
    const auto working = built();
    expectFinished(working, 64);
    // Seed 1 of the worked example, then every line as built.
    EXPECT_EQ(working.at(8 + 64 + 32 + 16).nom, QStringLiteral("A"));
    const auto host = readLines(dir_.path(), Host);
    ASSERT_EQ(host.size(), working.size());
    for (const auto& [number, line] : working) {
        EXPECT_EQ(host.at(number).position, line.position) << number;
        EXPECT_EQ(host.at(number).nom, line.nom) << number;
    }
    EXPECT_EQ(cursor_.shown, 1);
    EXPECT_EQ(cursor_.restored, 1);
}

TEST_F(SolutionAcceptanceTest, NothingIsBuiltWithoutTheUsersAgreementOrAboveTheLimit) {
    prompter_.queueAnswer(false);
    EXPECT_FALSE(accept());
    EXPECT_FALSE(state_.Accepted);
    EXPECT_FALSE(exists(QStringLiteral("Tmpaaaa.db")));
    EXPECT_FALSE(exists(Host));

    // Above 1024 entries the user is told and not asked.
    prompter_.clear();
    state_.Dimension = 2048;
    EXPECT_FALSE(accept());
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral(
                  "Nombre d'entrée du tableau supérieure aux capacités acceptées 1024")});
    EXPECT_FALSE(prompter_.entries()[0].question);
    EXPECT_FALSE(exists(Host));
    EXPECT_EQ(cursor_.shown, 0);

    // 1024 itself is taken.
    prompter_.clear();
    state_.Dimension = 1024;
    EXPECT_TRUE(accept());
    EXPECT_EQ(readLines(dir_.path(), Host).size(), 2047u);
}

// A staircase whose entrants do not all fit: the problems are told, and the draw as
// built is still copied and accepted.
TEST_F(SolutionAcceptanceTest, ProblemsOfTheStaircaseDoNotStopTheCopy) {
    state_.ResetSteps();
    state_.QualifiersOut = 2;
    state_.Dimension = 8;
    state_.Seeds = 0;
    setTour(1, 6, 1, {{"A", 5}});
    setTour(2, 2, 0, {{"B", 2}});
    EXPECT_TRUE(SolutionAcceptance::Accept(state_, 2, places(), prompter_, cursor_));
    EXPECT_TRUE(state_.Accepted);
    EXPECT_EQ(state_.SkeletonErrorCount, 2);
    EXPECT_EQ(prompter_.texts().mid(1),
              QStringList(2, QStringLiteral("Solution incorrecte et incomplète...")));
    const auto host = readLines(dir_.path(), Host);
    ASSERT_EQ(host.size(), 15u);
    EXPECT_EQ(host.at(9).nom, QStringLiteral("A"));
}

// A host table that cannot be written is told; the solution is not accepted, so the
// wizard does not close as if the draw were in place.
TEST_F(SolutionAcceptanceTest, AFailedCopyIsNotAnAcceptedSolution) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(Host));
    EXPECT_FALSE(accept());
    EXPECT_FALSE(state_.Accepted);
    ASSERT_EQ(prompter_.entries().size(), 2);
    EXPECT_EQ(prompter_.entries()[1].kind, Prompter::Kind::Warning);
    EXPECT_EQ(cursor_.restored, cursor_.shown);

    // The host's table is the working table itself: nothing is copied either.
    prompter_.clear();
    TableLocations same = places();
    same.HostTableName = QStringLiteral("Tmpaaaa.db");
    EXPECT_FALSE(SolutionAcceptance::Accept(state_, 4, same, prompter_, cursor_));
    EXPECT_FALSE(state_.Accepted);
    EXPECT_EQ(prompter_.texts().last(),
              HostTransfer::SameTableMessage(dir_.filePath(QStringLiteral("Tmpaaaa.db"))));
}

// A working table that cannot be built is not copied over the host's draw.
TEST_F(SolutionAcceptanceTest, AWorkingTableThatCannotBeBuiltLeavesTheHostAlone) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Tmpaaaa.db")));
    EXPECT_FALSE(accept());
    EXPECT_FALSE(state_.Accepted);
    EXPECT_EQ(prompter_.entries().size(), 2);
    EXPECT_FALSE(exists(Host));
}

// The disk fills up while the skeleton is written: the working table keeps the skeleton
// built before, and the host's draw is not touched.
TEST_F(SolutionAcceptanceTest, AFullDiskDuringTheBuildKeepsBothTablesAsTheyWere) {
    FailingDisk disk;
    ASSERT_TRUE(accept());
    const auto working = built();
    const auto host = readLines(dir_.path(), Host);
    prompter_.clear();
    state_.Accepted = false;
    disk.fillAfter(0, FailingDisk::Files::All, "Tmpaaaa.db");
    EXPECT_FALSE(accept());
    EXPECT_FALSE(state_.Accepted);
    EXPECT_EQ(prompter_.texts().last(),
              QStringLiteral("Impossible d'écrire dans la table \"%1\" : le disque est peut-être "
                             "plein. [database or disk is full]\n"
                             "La table garde son contenu précédent.")
                  .arg(QDir::toNativeSeparators(dir_.filePath(QStringLiteral("Tmpaaaa.db")))));
    disk.makeRoom();
    const auto after = built();
    ASSERT_EQ(after.size(), working.size());
    for (const auto& [number, line] : working) {
        EXPECT_EQ(after.at(number).nom, line.nom) << number;
    }
    EXPECT_EQ(readLines(dir_.path(), Host).size(), host.size());
}
