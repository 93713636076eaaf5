#include "DrawFileJson.h"

#include "core/FileErrorText.h"
#include "core/TextFileOpening.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr int Short = std::numeric_limits<std::int16_t>::max();
constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int MaxRankingLength = 5;
constexpr int MaxRankingCount = 2048;
constexpr int MaxSolution = 200;

QJsonValue optionalNumber(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// An integer of the range, or no value (with the message) for anything else.
std::optional<int> integerValue(const QJsonValue& value, const QString& name, int low, int high,
                                QString& error) {
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || std::trunc(number) != number || number < low || number > high) {
        if (error.isEmpty()) {
            error = QStringLiteral("\"%1\" doit être un nombre entier de %2 à %3")
                        .arg(name)
                        .arg(low)
                        .arg(high);
        }
        return std::nullopt;
    }
    return static_cast<int>(number);
}

// Reads the fields of one JSON object; the first wrong field ends the reading with its
// message, the later reads then give empty values.
class FieldReader {
public:
    FieldReader(const QJsonObject& object, QString path, QString& error)
        : object_(object), path_(std::move(path)), error_(error) {}

    int integer(const char* key, int low, int high) {
        const std::optional<int> value = optionalInteger(key, low, high);
        return value.value_or(0);
    }

    std::optional<int> optionalInteger(const char* key, int low, int high) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull() || !error_.isEmpty()) {
            return std::nullopt;
        }
        return integerValue(value, name(key), low, high, error_);
    }

    bool boolean(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull() || !error_.isEmpty()) {
            return false;
        }
        if (!value.isBool()) {
            fail(key, QStringLiteral("doit valoir true ou false"));
            return false;
        }
        return value.toBool();
    }

    QString text(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull() || !error_.isEmpty()) {
            return QString();
        }
        if (!value.isString()) {
            fail(key, QStringLiteral("doit être un texte"));
            return QString();
        }
        return value.toString();
    }

    QJsonArray array(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull() || !error_.isEmpty()) {
            return QJsonArray();
        }
        if (!value.isArray()) {
            fail(key, QStringLiteral("doit être une liste"));
        }
        return value.toArray();
    }

    QJsonObject object(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull() || !error_.isEmpty()) {
            return QJsonObject();
        }
        if (!value.isObject()) {
            fail(key, QStringLiteral("doit être un objet"));
        }
        return value.toObject();
    }

    QString name(const char* key) const { return path_ + QLatin1String(key); }

    void fail(const char* key, const QString& reason) {
        if (error_.isEmpty()) {
            error_ = QStringLiteral("\"%1\" %2").arg(name(key), reason);
        }
    }

private:
    QJsonObject object_;
    QString path_;
    QString& error_;
};

DrawFile::Line readLine(const QJsonValue& value, int index, QString& error) {
    const QString path = QStringLiteral("lines[%1].").arg(index);
    DrawFile::Line line;
    if (!value.isObject()) {
        error = QStringLiteral("\"lines[%1]\" doit être un objet").arg(index);
        return line;
    }
    FieldReader field(value.toObject(), path, error);
    // A null number is no number: it would load as a line 0, which no table holds.
    if (value.toObject().value(QStringLiteral("line")).isUndefined() ||
        value.toObject().value(QStringLiteral("line")).isNull()) {
        field.fail("line", QStringLiteral("manque : chaque ligne porte son numéro"));
    }
    line.line = field.integer("line", 1, IntMax);
    line.position = field.integer("position", IntMin, IntMax);
    line.numero = field.optionalInteger("numero", IntMin, IntMax);
    line.nom = field.text("nom");
    line.prenom = field.text("prenom");
    line.classement = field.text("classement");
    line.information = field.optionalInteger("information", IntMin, IntMax);
    line.typeClassement = field.text("typeClassement");
    line.nationalite = field.text("nationalite");
    return line;
}

void readRankings(FieldReader& top, DrawFile& draw, QString& error) {
    const QJsonArray rankings = top.array("rankings");
    if (rankings.size() > DrawFile::MaxRankings) {
        error = QStringLiteral("\"rankings\" a plus de %1 classements").arg(DrawFile::MaxRankings);
        return;
    }
    for (qsizetype at = 0; at < rankings.size() && error.isEmpty(); ++at) {
        if (!rankings[at].isObject()) {
            error = QStringLiteral("\"rankings[%1]\" doit être un objet").arg(at);
            return;
        }
        FieldReader field(rankings[at].toObject(), QStringLiteral("rankings[%1].").arg(at), error);
        DrawFile::Ranking ranking{field.text("name"), field.integer("count", 0, MaxRankingCount)};
        if (ranking.name.size() > MaxRankingLength) {
            field.fail("name", QStringLiteral("a plus de %1 caractères").arg(MaxRankingLength));
        }
        draw.rankings.append(ranking);
    }
}

