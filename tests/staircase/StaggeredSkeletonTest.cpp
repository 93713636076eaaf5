#include "SkeletonTestSupport.h"

#include "drawtable/LineAddressing.h"

namespace {

struct Expected {
    int round;
    int line;
    int position;
    int numero;
    const char* nom;
};

}  // namespace

// Four outgoing qualifiers, four seeds, rankings A 4, B 4, C 4 and D 8, four tours of four
// matches: a draw of 64.
class WorkedExample : public SkeletonFixture {
protected:
    void SetUp() override {
        state_.QualifiersOut = 4;
        state_.Dimension = 64;
        state_.TotalPlayers = 20;
        const std::pair<const char*, int> rankings[] = {{"A", 4}, {"B", 4}, {"C", 4}, {"D", 8}};
        int row = 1;
        for (const auto& [name, count] : rankings) {
            state_.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        StaircaseSolution solution;
        solution.Matches = {4, 4, 4, 4, 4};
        ASSERT_FALSE(state_.BuildStaircase(solution, prompter_));
    }

    void expectLines(const std::map<int, BuiltLine>& lines, std::initializer_list<Expected> all,
                     bool othersEmpty) {
        const LineAddressing addressing(64);
        std::map<int, Expected> wanted;
        for (const Expected& e : all) {
            wanted.emplace(addressing.LineNumber(e.round, e.line), e);
        }
        for (const auto& [number, line] : lines) {
            const auto found = wanted.find(number);
            if (found == wanted.end()) {
                if (othersEmpty) {
                    EXPECT_EQ(line.position, DrawLine::Empty) << "line " << number;
                    EXPECT_EQ(line.nom, QString()) << "line " << number;
                }
                continue;
            }
            const Expected& e = found->second;
            EXPECT_EQ(line.position, e.position) << "round " << e.round << " line " << e.line;
            EXPECT_EQ(line.numero.toInt(), e.numero) << "round " << e.round << " line " << e.line;
            EXPECT_EQ(line.nom, QString::fromUtf8(e.nom))
                << "round " << e.round << " line " << e.line;
        }
    }
};

TEST_F(WorkedExample, BuildsEveryLineRoundByRound) {
    state_.Seeds = 4;
    ASSERT_TRUE(build(4));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    EXPECT_TRUE(prompter_.entries().isEmpty());
    const auto lines = built();
    expectFinished(lines, 64);
    const int Q = DrawLine::OutgoingQualifier;
    const int S = DrawLine::Seed;
    const int E = DrawLine::Entrant;
    expectLines(
        lines, {{5, 1, Q, 1, ""},    {5, 2, Q, 2, ""},    {5, 3, Q, 3, ""},    {5, 4, Q, 4, ""},
                {4, 8, S, 1, "A"},   {4, 1, S, 2, "A"},   {4, 3, S, 3, "A"},   {4, 6, S, 4, "A"},
                {3, 10, E, 5, "B"},  {3, 7, E, 6, "B"},   {3, 3, E, 7, "B"},   {3, 14, E, 8, "B"},
                {2, 26, E, 9, "C"},  {2, 7, E, 10, "C"},  {2, 15, E, 11, "C"}, {2, 18, E, 12, "C"},
                {1, 50, E, 13, "D"}, {1, 15, E, 14, "D"}, {1, 31, E, 15, "D"}, {1, 34, E, 16, "D"},
                {1, 33, E, 17, "D"}, {1, 32, E, 18, "D"}, {1, 16, E, 19, "D"}, {1, 49, E, 20, "D"}},
        true);
}

TEST_F(WorkedExample, WithoutSeedsThePositionsStartAgainAtEveryTour) {
    state_.Seeds = 0;
    ASSERT_TRUE(build(4));
    const auto lines = built();
    expectFinished(lines, 64);
    const int E = DrawLine::Entrant;
    expectLines(lines,
                {{4, 8, E, 1, "A"},
                 {4, 1, E, 2, "A"},
                 {4, 3, E, 3, "A"},
                 {4, 6, E, 4, "A"},
                 {3, 14, E, 5, "B"},
                 {3, 3, E, 6, "B"},
                 {3, 7, E, 7, "B"},
                 {3, 10, E, 8, "B"}},
                false);
}

TEST_F(WorkedExample, ThreeSeedsLetThePositionsOfTheSecondTourStartAgain) {
    state_.Seeds = 3;
    ASSERT_TRUE(build(4));
    const auto lines = built();
    expectLines(lines,
                {{4, 6, DrawLine::Entrant, 4, "A"},
                 {4, 3, DrawLine::Seed, 3, "A"},
                 {3, 14, DrawLine::Entrant, 5, "B"},
                 {3, 3, DrawLine::Entrant, 6, "B"}},
                false);
}

TEST_F(WorkedExample, AFinalDrawHasNoOutgoingQualifierLine) {
    state_.Seeds = 4;
    state_.FinalDraw = true;
    ASSERT_TRUE(build(4));
    for (const auto& [number, line] : built()) {
        EXPECT_NE(line.position, DrawLine::OutgoingQualifier) << "line " << number;
    }
}

TEST_F(WorkedExample, ANewConstructionReplacesTheLastOneAndClearsItsErrors) {
    state_.Seeds = 4;
    state_.SkeletonErrorCount = 3;
    state_.SkeletonErrorText = QStringLiteral("ancienne erreur");
    ASSERT_TRUE(build(4));
    ASSERT_TRUE(build(4));
    EXPECT_EQ(state_.SkeletonErrorCount, 0);
    EXPECT_EQ(state_.SkeletonErrorText, QString());
    expectFinished(built(), 64);
}
