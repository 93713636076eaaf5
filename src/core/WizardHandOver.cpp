#include "WizardHandOver.h"

#include "IntegerText.h"
#include "Prompter.h"
#include "RankingLadder.h"
#include "SimulationFile.h"
#include "SimulationInput.h"
#include "StaircaseState.h"
#include "Wizard.h"

#include <QDir>

#include <optional>

namespace {

std::optional<int> figure(const QString& text) {
    const auto value = IntegerText::toInt(text);
    if (!value || *value < 0 || *value > WizardHandOver::MaxFigure) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool WizardHandOver::CopyRankingRows(const SimulationInput& input, StaircaseState& state,
                                     Prompter& prompter) {
    int n = 1;
    for (const SimulationInput::Row& row : input.Rows) {
        if (n > StaircaseState::RankingCount) {
            break;
        }
        if (row.RankingText.isEmpty() || row.CountText.isEmpty()) {
            continue;
        }
        const auto count = figure(row.CountText);
        if (!count) {
            prompter.message(QStringLiteral("Problème sur le nombre de joueur de classement ") +
                             row.RankingText);
            return false;
        }
        state.Rankings[n].Name = row.RankingText.left(RankingLadder::NameWidth);
        state.Rankings[n].Count = *count;
        ++n;
    }
    return true;
}

WizardHandOver::Figures WizardHandOver::ValidateFigures(const SimulationInput& input,
                                                        Prompter& prompter,
                                                        const QString& workingDirectory) {
    Figures figures;
    const auto in = figure(input.QualifiersInText);
    if (!in) {
        prompter.message(QStringLiteral("Problème sur le nombre de qualifiés entrants"));
        return figures;
    }
    figures.QualifiersIn = *in;
    const auto out = figure(input.QualifiersOutText);
    if (!out) {
        prompter.message(QStringLiteral("Problème sur le nombre de qualifiés sortants"));
        return figures;
    }
    figures.QualifiersOut = *out;
    const auto seeds = figure(input.SeedsText);
    if (!seeds) {
        prompter.message(QStringLiteral("Problème sur le nombre de tête de séries"));
        return figures;
    }
    figures.Seeds = *seeds;
    if (figures.Seeds < figures.QualifiersOut) {
        prompter.message(
            QStringLiteral("Problème sur le nombre de tête de séries qui est "
                           "inférieur au nombre de qualifiés sortants"));
        return figures;
    }
    figures.Valid = true;
    SimulationFile::SaveSimulation(QDir(workingDirectory).filePath(SimulationFile::AutosaveName()),
                                   input, prompter);
    return figures;
}

bool WizardHandOver::OpenWizard(const SimulationInput& input, StaircaseState& state,
                                Prompter& prompter, const QString& workingDirectory,
                                WizardFactory& factory) {
    const auto wizard = factory.create(input.DrawType);
    if (!CopyRankingRows(input, state, prompter)) {
        return false;
    }
    const Figures figures = ValidateFigures(input, prompter, workingDirectory);
    if (input.DrawType == SimulationInput::LineStart) {
        wizard->setOutgoingEdited(input.OutgoingEdited);
    }
    wizard->Init(figures.QualifiersIn, figures.QualifiersOut, figures.Seeds, 0);
    wizard->showModal();
    return true;
}