void readStaggered(FieldReader& top, DrawFile& draw, QString& error) {
    FieldReader tee(top.object("tee"), QStringLiteral("tee."), error);
    draw.tee.solution = tee.integer("solution", 0, MaxSolution);
    const QJsonArray matches = tee.array("matches");
    if (matches.size() > DrawFile::Staggered::MatchCount && error.isEmpty()) {
        error = QStringLiteral("\"tee.matches\" a plus de %1 chiffres")
                    .arg(DrawFile::Staggered::MatchCount);
    }
    for (qsizetype at = 0; at < matches.size() && error.isEmpty(); ++at) {
        draw.tee.matches[static_cast<std::size_t>(at)] =
            integerValue(matches[at], QStringLiteral("tee.matches[%1]").arg(at), 0, Short, error)
                .value_or(0);
    }
    draw.tee.storedSolutions = tee.integer("storedSolutions", 0, MaxSolution);
    draw.tee.singleSolution = tee.boolean("singleSolution");
    draw.tee.manualEntry = tee.boolean("manualEntry");
    draw.tee.skeletonErrorText = tee.text("skeletonErrorText");
    draw.tee.skeletonErrorCount = tee.integer("skeletonErrorCount", 0, Short);
}

void readLineStart(FieldReader& top, DrawFile& draw, QString& error) {
    FieldReader tel(top.object("tel"), QStringLiteral("tel."), error);
    draw.tel.N = tel.integer("N", 0, Short);
    draw.tel.D = tel.integer("D", 0, DrawFile::MaxDimension);
    draw.tel.E = tel.integer("E", -Short, Short);
    draw.tel.NE = tel.integer("NE", -Short, Short);
    draw.tel.QS = tel.integer("QS", 0, Short);
    draw.tel.QE = tel.integer("QE", 0, Short);
}

DrawFileJson::ReadResult readDraw(const QJsonObject& object) {
    QString error;
    DrawFile draw;
    FieldReader top(object, QString(), error);
    const QString kind = top.text("kind");
    if (kind == DrawFile::KindName(DrawFile::Kind::Staggered)) {
        draw.kind = DrawFile::Kind::Staggered;
    } else if (kind == DrawFile::KindName(DrawFile::Kind::LineStart)) {
        draw.kind = DrawFile::Kind::LineStart;
    } else if (error.isEmpty()) {
        error = QStringLiteral("\"kind\" doit valoir \"TEE\" ou \"TEL\"");
    }
    draw.dimension = top.integer("dimension", 0, DrawFile::MaxDimension);
    draw.qualifiersOut = top.integer("qualifiersOut", 0, Short);
    draw.qualifiersIn = top.integer("qualifiersIn", 0, Short);
    draw.seeds = top.integer("seeds", 0, Short);
    draw.finalDraw = top.boolean("finalDraw");
    draw.couples = top.integer("couples", 0, Short);
    draw.compressions = top.integer("compressions", -Short, Short);
    draw.totalPlayers = top.integer("totalPlayers", 0, Short);
    draw.hideEmptyBranches = top.boolean("hideEmptyBranches");
    readRankings(top, draw, error);
    if (!object.contains(QStringLiteral("lines")) && error.isEmpty()) {
        error = QStringLiteral("\"lines\" manque : il n'y a pas de lignes de tableau");
    }
    const QJsonArray lines = top.array("lines");
    std::set<int> numbers;
    for (qsizetype at = 0; at < lines.size() && error.isEmpty(); ++at) {
        const DrawFile::Line line = readLine(lines[at], static_cast<int>(at), error);
        if (error.isEmpty() && !numbers.insert(line.line).second) {
            error = QStringLiteral("la ligne %1 figure deux fois").arg(line.line);
        }
        draw.lines.append(line);
    }
    if (draw.kind == DrawFile::Kind::Staggered) {
        readStaggered(top, draw, error);
    } else {
        readLineStart(top, draw, error);
    }
    if (!error.isEmpty()) {
        return {std::nullopt, error};
    }
    std::sort(draw.lines.begin(), draw.lines.end(),
              [](const DrawFile::Line& a, const DrawFile::Line& b) { return a.line < b.line; });
    return {draw, QString()};
}

}  // namespace

QJsonObject DrawFileJson::LineJson(const DrawFile::Line& line) {
    return {{QStringLiteral("line"), line.line},
            {QStringLiteral("position"), line.position},
            {QStringLiteral("numero"), optionalNumber(line.numero)},
            {QStringLiteral("nom"), line.nom},
            {QStringLiteral("prenom"), line.prenom},
            {QStringLiteral("classement"), line.classement},
            {QStringLiteral("information"), optionalNumber(line.information)},
            {QStringLiteral("typeClassement"), line.typeClassement},
            {QStringLiteral("nationalite"), line.nationalite}};
}

