#include "SolveReport.h"

#include "SolveSession.h"

#include <QJsonArray>

namespace {

QString FiguresText(const StaircaseSolution& solution) {
    QStringList figures;
    for (int t = 0; t <= StaircaseSolution::MaxTours; ++t) {
        figures << QString::number(solution.Matches[static_cast<std::size_t>(t)]);
    }
    return figures.join(QLatin1Char(' '));
}

QJsonObject Evaluated(const SolveSession::Evaluated& evaluated) {
    QJsonArray spread;
    for (const SpreadRanking& ranking : evaluated.check.SpreadRankings) {
        spread.append(QJsonObject{{QStringLiteral("name"), ranking.Name},
                                  {QStringLiteral("tours"), ranking.Tours}});
    }
    return QJsonObject{
        {QStringLiteral("matches"), SolveReport::Figures(evaluated.solution)},
        {QStringLiteral("tours"), evaluated.check.Tours},
        {QStringLiteral("dimension"), evaluated.dimension},
        {QStringLiteral("steps"), SolveReport::Steps(evaluated.steps, evaluated.check.Tours)},
        {QStringLiteral("spread"), spread},
        {QStringLiteral("oneTour"), evaluated.check.OneTourCount},
        {QStringLiteral("twoTour"), evaluated.check.TwoTourCount},
        {QStringLiteral("qualifierTours"), evaluated.check.QualifierTourCount},
        {QStringLiteral("incorrect"), evaluated.check.Incorrect}};
}

QString YesNo(bool value) {
    return value ? QStringLiteral("oui") : QStringLiteral("non");
}

void AppendSolution(QStringList& lines, int number, const SolveSession::Evaluated& evaluated) {
    const SolutionCheck& check = evaluated.check;
    lines << QString()
          << QStringLiteral("Solution %1 : %2").arg(number).arg(FiguresText(evaluated.solution))
          << QStringLiteral("  Tableau à %1 entrées et joueurs sur %2 tour(s)")
                 .arg(evaluated.dimension)
                 .arg(check.Tours);
    for (int t = 1; t <= check.Tours; ++t) {
        const StaircaseStep& step = evaluated.steps[t];
        QStringList entries;
        for (const StepEntry& entry : step.Entries) {
            if (!entry.Name.isEmpty()) {
                entries << QStringLiteral("%1 (%2)").arg(entry.Count).arg(entry.Name.trimmed());
            }
        }
        lines << QStringLiteral("  Tour %1 : %2 places, %3 arrivant(s) ; %4")
                     .arg(t)
                     .arg(step.Positions)
                     .arg(step.Arriving)
                     .arg(entries.join(QStringLiteral(", ")));
    }
    for (const SpreadRanking& ranking : check.SpreadRankings) {
        lines << QStringLiteral("  Les %1 sont sur %2 tours").arg(ranking.Name).arg(ranking.Tours);
    }
    lines << QStringLiteral(
                 "  Classements sur 1 tour : %1, sur 2 tours : %2 ; qualifiés sur %3 tour(s)")
                 .arg(check.OneTourCount)
                 .arg(check.TwoTourCount)
                 .arg(check.QualifierTourCount)
          << (check.Incorrect ? QStringLiteral("  Solution incorrecte")
                              : QStringLiteral("  Solution correcte"));
}

}  // namespace

