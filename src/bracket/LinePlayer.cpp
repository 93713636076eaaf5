#include "LinePlayer.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"

LinePlayer LinePlayer::Read(const RecordTable& table) {
    LinePlayer player{table.text(DrawLine::Nom), table.text(DrawLine::Prenom),
                      table.text(DrawLine::Classement), table.integer(DrawLine::Position),
                      std::nullopt};
    if (!table.isNull(DrawLine::Numero)) {
        player.numero = table.integer(DrawLine::Numero);
    }
    return player;
}

void LinePlayer::Write(RecordTable& table, bool withPosition, bool withNumero) const {
    table.setText(DrawLine::Nom, nom);
    table.setText(DrawLine::Prenom, prenom);
    table.setText(DrawLine::Classement, classement);
    if (withPosition) {
        table.setInteger(DrawLine::Position, position);
    }
    if (withNumero && numero) {
        table.setInteger(DrawLine::Numero, *numero);
    } else if (withNumero) {
        table.clear(DrawLine::Numero);
    }
    table.Post();
}
