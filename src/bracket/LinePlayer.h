#pragma once

#include <QString>

#include <optional>

class RecordTable;

// What a draw line holds that moves when players are exchanged: the player, the line's
// code and the number that goes with it.
struct LinePlayer {
    QString nom;
    QString prenom;
    QString classement;
    int position = 0;
    std::optional<int> numero;  // none when empty

    // From the table's current line.
    static LinePlayer Read(const RecordTable& table);
    // Onto the table's current line, with the code and the number when asked, then posted.
    void Write(RecordTable& table, bool withPosition, bool withNumero) const;
};
