#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>
#include <utility>

// One record of "TMVERIFI.DB": what the rules check found for one key (a ranking, the
// seeds, one seed, the incoming or outgoing qualifiers, a pair of qualifiers that meet).
struct RuleFinding {
    QString Type;
    int NBTrouve = 0;
    int NumTourDeb = 0;
    int NumTourFin = 0;
    int NumClass = -1;
    bool J1ClassJ2 = false;
    QString Nom;
    QString Prenom;

    bool operator==(const RuleFinding&) const = default;
};

// The findings of one rules check, as the two host tables keep them: the rule records
// by Type in the order of their Windows-1252 bytes, the recommendations by line then
// Type, each pair of line and Type once.
class RuleFindings {
public:
    RuleFinding* find(const QString& type);
    const RuleFinding* find(const QString& type) const;
    // Adds a record whose Type no record holds yet.
    void append(const RuleFinding& finding);
    void remove(const QString& type);
    // The rule records in key order.
    QList<const RuleFinding*> rules() const;
    bool hasRules() const { return !rules_.empty(); }

    void recommend(int line, const QString& type);
    // The Types recommended on the line, in Type order.
    QStringList recommendationsOf(int line) const;
    const std::set<std::pair<int, QString>>& recommendations() const { return recommendations_; }

    // Empties "TMVERIFI.DB" and "TMVRFRec.db" of the folder and writes the findings into
    // them. Empty on success, else why a table could not be written.
    QString Save(const QString& location) const;
    // The rule records "TMVERIFI.DB" of the folder holds; none when it cannot be read.
    static std::optional<RuleFindings> LoadRules(const QString& location);

private:
    std::map<QByteArray, RuleFinding> rules_;
    std::set<std::pair<int, QString>> recommendations_;
};
