#include "TableTestSupport.h"

#include "core/StaircaseState.h"
#include "drawtable/DrawExchange.h"
#include "drawtable/DrawFileJson.h"

#include <QFile>
#include <QJsonDocument>

namespace {

QStringList names(std::initializer_list<const char*> list) {
    QStringList all;
    for (const char* name : list) {
        all.append(QString::fromLatin1(name));
    }
    return all;
}

// A staggered-entry draw of 4 as the staircase view leaves it: a seed, an entrant, an
// incoming qualifier without number, the outgoing qualifier, and solution 2 shown.
class DrawFileFixture : public DrawTableFixture {
protected:
    void SetUp() override {
        RecordTable& table = numberedTable(7);
        writeLine(table, 1, DrawLine::Seed, QStringLiteral("15/2"), 1);
        writeLine(table, 2, DrawLine::Entrant, QStringLiteral("30"), 0);
        table.setText(DrawLine::Prenom, QStringLiteral("Jean"));
        table.setText(DrawLine::Classement, QStringLiteral("30"));
        table.setInteger(DrawLine::Information, 2);
        table.setText(DrawLine::TypeClassement, QStringLiteral("A"));
        table.setText(DrawLine::Nationalite, QStringLiteral("FRA"));
        ASSERT_TRUE(table.Post());
        writeLine(table, 3, DrawLine::IncomingQualifier, QString(), std::nullopt);
        writeLine(table, 7, DrawLine::OutgoingQualifier, QString(), 1);
        table_.reset();

        state_.Rankings[1] = {QStringLiteral("15/2"), 1, 0};
        state_.Rankings[2] = {QStringLiteral("30  "), 2, 0};
        state_.Dimension = 4;
        state_.QualifiersOut = 1;
        state_.QualifiersIn = 1;
        state_.Couples = 3;
        state_.Compressions = -1;
        state_.TotalPlayers = 4;
        state_.Solutions[2].Matches = {1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 7, 7, 7};
        state_.StoredSolutions = 5;
        state_.SkeletonErrorText = QStringLiteral("Une erreur, une autre");
        state_.SkeletonErrorCount = 2;
        view_ = {DrawFile::Kind::Staggered, true, 1, 2, 0, 0};
    }

    static void writeLine(RecordTable& table, int line, int position, const QString& nom,
                          std::optional<int> numero) {
        ASSERT_TRUE(table.FindKey({line}));
        table.setInteger(DrawLine::Position, position);
        table.setText(DrawLine::Nom, nom);
        if (numero) {
            table.setInteger(DrawLine::Numero, *numero);
        }
        ASSERT_TRUE(table.Post());
    }

    static QString parseError(const char* json) {
        const DrawFileJson::ReadResult read =
            DrawFileJson::Parse(QByteArray(json), QStringLiteral("t.json"));
        EXPECT_FALSE(read.draw.has_value()) << json;
        return read.error;
    }

    StaircaseState state_;
    DrawExchange::View view_;
};

}  // namespace

