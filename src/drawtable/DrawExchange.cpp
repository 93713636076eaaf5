#include "DrawExchange.h"

#include "DrawFileJson.h"
#include "DrawLine.h"
#include "RecordTable.h"
#include "TableLayout.h"
#include "TableNames.h"
#include "core/RankingLadder.h"

#include "core/StaircaseState.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString folderPath(const QString& location, const QString& name) {
    return QDir(location.isEmpty() ? QDir::currentPath() : location).absoluteFilePath(name);
}

std::optional<int> optionalField(const RecordTable& table, const QString& field) {
    return table.isNull(field) ? std::nullopt : std::optional<int>(table.integer(field));
}

void setOptional(RecordTable& table, const QString& field, const std::optional<int>& value) {
    if (value) {
        table.setInteger(field, *value);
    } else {
        table.clear(field);
    }
}

// The figures given with the lines of the table named; a missing table is not created.
DrawExchange::Result withLines(DrawFile figures, const QString& location, const QString& name) {
    RecordTable table(TableLayout::DrawLine(), location, name);
    if (!QFileInfo::exists(table.filePath())) {
        return {std::nullopt, QStringLiteral("La table \"%1\" n'existe pas.")
                                  .arg(QDir::toNativeSeparators(table.filePath()))};
    }
    if (!table.Open()) {
        return {std::nullopt, table.errorText()};
    }
    figures.lines = DrawExchange::ReadLines(table);
    return {figures, QString()};
}

