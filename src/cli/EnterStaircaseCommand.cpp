#include "EnterStaircaseCommand.h"

#include "CliCall.h"
#include "CliHelp.h"
#include "CliOutput.h"
#include "EntryMoves.h"
#include "EntrySession.h"
#include "InputCommand.h"
#include "SolveCommand.h"
#include "SolveReport.h"
#include "core/FileErrorText.h"
#include "core/SimulationInput.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <optional>

namespace {

QString ColourName(const QColor& colour) {
    static const std::pair<QRgb, const char*> names[] = {
        {qRgb(0, 0, 0), "black"},      {qRgb(0, 128, 0), "green"}, {qRgb(0, 0, 255), "blue"},
        {qRgb(0, 0, 128), "navy"},     {qRgb(255, 0, 0), "red"},   {qRgb(255, 255, 255), "white"},
        {qRgb(128, 128, 128), "gray"},
    };
    for (const auto& [rgb, name] : names) {
        if (colour.rgb() == rgb) {
            return QString::fromLatin1(name);
        }
    }
    return colour.name();
}

QJsonObject Item(const PageItem& item) {
    const bool label = item.kind == PageItem::Kind::Label;
    return {{QStringLiteral("name"), item.name},
            {QStringLiteral("text"), label ? item.text : QString()},
            {QStringLiteral("left"), item.left},
            {QStringLiteral("top"), item.top},
            {QStringLiteral("color"), label ? ColourName(item.textColor) : QStringLiteral("black")},
            {QStringLiteral("tag"), item.tag}};
}

// The entry's names are written without the spaces a ranking is padded with.
QJsonValue Evaluation(const std::optional<EntryEvaluation::Result>& evaluated) {
    if (!evaluated) {
        return QJsonValue::Null;
    }
    return QJsonObject{
        {QStringLiteral("tours"), evaluated->tours},
        {QStringLiteral("dimension"), evaluated->dimension},
        {QStringLiteral("matches"), SolveReport::Figures(evaluated->solution)},
        {QStringLiteral("steps"), SolveReport::Steps(evaluated->steps, evaluated->tours)},
        {QStringLiteral("oneTour"), evaluated->oneTour},
        {QStringLiteral("twoTour"), evaluated->twoTour}};
}

// The moves of a JSON file: an array of texts.
std::optional<QStringList> ReadMoves(const QString& path, QString& problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("Impossible de lire le fichier \"%1\" : %2.")
                      .arg(path, FileErrorText::describe(file));
        return std::nullopt;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    QStringList moves;
    bool texts = document.isArray();
    for (const QJsonValue& move : document.array()) {
        texts = texts && move.isString();
        moves.append(move.toString());
    }
    if (!texts) {
        problem =
            QStringLiteral("Le fichier \"%1\" n'est pas une liste JSON de mouvements.").arg(path);
        return std::nullopt;
    }
    return moves;
}

}  // namespace

QString EnterStaircaseCommand::summary() const {
    return QStringLiteral("la saisie d'un escalier, mouvement par mouvement");
}

QString EnterStaircaseCommand::details() const {
    return QStringLiteral(
        "Ce que font \"&Suivant\" de la fenêtre principale puis \"&Escalier\" de "
        "l'assistant : la saisie d'un escalier, dont les mouvements sont rejoués. Les "
        "mouvements : down, up, q, insert, delete, plus, minus (les touches), click:NOM, "
        "drag:SOURCE:CIBLE (\"-\" pour un lâcher hors de tout libellé), add-tour:NOM, "
        "delete-tour:NOM (le menu d'un libellé actif) et restart (\"Saisir un escalier\"). "
        "Le résultat : les libellés de l'écran, la dernière évaluation, les messages et les "
        "mouvements ignorés.");
}

QList<CliCommand::Argument> EnterStaircaseCommand::arguments() const {
    return {InputCommand::InputFile()};
}

QList<CliOption> EnterStaircaseCommand::options() const {
    return QList<CliOption>{
               CliOption::Value(QStringLiteral("moves"), QStringLiteral("M1,M2,..."),
                                QStringLiteral("les mouvements, séparés par des virgules")),
               CliOption::Value(QStringLiteral("moves-file"), QStringLiteral("MOUVEMENTS.json"),
                                QStringLiteral("les mouvements, en liste JSON")),
           } +
           SolveCommand::FigureOptions();
}

int EnterStaircaseCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    const bool inline_ = call.isSet(QStringLiteral("moves"));
    if (inline_ == call.isSet(QStringLiteral("moves-file"))) {
        return output.usageError(
            QStringLiteral("Donnez les mouvements par --moves ou par --moves-file, l'un des deux."),
            CliHelp::Usage(*this));
    }
    QStringList moves;
    if (inline_) {
        const QString given = call.value(QStringLiteral("moves"));
        moves = given.isEmpty() ? QStringList() : given.split(QLatin1Char(','));
    } else {
        QString problem;
        const std::optional<QStringList> read =
            ReadMoves(call.value(QStringLiteral("moves-file")), problem);
        if (!read) {
            return output.failure(problem);
        }
        moves = *read;
    }
    if (const std::optional<QString> unknown = EntryMoves::firstUnknown(moves)) {
        return output.usageError(QStringLiteral("Mouvement inconnu : « %1 ».").arg(*unknown),
                                 CliHelp::Usage(*this));
    }
    SimulationInput input;
    QTemporaryDir working;
    if (const std::optional<int> failed = SolveCommand::Prepare(call, input, working)) {
        return *failed;
    }
    EntrySession session;
    if (!session.Run(input, SolveCommand::Figures(call), moves, working.path())) {
        return output.failure(session.failure());
    }
    QStringList lines;
    lines << (session.opened() ? QStringLiteral("Saisie d'un escalier ouverte.")
                               : QStringLiteral("Saisie d'un escalier non ouverte."));
    for (const PageItem& item : session.items()) {
        lines << QStringLiteral("%1 (%2, %3) : %4")
                     .arg(item.name)
                     .arg(item.left)
                     .arg(item.top)
                     .arg(item.text);
    }
    lines << session.messages();
    return output.result(toJson(session), lines);
}

QJsonObject EnterStaircaseCommand::toJson(const EntrySession& session) {
    QJsonArray items;
    for (const PageItem& item : session.items()) {
        items.append(Item(item));
    }
    QJsonArray ignored;
    for (int index : session.ignored()) {
        ignored.append(index);
    }
    return {{QStringLiteral("opened"), session.opened()},
            {QStringLiteral("items"), items},
            {QStringLiteral("evaluation"), Evaluation(session.evaluation())},
            {QStringLiteral("messages"), QJsonArray::fromStringList(session.messages())},
            {QStringLiteral("ignored"), ignored}};
}
