#pragma once

#include <QString>

// The names of the staircase entry screen's labels, which say what each one is and where
// it stands: "Effectif" and a ranking row for the pool, "Escalier" + tour + "_00" for a
// tour header, "LigneEscal" + tour + "_" + row for a staircase line, "FinEscalier" + tour
// + "_00" for a tour footer. Tours and rows are written on two digits.
namespace EntryNames {

// n on that many digits with leading zeros: the last digits of 10^digits + n.
inline QString IntToStrZERO(int n, int digits) {
    int power = 1;
    for (int i = 0; i < digits; ++i) {
        power *= 10;
    }
    return QString::number(power + n).right(digits);
}

inline QString pool(int row) {
    return QStringLiteral("Effectif") + QString::number(row);
}
inline QString header(int tour) {
    return QStringLiteral("Escalier") + IntToStrZERO(tour, 2) + QStringLiteral("_00");
}
inline QString line(int tour, int row) {
    return QStringLiteral("LigneEscal") + IntToStrZERO(tour, 2) + QLatin1Char('_') +
           IntToStrZERO(row, 2);
}
inline QString footer(int tour) {
    return QStringLiteral("FinEscalier") + IntToStrZERO(tour, 2) + QStringLiteral("_00");
}
// The arrow of a label drawn with one: its line and its "---->" label.
inline QString arrowLine(const QString& name) {
    return QStringLiteral("Trait") + name;
}
inline QString arrowLabel(const QString& name) {
    return QStringLiteral("Fleche") + name;
}

inline bool isPool(const QString& name) {
    return name.startsWith(QStringLiteral("Effectif"));
}
inline bool isHeader(const QString& name) {
    return name.startsWith(QStringLiteral("Escalier"));
}
inline bool isLine(const QString& name) {
    return name.startsWith(QStringLiteral("LigneEscal"));
}
// The labels that react to the mouse and open the entry's context menu.
inline bool isActive(const QString& name) {
    return isPool(name) || isHeader(name) || isLine(name);
}

// The tour of a header, from characters 9 and 10 of its name; 0 when unreadable.
inline int headerTour(const QString& name) {
    return name.mid(8, 2).toInt();
}
// The row of a line, from the two characters after the "_" of its name; 0 when none.
inline int lineRow(const QString& name) {
    const qsizetype at = name.indexOf(QLatin1Char('_'));
    return at < 0 ? 0 : name.mid(at + 1, 2).toInt();
}

}  // namespace EntryNames