std::int16_t figure(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

QString DrawExchange::TableName(DrawFile::Kind kind) {
    return kind == DrawFile::Kind::Staggered ? TableNames::StaggeredDraw : TableNames::LineDraw;
}

DrawFile DrawExchange::FromState(const StaircaseState& state, const View& view) {
    DrawFile draw;
    draw.kind = view.kind;
    draw.dimension = state.Dimension;
    draw.qualifiersOut = state.QualifiersOut;
    draw.qualifiersIn = state.QualifiersIn;
    draw.seeds = view.seeds;
    draw.finalDraw = state.FinalDraw;
    draw.totalPlayers = state.TotalPlayers;
    draw.hideEmptyBranches = view.hideEmptyBranches;
    int last = 0;
    for (int row = 1; row <= StaircaseState::RankingCount; ++row) {
        if (!state.Rankings[row].Name.isEmpty()) {
            last = row;
        }
    }
    for (int row = 1; row <= last; ++row) {
        draw.rankings.append({state.Rankings[row].Name, state.Rankings[row].Count});
    }
    if (view.kind == DrawFile::Kind::LineStart) {
        draw.tel = {state.TotalPlayers,   state.Dimension,     view.byes,
                    view.roundOnePlayers, state.QualifiersOut, state.QualifiersIn};
        return draw;
    }
    draw.couples = state.Couples;
    draw.compressions = state.Compressions;
    draw.tee.solution = view.solution;
    if (view.solution >= 1 && view.solution <= StaircaseState::SolutionCapacity) {
        const StaircaseSolution& shown = state.Solutions[view.solution];
        for (std::size_t at = 0; at < draw.tee.matches.size(); ++at) {
            draw.tee.matches[at] = shown.Matches[at];
        }
    }
    draw.tee.storedSolutions = state.StoredSolutions;
    draw.tee.singleSolution = state.SingleSolution;
    draw.tee.manualEntry = state.ManualEntry;
    draw.tee.skeletonErrorText = state.SkeletonErrorText;
    draw.tee.skeletonErrorCount = state.SkeletonErrorCount;
    return draw;
}

QList<DrawFile::Line> DrawExchange::ReadLines(RecordTable& table) {
    QList<DrawFile::Line> lines;
    lines.reserve(table.RecordCount());
    for (table.First(); !table.Eof(); table.Next()) {
        DrawFile::Line line;
        line.line = table.integer(DrawLine::FicheNumero);
        line.position = table.integer(DrawLine::Position);
        line.numero = optionalField(table, DrawLine::Numero);
        line.nom = table.text(DrawLine::Nom);
        line.prenom = table.text(DrawLine::Prenom);
        line.classement = table.text(DrawLine::Classement);
        line.information = optionalField(table, DrawLine::Information);
        line.typeClassement = table.text(DrawLine::TypeClassement);
        line.nationalite = table.text(DrawLine::Nationalite);
        lines.append(line);
    }
    return lines;
}

bool DrawExchange::WriteLine(RecordTable& table, const DrawFile::Line& line) {
    table.setInteger(DrawLine::FicheNumero, line.line);
    table.setInteger(DrawLine::Position, line.position);
    setOptional(table, DrawLine::Numero, line.numero);
    table.setText(DrawLine::Nom, line.nom);
    table.setText(DrawLine::Prenom, line.prenom);
    table.setText(DrawLine::Classement, line.classement);
    setOptional(table, DrawLine::Information, line.information);
    table.setText(DrawLine::TypeClassement, line.typeClassement);
    table.setText(DrawLine::Nationalite, line.nationalite);
    return table.Post();
}

DrawExchange::Result DrawExchange::Build(const QString& location, const QString& tableName,
                                         const StaircaseState& state, const View& view) {
    return withLines(FromState(state, view), location, tableName);
}

QString DrawExchange::Load(const DrawFile& draw, const QString& location, StaircaseState& state) {
    RecordTable table(TableLayout::DrawLine(), location, TableName(draw.kind));
    if (!table.Open()) {
        return table.errorText();
    }
    {
        RecordTable::Batch batch(table);
        if (!table.Empty()) {
            return table.errorText();
        }
        for (const DrawFile::Line& line : draw.lines) {
            table.Insert();
            if (!WriteLine(table, line)) {
                const QString error = table.errorText();
                table.Cancel();
                return error;
            }
        }
        if (!batch.commit()) {
            return table.errorText();
        }
    }

    state.ResetStaircase();
    for (int row = 1; row <= StaircaseState::RankingCount && row <= draw.rankings.size(); ++row) {
        state.Rankings[row].Name = draw.rankings[row - 1].name;
        state.Rankings[row].Count = draw.rankings[row - 1].count;
    }
    state.Dimension = figure(draw.dimension);
    state.QualifiersOut = figure(draw.qualifiersOut);
    state.QualifiersIn = figure(draw.qualifiersIn);
    state.Seeds = figure(draw.seeds);
    state.FinalDraw = draw.finalDraw;
    state.Couples = figure(draw.couples);
    state.Compressions = figure(draw.compressions);
    state.TotalPlayers = figure(draw.totalPlayers);
    state.ClearSolutions();
    if (draw.tee.solution >= 1 && draw.tee.solution <= StaircaseState::SolutionCapacity) {
        StaircaseSolution& shown = state.Solutions[draw.tee.solution];
        for (std::size_t at = 0; at < draw.tee.matches.size(); ++at) {
            shown.Matches[at] = figure(draw.tee.matches[at]);
        }
    }
    state.StoredSolutions = figure(draw.tee.storedSolutions);
    state.SingleSolution = draw.tee.singleSolution;
    state.ManualEntry = draw.tee.manualEntry;
    state.SkeletonErrorText = draw.tee.skeletonErrorText;
    state.SkeletonErrorCount = figure(draw.tee.skeletonErrorCount);
    return QString();
}

DrawExchange::View DrawExchange::ViewOf(const DrawFile& draw) {
    return {draw.kind,  draw.hideEmptyBranches, draw.seeds, draw.tee.solution, draw.tel.E,
            draw.tel.NE};
}

LineStartFigures DrawExchange::LineStartFiguresOf(const DrawFile& draw) {
    LineStartFigures figures;
    figures.GridPlayers = draw.tel.N - draw.tel.QE;
    figures.LineQualifiersIn = draw.tel.QE;
    figures.LineQualifiersOut = draw.tel.QS;
    figures.LineSeeds = draw.seeds;
    figures.LineDimension = draw.tel.D;
    figures.Byes = draw.tel.E;
    figures.NonByes = draw.tel.NE;
    figures.PowerDimension = RankingLadder::NextPowerOfTwo(1, draw.tel.D);
    figures.LineFinalDraw = draw.finalDraw;
    return figures;
}

QString DrawExchange::SaveFigures(const QString& location, const StaircaseState& state,
                                  const View& view) {
    return DrawFileJson::WriteFile(folderPath(location, FiguresName()), FromState(state, view));
}

DrawExchange::Result DrawExchange::FromFolder(const QString& location, const QString& tableLocation,
                                              const QString& tableName) {
    const QString path = folderPath(location, FiguresName());
    if (!QFileInfo::exists(path)) {
        return {std::nullopt,
                QStringLiteral("Le dossier \"%1\" ne garde les chiffres d'aucun tableau (pas de "
                               "\"%2\") : construisez ou affichez d'abord un tableau dans ce "
                               "dossier.")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), FiguresName())};
    }
    Result figures = DrawFileJson::ReadFile(path);
    if (!figures.draw) {
        return figures;
    }
    return withLines(*figures.draw, tableLocation,
                     tableName.isEmpty() ? TableName(figures.draw->kind) : tableName);
}