QJsonArray DrawFileJson::LinesJson(const QList<DrawFile::Line>& lines) {
    QJsonArray array;
    for (const DrawFile::Line& line : lines) {
        array.append(LineJson(line));
    }
    return array;
}

QJsonObject DrawFileJson::ToJson(const DrawFile& draw) {
    QJsonArray rankings;
    for (const DrawFile::Ranking& ranking : draw.rankings) {
        rankings.append(QJsonObject{{QStringLiteral("name"), ranking.name},
                                    {QStringLiteral("count"), ranking.count}});
    }
    QJsonObject object{{QStringLiteral("kind"), DrawFile::KindName(draw.kind)},
                       {QStringLiteral("dimension"), draw.dimension},
                       {QStringLiteral("qualifiersOut"), draw.qualifiersOut},
                       {QStringLiteral("qualifiersIn"), draw.qualifiersIn},
                       {QStringLiteral("seeds"), draw.seeds},
                       {QStringLiteral("finalDraw"), draw.finalDraw},
                       {QStringLiteral("couples"), draw.couples},
                       {QStringLiteral("compressions"), draw.compressions},
                       {QStringLiteral("totalPlayers"), draw.totalPlayers},
                       {QStringLiteral("rankings"), rankings},
                       {QStringLiteral("hideEmptyBranches"), draw.hideEmptyBranches},
                       {QStringLiteral("lines"), LinesJson(draw.lines)}};
    if (draw.kind == DrawFile::Kind::Staggered) {
        QJsonArray matches;
        for (int figure : draw.tee.matches) {
            matches.append(figure);
        }
        object.insert(
            QStringLiteral("tee"),
            QJsonObject{{QStringLiteral("solution"), draw.tee.solution},
                        {QStringLiteral("matches"), matches},
                        {QStringLiteral("storedSolutions"), draw.tee.storedSolutions},
                        {QStringLiteral("singleSolution"), draw.tee.singleSolution},
                        {QStringLiteral("manualEntry"), draw.tee.manualEntry},
                        {QStringLiteral("skeletonErrorText"), draw.tee.skeletonErrorText},
                        {QStringLiteral("skeletonErrorCount"), draw.tee.skeletonErrorCount}});
    } else {
        object.insert(QStringLiteral("tel"), QJsonObject{{QStringLiteral("N"), draw.tel.N},
                                                         {QStringLiteral("D"), draw.tel.D},
                                                         {QStringLiteral("E"), draw.tel.E},
                                                         {QStringLiteral("NE"), draw.tel.NE},
                                                         {QStringLiteral("QS"), draw.tel.QS},
                                                         {QStringLiteral("QE"), draw.tel.QE}});
    }
    return object;
}

DrawFileJson::ReadResult DrawFileJson::Parse(const QByteArray& bytes, const QString& source) {
    const auto refused = [&source](const QString& reason) {
        return ReadResult{
            std::nullopt,
            QStringLiteral("Le fichier \"%1\" n'est pas un tableau : %2.").arg(source, reason)};
    };
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        return refused(QStringLiteral("ce n'est pas du JSON lisible (%1, position %2)")
                           .arg(parsed.errorString())
                           .arg(parsed.offset));
    }
    if (!document.isObject()) {
        return refused(QStringLiteral("il ne contient pas un objet JSON"));
    }
    ReadResult result = readDraw(document.object());
    if (!result.draw) {
        return refused(result.error);
    }
    return result;
}

DrawFileJson::ReadResult DrawFileJson::ReadFile(const QString& path) {
    // A draw of 1024 entries takes a few hundred kilobytes; the bound keeps a folder, a
    // FIFO, a device or a huge file from blocking or filling the memory.
    constexpr qint64 maxBytes = 16 * TextFileOpening::MaxBytes;
    QFile file(path);
    QString reason;
    switch (TextFileOpening::open(file, reason, maxBytes)) {
        case TextFileOpening::Status::Missing:
            reason = QStringLiteral("il n'existe pas");
            break;
        case TextFileOpening::Status::Refused:
            break;
        case TextFileOpening::Status::Opened: {
            const QByteArray bytes = file.read(maxBytes + 1);
            if (bytes.size() <= maxBytes) {
                return Parse(bytes, path);
            }
            reason = TextFileOpening::tooLargeReason(maxBytes);
            break;
        }
    }
    return {std::nullopt,
            QStringLiteral("Impossible de lire le fichier \"%1\" : %2.").arg(path, reason)};
}

QString DrawFileJson::WriteFile(const QString& path, const DrawFile& draw) {
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(ToJson(draw)).toJson(QJsonDocument::Indented);
    // The explicit flush reports a write cut short, which commit() alone may miss.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = FileErrorText::describe(file);
        file.cancelWriting();
        return QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2.").arg(path, reason);
    }
    if (!file.commit()) {
        return QStringLiteral("Impossible d'écrire le fichier \"%1\" : %2.")
            .arg(path, FileErrorText::describe(file));
    }
    return QString();
}