QJsonObject SolveReport::toJson(const SolveSession& session) {
    const StaircaseState& state = session.state();
    const SolveSession::SearchResult& search = session.search();
    QJsonArray searchSolutions;
    for (const StaircaseSolution& solution : search.solutions) {
        searchSolutions.append(Figures(solution));
    }
    QJsonArray viewSolutions;
    for (const SolveSession::Evaluated& evaluated : session.view()) {
        viewSolutions.append(Evaluated(evaluated));
    }
    return QJsonObject{
        {QStringLiteral("totalPlayers"), state.TotalPlayers},
        {QStringLiteral("qualifiersIn"), state.QualifiersIn},
        {QStringLiteral("qualifiersOut"), state.QualifiersOut},
        {QStringLiteral("couples"), state.Couples},
        {QStringLiteral("compressions"), state.Compressions},
        {QStringLiteral("seeds"), state.Seeds},
        {QStringLiteral("finalDraw"), state.FinalDraw},
        {QStringLiteral("search"),
         QJsonObject{{QStringLiteral("singleSolution"), search.singleSolution},
                     {QStringLiteral("iterations"), static_cast<double>(search.iterations)},
                     {QStringLiteral("solutionCount"), search.solutionCount},
                     {QStringLiteral("storedSolutions"), search.storedSolutions},
                     {QStringLiteral("solutions"), searchSolutions},
                     {QStringLiteral("messages"), QJsonArray::fromStringList(session.messages())}}},
        {QStringLiteral("view"),
         QJsonObject{{QStringLiteral("storedSolutions"), state.StoredSolutions},
                     {QStringLiteral("solutions"), viewSolutions}}}};
}

QStringList SolveReport::toText(const SolveSession& session) {
    const StaircaseState& state = session.state();
    const SolveSession::SearchResult& search = session.search();
    QStringList lines{
        QStringLiteral("Effectif du tableau : %1").arg(state.TotalPlayers),
        QStringLiteral("Nombre de qualifiés entrants : %1").arg(state.QualifiersIn),
        QStringLiteral("Nombre de qualifiés sortants : %1").arg(state.QualifiersOut),
        QStringLiteral("Couples indissociables : %1").arg(state.Couples),
        QStringLiteral("Nombre de compressions à faire : %1").arg(state.Compressions),
        QStringLiteral("Nombre de têtes de série : %1").arg(state.Seeds),
        QStringLiteral("Tableau final : %1").arg(YesNo(state.FinalDraw)),
        QStringLiteral("Solution directe : %1").arg(YesNo(search.singleSolution)),
        QStringLiteral("Recherche : %1 Itération(s), %2 Solution(s) trouvée(s), %3 enregistrée(s)")
            .arg(search.iterations)
            .arg(search.solutionCount)
            .arg(search.storedSolutions)};
    for (int k = 0; k < search.solutions.size(); ++k) {
        lines << QStringLiteral("  %1 : %2").arg(k + 1).arg(FiguresText(search.solutions.at(k)));
    }
    if (!session.messages().isEmpty()) {
        lines << QStringLiteral("Messages :");
        for (const QString& message : session.messages()) {
            lines << QStringLiteral("  ") +
                         QString(message).replace(QLatin1Char('\n'), QStringLiteral("\n  "));
        }
    }
    lines << QStringLiteral("Solutions gardées par l'affichage : %1").arg(state.StoredSolutions);
    int number = 0;
    for (const SolveSession::Evaluated& evaluated : session.view()) {
        AppendSolution(lines, ++number, evaluated);
    }
    return lines;
}

QJsonArray SolveReport::Figures(const StaircaseSolution& solution) {
    QJsonArray figures;
    for (int t = 0; t <= StaircaseSolution::MaxTours; ++t) {
        figures.append(solution.Matches[static_cast<std::size_t>(t)]);
    }
    return figures;
}

QJsonArray SolveReport::Steps(const OneBased<StaircaseStep, StaircaseState::StepCount>& steps,
                              int tours) {
    QJsonArray all;
    for (int t = 1; t <= tours; ++t) {
        const StaircaseStep& step = steps[t];
        QJsonArray entries;
        for (const StepEntry& entry : step.Entries) {
            if (!entry.Name.isEmpty()) {
                entries.append(QJsonObject{{QStringLiteral("name"), entry.Name},
                                           {QStringLiteral("count"), entry.Count}});
            }
        }
        all.append(QJsonObject{{QStringLiteral("positions"), step.Positions},
                               {QStringLiteral("arriving"), step.Arriving},
                               {QStringLiteral("entries"), entries}});
    }
    return all;
}
