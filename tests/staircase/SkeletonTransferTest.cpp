#include "SkeletonTestSupport.h"

#include "drawtable/HostTransfer.h"

#include <QDir>

class SkeletonTransfer : public SkeletonFixture {
protected:
    void SetUp() override {
        state_.QualifiersOut = 4;
        state_.Dimension = 8;
        state_.Seeds = 1;
        setTour(1, 8, 0, {{"15/2", 4}, {"30", 4}});
        ASSERT_TRUE(build(1));
    }
};

TEST_F(SkeletonTransfer, CopiesEveryLineOntoTheHostsTable) {
    StaggeredSkeleton skeleton(state_, 1, places(), prompter_);
    ASSERT_TRUE(skeleton.TransfereTableau());
    const auto working = built();
    const auto host = readLines(dir_.path(), QStringLiteral("Hote.db"));
    ASSERT_EQ(host.size(), 15u);
    for (const auto& [number, line] : working) {
        EXPECT_EQ(host.at(number).position, line.position) << number;
        EXPECT_EQ(host.at(number).nom, line.nom) << number;
        EXPECT_EQ(host.at(number).numero, line.numero) << number;
    }
    RecordTable table(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Hote.db"));
    ASSERT_TRUE(table.Open());
    ASSERT_TRUE(table.FindKey({8}));
    EXPECT_EQ(table.text(DrawLine::Classement), QStringLiteral("15/2"));
}

TEST_F(SkeletonTransfer, RefusesToCopyTheWorkingTableOntoItself) {
    TableLocations same = places();
    same.HostTableName = QStringLiteral("Tmpaaaa.db");
    StaggeredSkeleton skeleton(state_, 1, same, prompter_);
    EXPECT_FALSE(skeleton.TransfereTableau());
    EXPECT_EQ(
        prompter_.texts(),
        QStringList{HostTransfer::SameTableMessage(dir_.filePath(QStringLiteral("Tmpaaaa.db")))});
    expectFinished(built(), 8);
}
