#pragma once

#include <QString>

class RecordTable;

// What the bracket shows of one draw line, read from the table's current line.
struct BracketLine {
    int FicheNumero = 0;
    int Position = 0;
    int Numero = 0;
    int Information = 0;
    QString Nom;
    QString Prenom;
    QString Classement;
    QString TypeClassement;
    QString Nationalite;

    static BracketLine Read(const RecordTable& table);

    // A line with content holds a name or a position code.
    bool hasContent() const { return !Nom.isEmpty() || Position > 0; }
    bool isEntrantCode() const { return Position >= 1 && Position <= 3; }
};
