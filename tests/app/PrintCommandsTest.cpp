#include "app/AppWindowFactory.h"
#include "common/QtPrinters.h"
#include "common/StaircaseInputs.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "drawtable/DrawExchange.h"
#include "reports/TDlgImprimeTableauSquelette.h"
#include "widgets/DrawPrintRequest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Acts on the modal window shown next, once it is shown.
void onNextModal(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

class PrintCommands : public ::testing::Test {
protected:
    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    AppWindowFactory windows{host, state, prompter, BusyCursor::none()};
};

TEST_F(PrintCommands, StaircasePrintAsksThenPreviews) {
    SetRankings(state, {{"A", 4}, {"B", 4}}, 1);
    state.Solutions[1] = Solution({1, 2, 2});
    state.Solutions[2] = Solution({1, 2, 2});
    state.StoredSolutions = 2;
    prompter.queueAnswer(true);
    bool previewed = false;
    onNextModal([&previewed](QWidget* shown) {
        previewed = qobject_cast<QPrintPreviewDialog*>(shown) != nullptr;
        if (shown) {
            shown->close();
        }
    });
    windows.printStaircase(1, nullptr);
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Imprimer toutes les 2 solutions trouvées ?")});
    EXPECT_TRUE(previewed);
}

TEST_F(PrintCommands, DrawPrintGoesThroughItsOptionsToThePreview) {
    host.DataLocation = work.path();
    DrawFile draw;
    draw.kind = DrawFile::Kind::LineStart;
    draw.dimension = 8;
    for (int line = 1; line <= 15; ++line) {
        draw.lines.append({line, line <= 8 ? 1 : 0, std::nullopt, QStringLiteral("J%1").arg(line),
                           QString(), QString(), std::nullopt, QString(), QString()});
    }
    ASSERT_EQ(DrawExchange::Load(draw, work.path(), state), QString());
    DrawPrintRequest request;
    request.lineStart = true;
    request.tableName = QStringLiteral("Tmpaaaa2.db");
    bool optionsShown = false;
    bool previewed = false;
    onNextModal([&](QWidget* shown) {
        optionsShown = qobject_cast<TDlgImprimeTableauSquelette*>(shown) != nullptr;
        onNextModal([&previewed](QWidget* preview) {
            previewed = qobject_cast<QPrintPreviewDialog*>(preview) != nullptr;
            if (preview) {
                preview->close();
            }
        });
        if (auto* dialog = qobject_cast<QDialog*>(shown)) {
            dialog->accept();
        }
    });
    windows.printDraw(request, nullptr);
    EXPECT_TRUE(optionsShown);
    EXPECT_TRUE(previewed);

    // A table that is not there is told, and nothing opens.
    request.tableName = QStringLiteral("absent.db");
    windows.printDraw(request, nullptr);
    ASSERT_FALSE(prompter.texts().isEmpty());
    EXPECT_TRUE(prompter.texts().back().contains(QStringLiteral("absent.db")));
}

}  // namespace
