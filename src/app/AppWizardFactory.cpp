#include "AppWizardFactory.h"

#include "core/Prompter.h"
#include "core/SimulationInput.h"
#include "core/StaircaseState.h"
#include "wizards/TOrvanelEchelon.h"

#include <QString>

namespace {

// Stands for a wizard window that comes with the next version: it tells the user so.
class ComingWizard : public Wizard {
public:
    ComingWizard(Prompter& prompter, QString message)
        : prompter_(prompter), message_(std::move(message)) {}

    void Init(int, int, int, int) override {}
    void showModal() override { prompter_.information(message_); }

private:
    Prompter& prompter_;
    QString message_;
};

}  // namespace

QString AppWizardFactory::ComingMessage(int drawType) {
    const QString kind = drawType == SimulationInput::Staggered
                             ? QStringLiteral("à entrée échelonnée")
                             : QStringLiteral("à départ en ligne");
    return QStringLiteral(
               "L'assistant du tableau %1 arrive avec la prochaine version du "
               "programme.")
        .arg(kind);
}

std::unique_ptr<Wizard> AppWizardFactory::create(int drawType) {
    // Creating a wizard clears the ranking rows before the main window copies its own:
    // the staggered-entry wizard clears the whole staircase, the line-start one the rows.
    if (drawType == SimulationInput::Staggered) {
        return std::make_unique<TOrvanelEchelon>(host_, state_, prompter_, cursor_);
    }
    state_.ClearRankings();
    return std::make_unique<ComingWizard>(prompter_, ComingMessage(drawType));
}
