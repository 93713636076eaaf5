#include "ExportDrawCommand.h"

#include "CliCall.h"
#include "CliOutput.h"

#include "drawtable/DrawExchange.h"
#include "drawtable/DrawFileJson.h"
#include "drawtable/TableNames.h"

#include <QFileInfo>

namespace {

QString optional(const std::optional<int>& value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

QStringList textOf(const DrawFile& draw) {
    QStringList text{
        QStringLiteral("Tableau %1 de %2 entrées")
            .arg(DrawFile::KindName(draw.kind))
            .arg(draw.dimension),
        QStringLiteral("Qualifiés sortants : %1, qualifiés entrants : %2, têtes de série : %3")
            .arg(draw.qualifiersOut)
            .arg(draw.qualifiersIn)
            .arg(draw.seeds),
        QStringLiteral("Joueurs : %1").arg(draw.totalPlayers)};
    for (const DrawFile::Ranking& ranking : draw.rankings) {
        text.append(QStringLiteral("  %1 : %2").arg(ranking.name).arg(ranking.count));
    }
    text.append(QStringLiteral("Lignes du tableau :"));
    for (const DrawFile::Line& line : draw.lines) {
        text.append(QStringLiteral("  ligne %1 : position %2, numéro %3, nom \"%4\", prénom \"%5\"")
                        .arg(line.line)
                        .arg(line.position)
                        .arg(optional(line.numero), line.nom, line.prenom));
    }
    return text;
}

}  // namespace

QString ExportDrawCommand::summary() const {
    return QStringLiteral("le tableau de travail d'un dossier, en fichier de tableau");
}

QString ExportDrawCommand::details() const {
    return QStringLiteral(
        "Les lignes de la table de travail du dossier DOSSIER (\"Tmpaaaa.db\" ou \"Tmpaaaa2.db\" "
        "selon le dernier tableau construit ou affiché dans ce dossier ; avec --host, la table "
        "de l'application hôte) et les chiffres gardés dans \"TmpTableau.json\", en un seul "
        "objet JSON : celui que lisent les commandes bracket, de vérification et "
        "d'impression.");
}

QList<CliOption> ExportDrawCommand::options() const {
    return {
        CliOption::Value(QStringLiteral("data"), QStringLiteral("DOSSIER"),
                         QStringLiteral("dossier des tables"))
            .mandatory(),
        CliOption::Switch(QStringLiteral("host"),
                          QStringLiteral("la table de l'application hôte plutôt que la table de "
                                         "travail")),
    };
}

int ExportDrawCommand::run(CliCall& call) {
    CliOutput& output = call.output();
    const QString folder = call.value(QStringLiteral("data"));
    if (!QFileInfo(folder).isDir()) {
        return output.failure(QStringLiteral("Le dossier \"%1\" n'existe pas.").arg(folder));
    }
    const QString table = call.isSet(QStringLiteral("host")) ? TableNames::DefaultHost : QString();
    const DrawExchange::Result read = DrawExchange::FromFolder(folder, folder, table);
    if (!read.draw) {
        return output.failure(read.error);
    }
    return output.result(DrawFileJson::ToJson(*read.draw), textOf(*read.draw));
}
