#include "BracketCommand.h"

#include "BracketDisplayOperations.h"
#include "BracketOperations.h"
#include "BracketSession.h"
#include "CliCall.h"
#include "CliOutput.h"

#include "bracket/TableauPrevisualise.h"
#include "core/FileErrorText.h"
#include "drawtable/DrawFileJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <optional>

namespace {

// The script of operations: a JSON array; none without --ops.
std::optional<QJsonArray> readOperations(const QString& path, QString& error) {
    if (path.isEmpty()) {
        return QJsonArray();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Impossible de lire le fichier \"%1\" : %2.")
                    .arg(path, FileErrorText::describe(file));
        return std::nullopt;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isArray()) {
        error =
            QStringLiteral("Le fichier \"%1\" n'est pas une liste d'opérations JSON.").arg(path);
        return std::nullopt;
    }
    return document.array();
}

QStringList textOf(const QJsonObject& result) {
    QStringList text{
        QStringLiteral("Lignes : %1").arg(result.value(QStringLiteral("lines")).toArray().size()),
        QStringLiteral("Éléments de la page : %1")
            .arg(result.value(QStringLiteral("items")).toArray().size())};
    for (const QJsonValue& value : result.value(QStringLiteral("messages")).toArray()) {
        text.append(QStringLiteral("Message : ") +
                    value.toObject().value(QStringLiteral("text")).toString());
    }
    const auto list = [&result](const char* key) {
        QStringList numbers;
        for (const QJsonValue& value : result.value(QLatin1String(key)).toArray()) {
            numbers.append(QString::number(value.toInt()));
        }
        return numbers.join(QStringLiteral(", "));
    };
    text.append(QStringLiteral("Déposes refusées : ") + list("refused"));
    text.append(QStringLiteral("Opérations ignorées : ") + list("ignored"));
    return text;
}

}  // namespace

QString BracketCommand::summary() const {
    return QStringLiteral("la visualisation d'un tableau et ses modifications");
}

QString BracketCommand::details() const {
    return QStringLiteral(
               "Le tableau du fichier TABLEAU.json disposé comme à l'ouverture de la "
               "visualisation (la mise en place de la solution acceptée), puis les opérations "
               "de OPERATIONS.json dans l'ordre : {\"op\": \"drop\", \"source\": ÉLÉMENT, "
               "\"target\": ÉLÉMENT ou null}, {\"op\": \"seed\", \"line\": N}, {\"op\": "
               "\"empty\"}, {\"op\": \"redisplay\"}, {\"op\": \"undo\"}, {\"op\": \"redo\"}, ") +
           BracketDisplayOperations::Help() +
           QStringLiteral(
               ". Une opération qui ouvre la boîte de tête de série porte ses réponses : "
               "\"dialog\": [{\"text\": T, \"button\": \"ok\" | \"supprimer\" | \"close\"}] "
               "(le texte est tapé touche par touche, \"\\b\" efface ; sans réponse, la boîte "
               "est fermée). Le résultat : les lignes du tableau, les éléments de la page par "
               "nom, les messages, les déposes refusées (sur un élément qui ne les prend pas) "
               "et les opérations ignorées (un élément absent de la page ou qui ne se glisse "
               "pas).\n\n") +
           BracketOperations::ItemNamesHelp();
}

QList<CliCommand::Argument> BracketCommand::arguments() const {
    return {{QStringLiteral("TABLEAU.json"), QStringLiteral("le fichier de tableau")}};
}

QList<CliOption> BracketCommand::options() const {
    return {
        CliOption::Value(QStringLiteral("ops"), QStringLiteral("OPERATIONS.json"),
                         QStringLiteral("les opérations à appliquer, une liste JSON")),
        CliOption::Integer(QStringLiteral("zoom"), QStringLiteral("P"),
                           QStringLiteral("la page mise à l'échelle P / 100 à l'ouverture, comme "
                                          "« Zoom plus » (120) et « Zoom moins » (80)"))
            .within(10, 1000, QStringLiteral("Le zoom va de 10 à 1000 %.")),
    };
}

int BracketCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    const DrawFileJson::ReadResult read = DrawFileJson::ReadFile(call.argument(0));
    if (!read.draw) {
        return output.failure(read.error);
    }
    QString error;
    const std::optional<QJsonArray> operations =
        readOperations(call.value(QStringLiteral("ops")), error);
    if (!operations) {
        return output.failure(error);
    }
    BracketSession session;
    if (const QString failed = session.Open(*read.draw); !failed.isEmpty()) {
        return output.failure(failed);
    }
    if (const std::optional<int> zoom = call.integer(QStringLiteral("zoom"));
        zoom && *zoom != 100) {
        session.view().Zoom(*zoom);
    }
    if (const QString wrong = session.Run(*operations); !wrong.isEmpty()) {
        return output.failure(wrong);
    }
    const QJsonObject result = session.Result();
    return output.result(result, textOf(result));
}
