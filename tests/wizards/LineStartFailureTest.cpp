#include "LineStartTestSupport.h"

#include "common/FailingDisk.h"
#include "common/SmallDisk.h"
#include "drawtable/DrawLines.h"

#include <QDir>
#include <QFile>

// A failed build or copy stops "&Suivant": no bracket view, no acceptance, every table as
// it was, and one message naming the table and the cause.
class LineStartFailure : public LineStartFixture {
protected:
    // An earlier draw of 16 lines in the host's table: the one a failure must not touch.
    void earlierHostDraw() {
        RecordTable host(TableLayout::DrawLine(), dir_.path(), QStringLiteral("Hote.db"));
        ASSERT_TRUE(host.Open());
        ASSERT_TRUE(DrawLines::FillNumbered(host, 15));
        RecordTable::Batch batch(host);
        for (host.First(); !host.Eof(); host.Next()) {
            host.setText(DrawLine::Nom, QStringLiteral("ancien"));
        }
        ASSERT_TRUE(batch.commit());
    }

    bool nextShowing(bool build, bool accept, const std::function<void()>& inView = {}) {
        wizard_->setBuildSkeleton(build);
        shown_ = false;
        return wizard_->Suivant([&](const LineStartFigures&, bool) {
            shown_ = true;
            if (inView) {
                inView();
            }
            return accept;
        });
    }

    QString path(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name));
    }

    bool shown_ = false;
};

TEST_F(LineStartFailure, AFullDiskDuringTheBuildStopsNextAndKeepsTheEarlierSkeleton) {
    FailingDisk disk;
    earlierHostDraw();
    wizard({{"15", 3}, {"30", 3}}, 0, 1, 1);
    ASSERT_TRUE(nextShowing(true, false));
    const QStringList earlier = placed();
    prompter_.clear();
    disk.fillAfter(2, FailingDisk::Files::All, "Tmpaaaa2.db");
    EXPECT_FALSE(nextShowing(true, true));
    EXPECT_FALSE(shown_);
    EXPECT_EQ(prompter_.entries().last().kind, Prompter::Kind::Warning);
    EXPECT_EQ(prompter_.texts().last(),
              QStringLiteral("Impossible d'écrire dans la table \"%1\" : le disque est peut-être "
                             "plein. [database or disk is full]\n"
                             "La table garde son contenu précédent.")
                  .arg(path(QStringLiteral("Tmpaaaa2.db"))));
    disk.makeRoom();
    EXPECT_EQ(placed(), earlier);
    EXPECT_EQ(placed(QStringLiteral("Hote.db")).size(), 15);
}

// The roster cannot be written: the construction stops before it empties the draw, and
// the empty skeleton it used to leave is neither shown nor copied over the host's draw.
TEST_F(LineStartFailure, ADamagedRosterIsNeverFollowedByAnAcceptance) {
    earlierHostDraw();
    QFile roster(dir_.filePath(QStringLiteral("TmpaaaJ2.db")));
    ASSERT_TRUE(roster.open(QIODevice::WriteOnly));
    roster.write(QByteArray(4096, 'x'));
    roster.close();
    wizard({{"15", 3}, {"30", 3}}, 0, 1, 1);
    EXPECT_FALSE(nextShowing(true, true));
    EXPECT_FALSE(shown_);
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_TRUE(prompter_.texts().last().contains(path(QStringLiteral("TmpaaaJ2.db"))))
        << prompter_.texts().last().toStdString();
    EXPECT_FALSE(prompter_.texts().contains(QStringLiteral("Mettre en place ce tableau ?")));
    EXPECT_EQ(lines().size(), 0u);
    const auto host = lines(QStringLiteral("Hote.db"));
    ASSERT_EQ(host.size(), 15u);
    EXPECT_EQ(host.at(1).nom, QStringLiteral("ancien"));
}

TEST_F(LineStartFailure, ACopyThatFailsLeavesTheHostsDrawWhole) {
    FailingDisk disk;
    earlierHostDraw();
    wizard({{"15", 5}, {"30", 5}}, 0, 1, 1);
    EXPECT_TRUE(nextShowing(true, true, [&] { disk.fillAfter(0); }));
    EXPECT_TRUE(shown_);
    EXPECT_EQ(wizard_->hostCopy(), std::optional<bool>(false));  // what the command line tells
    EXPECT_EQ(prompter_.texts().last(),
              QStringLiteral("Impossible d'écrire dans la table \"%1\" : le disque est peut-être "
                             "plein. [database or disk is full]\n"
                             "La table garde son contenu précédent.")
                  .arg(path(QStringLiteral("Hote.db"))));
    disk.makeRoom();
    const auto host = lines(QStringLiteral("Hote.db"));
    ASSERT_EQ(host.size(), 15u);
    EXPECT_EQ(host.at(15).nom, QStringLiteral("ancien"));
}

// The same on a real file system of 64 KiB, which a draw of 1024 entries fills.
TEST_F(LineStartFailure, OnARealFullDiskTheBuildFailsAndTheTableStaysAsItWas) {
    SmallDisk small(64);
    if (!small.mounted()) {
        GTEST_SKIP() << "no right to mount a small file system here";
    }
    const TableLocations there{small.path(), small.path(), QStringLiteral("Hote.db")};
    wizard_ =
        std::make_unique<LineStartWizardLogic>(state_, prompter_, BusyCursor::none(), there,
                                               QStringLiteral(ORVANEL_SOURCE_DATA "/ZECLASS.TXT"));
    state_.Rankings[1] = {QStringLiteral("15"), 5, 0};
    wizard_->Init(0, 1, 1, 0);
    ASSERT_TRUE(nextShowing(true, false));
    const QStringList earlier = placed(QStringLiteral("Tmpaaaa2.db"), small.path());
    ASSERT_FALSE(earlier.isEmpty());
    prompter_.clear();

    wizard_ =
        std::make_unique<LineStartWizardLogic>(state_, prompter_, BusyCursor::none(), there,
                                               QStringLiteral(ORVANEL_SOURCE_DATA "/ZECLASS.TXT"));
    state_.Rankings[1] = {QStringLiteral("15/1"), 1000, 0};
    wizard_->Init(0, 1, 8, 0);
    EXPECT_FALSE(nextShowing(true, true));
    EXPECT_FALSE(shown_);
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_TRUE(prompter_.texts().last().contains(QStringLiteral("le disque est peut-être plein")))
        << prompter_.texts().last().toStdString();

    EXPECT_EQ(placed(QStringLiteral("Tmpaaaa2.db"), small.path()), earlier);
}
