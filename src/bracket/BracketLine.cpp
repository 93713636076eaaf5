#include "BracketLine.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

BracketLine BracketLine::Read(const RecordTable& table) {
    BracketLine line;
    line.FicheNumero = table.integer(DrawLine::FicheNumero);
    line.Position = table.integer(DrawLine::Position);
    line.Numero = table.integer(DrawLine::Numero);
    line.Information = table.integer(DrawLine::Information);
    line.Nom = table.text(DrawLine::Nom);
    line.Prenom = table.text(DrawLine::Prenom);
    line.Classement = table.text(DrawLine::Classement);
    line.TypeClassement = table.text(DrawLine::TypeClassement);
    line.Nationalite = table.text(DrawLine::Nationalite);
    return line;
}
