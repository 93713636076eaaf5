#include "StaircasePrintFlow.h"

#include "core/Prompter.h"

QString StaircasePrintFlow::AllQuestion(int storedSolutions) {
    return QStringLiteral("Imprimer toutes les %1 solutions trouvées ?").arg(storedSolutions);
}

QString StaircasePrintFlow::LeftOutMessage(int printed, int leftOut) {
    return QStringLiteral(
               "%1 solution(s) imprimée(s) sur %2 pages ; %3 solution(s) non "
               "imprimée(s) : l'impression ne prend que %2 pages.")
        .arg(printed)
        .arg(SlotCount)
        .arg(leftOut);
}

StaircasePrintFlow::Reports StaircasePrintFlow::PrintAll(const StaircaseState& state,
                                                         const TQR1EscalierTab::Texts& texts) {
    // A direct staircase stores no solution: its solution 1 is printed.
    if (state.StoredSolutions < 1) {
        return PrintOne(state, texts, 1);
    }
    Reports reports;
    reports.state = std::make_unique<StaircaseState>(state);
    int first = 1;
    const int stored = state.StoredSolutions;
    for (int slot = 1; first <= stored && slot <= SlotCount; ++slot) {
        auto page = std::make_unique<TQR1EscalierTab>(*reports.state, texts);
        first += page->PrintSolutions(first, PerPage);
        reports.pages.push_back(std::move(page));
    }
    // The 50 pages are kept, but the user learns what did not fit on them.
    if (first <= stored) {
        reports.message = LeftOutMessage(first - 1, stored - first + 1);
    }
    return reports;
}

StaircasePrintFlow::Reports StaircasePrintFlow::PrintOne(const StaircaseState& state,
                                                         const TQR1EscalierTab::Texts& texts,
                                                         int solution) {
    Reports reports;
    reports.state = std::make_unique<StaircaseState>(state);
    auto page = std::make_unique<TQR1EscalierTab>(*reports.state, texts);
    page->PrintSolution(state.StoredSolutions < 1 ? 1 : solution);
    reports.pages.push_back(std::move(page));
    return reports;
}

StaircasePrintFlow::Reports StaircasePrintFlow::Print(const StaircaseState& state,
                                                      const TQR1EscalierTab::Texts& texts,
                                                      int currentSolution, Prompter& prompter) {
    if (state.StoredSolutions < 1) {
        return PrintOne(state, texts, 1);
    }
    if (!prompter.ask(Prompter::Kind::Information, AllQuestion(state.StoredSolutions))) {
        return PrintOne(state, texts, currentSolution);
    }
    Reports reports = PrintAll(state, texts);
    if (!reports.message.isEmpty()) {
        prompter.tell(Prompter::Kind::Information, reports.message);
    }
    return reports;
}
