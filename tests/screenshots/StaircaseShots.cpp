#include "StaircaseShots.h"

#include "app/AppWindowFactory.h"
#include "core/BusyCursor.h"
#include "core/HostInterface.h"
#include "core/ScriptedPrompter.h"
#include "core/StaircaseState.h"
#include "wizards/TOrvanelEchelon.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

namespace {

using Rankings = std::initializer_list<std::pair<const char*, int>>;

// A staggered-entry wizard as the main window hands it over, with its own working folder.
struct ShownWizard {
    ShownWizard(Rankings rankings, int qualifiersIn, int qualifiersOut, int seeds) {
        host.WorkingDirectory = work.path();
        host.DataLocation = work.path();
        host.HostTableName = QStringLiteral("Hote.db");
        int row = 1;
        for (const auto& [name, count] : rankings) {
            state.Rankings[row++] = {QString::fromUtf8(name), count, 0};
        }
        wizard.Init(qualifiersIn, qualifiersOut, seeds, 0);
        wizard.show();
    }

    QTemporaryDir work;
    HostInterface host;
    StaircaseState state;
    ScriptedPrompter prompter;
    AppWindowFactory windows{host, state, prompter, BusyCursor::none()};
    TOrvanelEchelon wizard{state, prompter, BusyCursor::none(), windows};
};

}  // namespace

bool takeStaircaseShots(const QDir& output, const SaveWindow& save) {
    // A club tournament from NC to 15/2: 96 players, 6 qualifiers in, 8 out, 8 seeds.
    ShownWizard shown({{"15/2", 2},
                       {"15/3", 3},
                       {"15/4", 4},
                       {"15/5", 6},
                       {"30", 5},
                       {"30/1", 8},
                       {"30/2", 9},
                       {"30/3", 7},
                       {"30/4", 10},
                       {"30/5", 14},
                       {"40", 12},
                       {"NC", 16}},
                      6, 8, 8);
    TOrvanelEchelon& wizard = shown.wizard;
    ScriptedPrompter& prompter = shown.prompter;

    // "&Suivant" searches and opens the view, modally: its picture is taken there. Its
    // "Squelette du tableau" then opens the bracket view on the first solution, set up.
    bool ok = false;
    QTimer::singleShot(0, &wizard, [&] {
        QWidget* view = QApplication::activeModalWidget();
        if (view == &wizard || view == nullptr) {
            return;
        }
        ok = save(*view, output.filePath(QStringLiteral("staircase-view.png")));
        prompter.queueAnswer(true);
        bool bracketShown = false;
        QTimer::singleShot(0, view, [&] {
            if (QWidget* bracket = QApplication::activeModalWidget(); bracket != view) {
                bracketShown =
                    save(*bracket, output.filePath(QStringLiteral("staggered-bracket.png")));
                bracket->close();
            }
        });
        view->findChild<QToolButton*>(QStringLiteral("SpeedButton1Squelette"))->click();
        ok = ok && bracketShown;
        view->close();
    });
    wizard.findChild<QPushButton*>(QStringLiteral("SuivantBtn"))->click();
    ok = save(wizard, output.filePath(QStringLiteral("staggered-wizard.png"))) && ok;
    wizard.hide();
    return ok;
}

bool takeEntryShot(const QDir& output, const SaveWindow& save) {
    // Five rankings, 32 players, 4 qualifiers in and 4 out.
    ShownWizard shown({{"15/4", 3}, {"30", 5}, {"30/2", 6}, {"40", 8}, {"NC", 10}}, 4, 4, 4);
    TOrvanelEchelon& wizard = shown.wizard;

    // Two tours filled with the keys, the third begun.
    bool ok = false;
    QTimer::singleShot(0, &wizard, [&] {
        QWidget* view = QApplication::activeModalWidget();
        if (view == &wizard || view == nullptr) {
            return;
        }
        QWidget* page = view->findChild<QWidget*>(QStringLiteral("ScrollBox1"));
        for (const Qt::Key key :
             {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Down,
              Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Down, Qt::Key_Down,
              Qt::Key_Down}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(page, &press);
        }
        ok = save(*view, output.filePath(QStringLiteral("staircase-entry.png")));
        view->close();
    });
    wizard.findChild<QPushButton*>(QStringLiteral("BitBtn1SaisieEscalier"))->click();
    wizard.hide();
    return ok;
}
