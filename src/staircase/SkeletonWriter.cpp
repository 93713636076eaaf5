#include "SkeletonWriter.h"

#include "core/Prompter.h"
#include "core/StaircaseState.h"
#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

SkeletonWriter::SkeletonWriter(RecordTable& table, int dimension, StaircaseState& state,
                               Prompter& prompter)
    : table_(table), lines_(dimension), state_(state), prompter_(prompter) {}

bool SkeletonWriter::seek(int tableLine) {
    return tableLine >= 1 && table_.FindKey({tableLine});
}

bool SkeletonWriter::isFree(int line, int round) {
    return line >= 1 && seek(TrouveNumeroEnregistrement(line, round)) &&
           table_.integer(DrawLine::Position) == DrawLine::Empty;
}

bool SkeletonWriter::MetDonneesBD(int line, int number, const QString& name, int position,
                                  int round) {
    if (line < 1 || !seek(TrouveNumeroEnregistrement(line, round))) {
        report(PlacementProblem(name));
        return false;
    }
    const QString current = table_.text(DrawLine::Nom);
    const bool reserved = current == Reservation;
    // A qualifier line has no name but is taken all the same: writing over it would lose
    // the qualifier without a word.
    if (!reserved && (!current.isEmpty() || table_.integer(DrawLine::Position) != 0)) {
        report(PlacementProblem(name));
        return false;
    }
    table_.setInteger(DrawLine::Position, position);
    table_.setInteger(DrawLine::Numero, isQualifierName(name) ? 0 : number);
    table_.setText(DrawLine::Nom, name);
    return table_.Post();
}

int SkeletonWriter::CherchePlaceLibre(int start, int step, int round) {
    const int stride = step < 0 ? -1 : 1;
    for (int line = start; line >= 1; line += stride) {
        const int tableLine = TrouveNumeroEnregistrement(line, round);
        if (tableLine > lines_.LineCount()) {
            return 0;
        }
        if (isFree(line, round)) {
            return line;
        }
    }
    return 0;
}

void SkeletonWriter::BloqueBranches(int tableLine) {
    const LineAddressing::Feeders feeders = lines_.FeederLines(tableLine);
    for (const int feeder : {feeders.first, feeders.second}) {
        if (feeder >= 1 && seek(feeder)) {
            table_.setText(DrawLine::Nom, BlockedName);
            table_.setInteger(DrawLine::Position, DrawLine::Blocked);
            table_.Post();
            BloqueBranches(feeder);
        }
    }
}

void SkeletonWriter::PlaceEntrant(int line, int k, int round, const QString& name, int position) {
    MetDonneesBD(line, k, name, position, round);
    BloqueBranches(TrouveNumeroEnregistrement(line, round));
}

void SkeletonWriter::PlacePartenaire(int h, int round, const QString& name) {
    int line = h % 2 == 0 ? h - 1 : h + 1;
    if (!isFree(line, round)) {
        const int other = CherchePlaceLibre(2, 1, round);
        if (other != 0) {
            line = other;
        }
    }
    if (isQualifierName(name)) {
        MetDonneesBD(line, 0, QString(), DrawLine::IncomingQualifier, round);
    } else {
        MetDonneesBD(line, 0, name, DrawLine::Entrant, round);
    }
    BloqueBranches(TrouveNumeroEnregistrement(line, round));
}

void SkeletonWriter::ClearBlocked() {
    for (table_.First(); !table_.Eof(); table_.Next()) {
        if (table_.text(DrawLine::Nom) == BlockedName) {
            table_.clear(DrawLine::Nom);
            table_.setInteger(DrawLine::Position, DrawLine::Empty);
            table_.Post();
        }
    }
}

void SkeletonWriter::report(const QString& text) {
    state_.SkeletonErrorText = text;
    ++state_.SkeletonErrorCount;
    prompter_.message(text);
}

bool SkeletonWriter::isQualifierName(const QString& name) {
    return name.trimmed().compare(QLatin1String("q"), Qt::CaseInsensitive) == 0;
}

QString SkeletonWriter::IncompleteMessage() {
    return QStringLiteral("Solution incorrecte et incomplète...");
}

QString SkeletonWriter::PlacementProblem(const QString& name) {
    const QString what = name.isEmpty()
                             ? QStringLiteral("Problème de mise en place de qualifié entrant")
                             : QStringLiteral("Problème de mise en place d'un classement ") + name;
    return what + QStringLiteral("\nEscalier non exploitable.");
}
