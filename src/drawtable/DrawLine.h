#pragma once

#include <QString>

// The names of the fields of a draw line, and what its Position holds.
struct DrawLine {
    static inline const QString FicheNumero = QStringLiteral("FicheNumero");
    static inline const QString Position = QStringLiteral("Position");
    static inline const QString Numero = QStringLiteral("Numero");
    static inline const QString Nom = QStringLiteral("Nom");
    static inline const QString Prenom = QStringLiteral("Prenom");
    static inline const QString Classement = QStringLiteral("Classement");
    static inline const QString Information = QStringLiteral("Information");
    static inline const QString TypeClassement = QStringLiteral("TypeClassement");
    static inline const QString Nationalite = QStringLiteral("Nationalite");

    // Codes 4, 6 and 7 are written by the host application only.
    enum PositionCode : int {
        Blocked = -1,
        Empty = 0,
        Entrant = 1,
        Seed = 2,
        IncomingQualifier = 3,
        OutgoingQualifier = 5,
    };
};
