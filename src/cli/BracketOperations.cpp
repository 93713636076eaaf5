#include "BracketOperations.h"

#include "BracketDisplayOperations.h"
#include "BracketSession.h"

#include "bracket/ItemKeys.h"
#include "bracket/ScriptedSeedDialog.h"
#include "bracket/TableauPrevisualise.h"
#include "drawtable/LineAddressing.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

using Step = ScriptedSeedDialog::Step;

// The answers of the seed dialog: [{"text": T, "button": "ok" | "supprimer" | "close"}].
QString dialogSteps(const QJsonObject& operation, QList<Step>& steps) {
    const QJsonValue dialog = operation.value(QStringLiteral("dialog"));
    if (dialog.isUndefined() || dialog.isNull()) {
        return QString();
    }
    if (!dialog.isArray()) {
        return QStringLiteral("\"dialog\" doit être une liste de réponses");
    }
    for (const QJsonValue& value : dialog.toArray()) {
        const QJsonObject answer = value.toObject();
        Step step;
        const QJsonValue text = answer.value(QStringLiteral("text"));
        if (text.isString()) {
            step.text = text.toString();
        } else if (!text.isUndefined() && !text.isNull()) {
            return QStringLiteral("le \"text\" d'une réponse doit être un texte");
        }
        const QString button = answer.value(QStringLiteral("button")).toString();
        if (button == QStringLiteral("ok")) {
            step.button = Step::Button::Ok;
        } else if (button == QStringLiteral("supprimer")) {
            step.button = Step::Button::Remove;
        } else if (button == QStringLiteral("close")) {
            step.button = Step::Button::Close;
        } else {
            return QStringLiteral(
                "le \"button\" d'une réponse vaut \"ok\", \"supprimer\" ou "
                "\"close\"");
        }
        steps.append(step);
    }
    return QString();
}

QString drop(BracketSession& session, const QJsonObject& operation, int index) {
    const QJsonValue source = operation.value(QStringLiteral("source"));
    const QJsonValue target = operation.value(QStringLiteral("target"));
    if (!source.isString() || !(target.isString() || target.isNull())) {
        return QStringLiteral(
            "\"source\" est le nom d'un élément, \"target\" celui d'un élément "
            "ou null");
    }
    QList<Step> steps;
    if (const QString wrong = dialogSteps(operation, steps); !wrong.isEmpty()) {
        return wrong;
    }
    ScriptedSeedDialog dialog(steps, session.prompter());
    session.record(index,
                   session.view().editor().Drop(source.toString(), target.toString(), dialog));
    return QString();
}

QString seed(BracketSession& session, const QJsonObject& operation, int index) {
    const QJsonValue line = operation.value(QStringLiteral("line"));
    if (!line.isDouble()) {
        return QStringLiteral("\"line\" est un numéro de ligne");
    }
    QList<Step> steps;
    if (const QString wrong = dialogSteps(operation, steps); !wrong.isEmpty()) {
        return wrong;
    }
    const int number = line.toInt();
    const LineAddressing lines(session.state().Dimension);
    const QString label = ItemKeys::key(ItemKeys::Name, lines.RoundOfLine(number), number);
    ScriptedSeedDialog dialog(steps, session.prompter());
    session.record(index, session.view().editor().Click(label, dialog));
    return QString();
}

}  // namespace

const QHash<QString, BracketOperations::Handler>& BracketOperations::Table() {
    static const QHash<QString, Handler> table{
        {QStringLiteral("drop"), drop},
        {QStringLiteral("seed"), seed},
        {QStringLiteral("empty"),
         [](BracketSession& session, const QJsonObject&, int) {
             session.view().editor().EmptyDraw();
             return QString();
         }},
        {QStringLiteral("redisplay"),
         [](BracketSession& session, const QJsonObject&, int) {
             session.view().FullRedisplay(true);
             return QString();
         }},
        {QStringLiteral("undo"),
         [](BracketSession& session, const QJsonObject&, int) {
             session.view().editor().undoStack().undo();
             return QString();
         }},
        {QStringLiteral("redo"),
         [](BracketSession& session, const QJsonObject&, int) {
             session.view().editor().undoStack().redo();
             return QString();
         }},
        {QStringLiteral("zoom"), BracketDisplayOperations::Zoom},
        {QStringLiteral("properties"), BracketDisplayOperations::Properties},
        {QStringLiteral("addRound"), BracketDisplayOperations::AddRound},
        {QStringLiteral("removeRound"), BracketDisplayOperations::RemoveRound},
    };
    return table;
}

QString BracketOperations::ItemNamesHelp() {
    return QStringLiteral(
        "Les éléments d'une ligne portent un préfixe suivi du tour sur deux chiffres et du "
        "numéro de la ligne (tour 2, ligne 11 : 0211) : \"COL\" le nom, \"SEG\" le segment, "
        "\"CONG\" le raccord à sa gauche, \"COND\" le raccord à sa droite, \"JOIN\" (sur la "
        "ligne paire d'une paire) le trait vertical qui la joint à la ligne impaire, "
        "\"CLACOL\" le classement, \"TTSCOL\" et \"CTTSCOL\" le numéro de tête de série et "
        "son cercle, \"QUACOL\" et \"VQUACOL\" les marques des qualifiés entrant et sortant. "
        "L'effectif : \"Effectif1\" à \"Effectif12\", \"Effectif13\" pour les qualifiés "
        "entrants.");
}
