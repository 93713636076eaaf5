#include "BracketDisplayOperations.h"

#include "BracketSession.h"

#include "bracket/TableProperties.h"
#include "bracket/TableauPrevisualise.h"

#include <QJsonValue>

namespace {

// A check box of the dialog: left as it is when the script does not name it.
QString readSwitch(const QJsonObject& operation, const char* key, bool& value) {
    const QJsonValue given = operation.value(QLatin1String(key));
    if (given.isUndefined()) {
        return QString();
    }
    if (!given.isBool()) {
        return QStringLiteral("\"%1\" vaut true ou false").arg(QLatin1String(key));
    }
    value = given.toBool();
    return QString();
}

// The values of the script over those the dialog shows when it opens.
QString readProperties(const QJsonObject& operation, TableProperties& chosen) {
    const bool endBranchesEnabled = chosen.EndBranchesEnabled;
    bool endBranches = chosen.EndBranches;
    QString wrong = readSwitch(operation, "withoutFrame", chosen.WithoutFrame);
    if (wrong.isEmpty()) {
        wrong = readSwitch(operation, "withEmptyBranches", chosen.WithEmptyBranches);
    }
    if (wrong.isEmpty() && operation.contains(QStringLiteral("hideEmptyBranches"))) {
        bool hide = !chosen.WithEmptyBranches;
        wrong = readSwitch(operation, "hideEmptyBranches", hide);
        if (operation.contains(QStringLiteral("withEmptyBranches")) &&
            hide == chosen.WithEmptyBranches) {
            return QStringLiteral("\"hideEmptyBranches\" contredit \"withEmptyBranches\"");
        }
        chosen.WithEmptyBranches = !hide;
    }
    if (wrong.isEmpty()) {
        wrong = readSwitch(operation, "endBranches", endBranches);
    }
    if (!wrong.isEmpty()) {
        return wrong;
    }
    // A disabled check box keeps its state whatever the user does.
    if (endBranchesEnabled) {
        chosen.EndBranches = endBranches;
    }
    const QJsonValue percent = operation.value(QStringLiteral("percent"));
    if (!percent.isUndefined()) {
        const double value = percent.toDouble(-1);
        const int whole = static_cast<int>(value);
        if (!percent.isDouble() || static_cast<double>(whole) != value ||
            !TableProperties::Offered(whole)) {
            return QStringLiteral("\"percent\" va de %1 à %2, de %3 en %3")
                .arg(TableProperties::MinPercent)
                .arg(TableProperties::MaxPercent)
                .arg(TableProperties::PercentStep);
        }
        chosen.Percent = whole;
    }
    return QString();
}

}  // namespace

QString BracketDisplayOperations::Zoom(BracketSession& session, const QJsonObject& operation, int) {
    const QJsonValue in = operation.value(QStringLiteral("in"));
    if (!in.isBool()) {
        return QStringLiteral("\"in\" vaut true (Zoom plus) ou false (Zoom moins)");
    }
    if (in.toBool()) {
        session.view().ZoomIn();
    } else {
        session.view().ZoomOut();
    }
    return QString();
}

QString BracketDisplayOperations::Properties(BracketSession& session, const QJsonObject& operation,
                                             int) {
    TableProperties chosen = session.view().Properties();
    if (const QString wrong = readProperties(operation, chosen); !wrong.isEmpty()) {
        return wrong;
    }
    const QString button = operation.value(QStringLiteral("button")).toString(QStringLiteral("ok"));
    if (button == QStringLiteral("ok")) {
        session.view().ApplyProperties(chosen);
    } else if (button != QStringLiteral("cancel") && button != QStringLiteral("close")) {
        return QStringLiteral("le \"button\" vaut \"ok\", \"cancel\" ou \"close\"");
    }
    return QString();
}

QString BracketDisplayOperations::AddRound(BracketSession& session, const QJsonObject&, int) {
    session.view().AddRound();
    return QString();
}

QString BracketDisplayOperations::RemoveRound(BracketSession& session, const QJsonObject&, int) {
    session.view().RemoveRound();
    return QString();
}

QString BracketDisplayOperations::Help() {
    return QStringLiteral(
        "{\"op\": \"zoom\", \"in\": true | false} (Zoom plus, Zoom moins), {\"op\": "
        "\"properties\", \"withoutFrame\", \"withEmptyBranches\" (ou \"hideEmptyBranches\"), "
        "\"endBranches\", \"percent\" (50 à 200, de 10 en 10), \"button\": \"ok\" | "
        "\"cancel\" | \"close\"} (la boîte des propriétés ; une valeur absente reste telle "
        "que la boîte la montre, \"endBranches\" ne change pas quand la case est grisée, "
        "\"button\" vaut \"ok\" par défaut), {\"op\": \"addRound\"} et {\"op\": "
        "\"removeRound\"} (Augmenter, Diminuer les dimensions du tableau ; Diminuer est sans "
        "effet tant qu'aucun tour ajouté ne reste)");
}