TEST_F(DrawFileFixture, BuildsTheDrawFromTheTableAndTheState) {
    const DrawExchange::Result built =
        DrawExchange::Build(location(), QStringLiteral("Tmpaaaa.db"), state_, view_);
    ASSERT_TRUE(built.draw) << built.error.toStdString();
    const DrawFile& draw = *built.draw;
    EXPECT_EQ(draw.dimension, 4);
    EXPECT_EQ(draw.couples, 3);
    EXPECT_EQ(draw.compressions, -1);
    ASSERT_EQ(draw.rankings.size(), 2);
    EXPECT_EQ(draw.rankings[1].name, QStringLiteral("30  "));  // padded as stored
    EXPECT_EQ(draw.tee.solution, 2);
    EXPECT_EQ(draw.tee.matches, (std::array<int, 10>{1, 1, 2, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(draw.lines.size(), 7);
    EXPECT_EQ(draw.lines[0].numero, 1);
    EXPECT_EQ(draw.lines[1].information, 2);
    EXPECT_EQ(draw.lines[2].numero, std::nullopt);  // an empty Numero is no value
    EXPECT_EQ(draw.lines[3].information, std::nullopt);

    const QJsonObject json = DrawFileJson::ToJson(draw);
    EXPECT_EQ(json.keys(), names({"compressions", "couples", "dimension", "finalDraw",
                                  "hideEmptyBranches", "kind", "lines", "qualifiersIn",
                                  "qualifiersOut", "rankings", "seeds", "tee", "totalPlayers"}));
    const QJsonObject line = json.value(QStringLiteral("lines")).toArray().at(2).toObject();
    EXPECT_TRUE(line.value(QStringLiteral("numero")).isNull());
    EXPECT_EQ(line.keys(), names({"classement", "information", "line", "nationalite", "nom",
                                  "numero", "position", "prenom", "typeClassement"}));
}

TEST_F(DrawFileFixture, ALoadedDrawBuildsBackTheSameFile) {
    const DrawFile draw =
        *DrawExchange::Build(location(), QStringLiteral("Tmpaaaa.db"), state_, view_).draw;
    const DrawFileJson::ReadResult read = DrawFileJson::Parse(
        QJsonDocument(DrawFileJson::ToJson(draw)).toJson(), QStringLiteral("t.json"));
    ASSERT_TRUE(read.draw) << read.error.toStdString();
    EXPECT_EQ(*read.draw, draw);

    QTemporaryDir fresh;
    StaircaseState loaded;
    loaded.Rankings[5] = {QStringLiteral("NC"), 9, 0};  // what an earlier draw left
    ASSERT_EQ(DrawExchange::Load(*read.draw, fresh.path(), loaded), QString());
    EXPECT_TRUE(loaded.Rankings[5].Name.isEmpty());
    EXPECT_EQ(loaded.Solutions[2].Matches[2], 2);
    EXPECT_EQ(loaded.SkeletonErrorCount, 2);
    const DrawExchange::Result again = DrawExchange::Build(
        fresh.path(), QStringLiteral("Tmpaaaa.db"), loaded, DrawExchange::ViewOf(*read.draw));
    ASSERT_TRUE(again.draw);
    EXPECT_EQ(*again.draw, draw);
}

TEST_F(DrawFileFixture, ALineStartDrawHasItsFiguresAndNoCouples) {
    view_ = {DrawFile::Kind::LineStart, false, 2, 0, 3, 5};
    const DrawFile draw = DrawExchange::FromState(state_, view_);
    EXPECT_EQ(draw.couples, 0);  // left by a staggered-entry search
    EXPECT_EQ(draw.compressions, 0);
    EXPECT_EQ(draw.tel, (DrawFile::LineStart{4, 4, 3, 5, 1, 1}));
    const QJsonObject json = DrawFileJson::ToJson(draw);
    EXPECT_FALSE(json.contains(QStringLiteral("tee")));
    EXPECT_EQ(json.value(QStringLiteral("tel")).toObject().keys(),
              names({"D", "E", "N", "NE", "QE", "QS"}));
    EXPECT_EQ(DrawExchange::TableName(draw.kind), QStringLiteral("Tmpaaaa2.db"));
}

TEST_F(DrawFileFixture, AMissingLineFieldReadsEmpty) {
    const DrawFileJson::ReadResult read = DrawFileJson::Parse(
        R"({"kind": "TEL", "lines": [{"line": 3, "nom": "NC"}, {"line": 1}]})", QString());
    ASSERT_TRUE(read.draw) << read.error.toStdString();
    ASSERT_EQ(read.draw->lines.size(), 2);
    DrawFile::Line first;
    first.line = 1;
    EXPECT_EQ(read.draw->lines[0], first);  // in line order
    EXPECT_EQ(read.draw->lines[1].nom, QStringLiteral("NC"));
    EXPECT_EQ(read.draw->lines[1].numero, std::nullopt);
    EXPECT_EQ(read.draw->tel, DrawFile::LineStart{});
}

// A null line number once loaded as a line 0, which the file written back then refused.
TEST_F(DrawFileFixture, ALineWithANullNumberIsRefused) {
    EXPECT_EQ(parseError(R"({"kind": "TEL", "lines": [{"line": null, "nom": "NC"}]})"),
              QStringLiteral("Le fichier \"t.json\" n'est pas un tableau : \"lines[0].line\" "
                             "manque : chaque ligne porte son numéro."));
}

TEST_F(DrawFileFixture, AFileThatIsNoDrawIsToldWhy) {
    EXPECT_EQ(parseError("[1, 2]"),
              QStringLiteral("Le fichier \"t.json\" n'est pas un tableau : il ne contient pas un "
                             "objet JSON."));
    EXPECT_TRUE(parseError("{\"kind\": ").contains(QStringLiteral("ce n'est pas du JSON")));
    EXPECT_EQ(parseError(R"({"kind": "XYZ", "lines": []})"),
              QStringLiteral("Le fichier \"t.json\" n'est pas un tableau : \"kind\" doit valoir "
                             "\"TEE\" ou \"TEL\"."));
    EXPECT_TRUE(parseError(R"({"kind": "TEE"})").contains(QStringLiteral("\"lines\" manque")));
    EXPECT_TRUE(parseError(R"({"kind": "TEE", "lines": [{"position": 1}]})")
                    .contains(QStringLiteral("\"lines[0].line\" manque")));
    EXPECT_TRUE(parseError(R"({"kind": "TEE", "lines": [{"line": 2}, {"line": 2}]})")
                    .contains(QStringLiteral("la ligne 2 figure deux fois")));
    EXPECT_TRUE(
        parseError(R"({"kind": "TEE", "dimension": 2.5, "lines": []})")
            .contains(QStringLiteral("\"dimension\" doit être un nombre entier de 0 à 2048")));
    EXPECT_TRUE(parseError(R"({"kind": "TEE", "lines": [{"line": 1, "nom": 4}]})")
                    .contains(QStringLiteral("\"lines[0].nom\" doit être un texte")));
    EXPECT_TRUE(parseError(R"({"kind": "TEE", "lines": [], "tee": {"matches": [1, -1]}})")
                    .contains(QStringLiteral("\"tee.matches[1]\"")));
    EXPECT_TRUE(parseError(R"({"kind": "TEE", "lines": [], "rankings": [{"name": "N°1000"}]})")
                    .contains(QStringLiteral("\"rankings[0].name\" a plus de 5 caractères")));
    EXPECT_TRUE(DrawFileJson::ReadFile(location() + QStringLiteral("/none.json"))
                    .error.startsWith(QStringLiteral("Impossible de lire le fichier")));
}

TEST_F(DrawFileFixture, AFolderKeepsTheFiguresOfItsLastDraw) {
    const DrawExchange::Result none = DrawExchange::FromFolder(location(), location(), QString());
    EXPECT_TRUE(none.error.contains(QStringLiteral("ne garde les chiffres d'aucun tableau")));

    ASSERT_EQ(DrawExchange::SaveFigures(location(), state_, view_), QString());
    EXPECT_TRUE(QFile::exists(location() + QStringLiteral("/TmpTableau.json")));
    DrawExchange::Result kept = DrawExchange::FromFolder(location(), location(), QString());
    ASSERT_TRUE(kept.draw) << kept.error.toStdString();
    EXPECT_EQ(kept.draw->lines.size(), 7);
    EXPECT_EQ(kept.draw->tee.storedSolutions, 5);

    // A line-start draw shown afterwards is the folder's draw; its table is missing here.
    ASSERT_EQ(DrawExchange::SaveFigures(location(), state_,
                                        {DrawFile::Kind::LineStart, false, 0, 0, 0, 0}),
              QString());
    kept = DrawExchange::FromFolder(location(), location(), QString());
    EXPECT_TRUE(kept.error.contains(QStringLiteral("Tmpaaaa2.db\" n'existe pas")));
    // The host's table is read with the figures of the last draw.
    kept = DrawExchange::FromFolder(location(), location(), QStringLiteral("Tmpaaaa.db"));
    ASSERT_TRUE(kept.draw);
    EXPECT_EQ(kept.draw->kind, DrawFile::Kind::LineStart);
    EXPECT_EQ(kept.draw->lines.size(), 7);
}
