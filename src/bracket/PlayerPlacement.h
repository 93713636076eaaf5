#pragma once

#include <QString>

class FontSettings;
class Page;
class RecordTable;
class SeedDialog;

// What the mouse does to the players of a bracket, written into the draw table at once
// and shown on the page in place (colours, seed marks and the counts of other roster
// entries wait for the next full redisplay): a roster entry dropped on a name label
// places one of its players, a name label dropped on a roster entry returns its player,
// two name labels exchange their players, and a click on a name label opens the seed
// dialog. Items are named as the layout names them; a label's tag is its line.
class PlayerPlacement {
public:
    PlayerPlacement(Page& page, RecordTable& table, const FontSettings& fonts, int dimension,
                    int lineWidth);

    void Place(const QString& rosterEntry, const QString& label);
    void Return(const QString& label, const QString& rosterEntry);
    void Exchange(const QString& source, const QString& target);
    // False when the label stands for no line of the table: the dialog is not shown.
    bool Seed(const QString& label, SeedDialog& dialog);

    // "Supprimer tous les joueurs du tableau": every line but the outgoing qualifiers'
    // loses its player and its code; the numbers stay. False when the table could not
    // keep it (its errorText says why).
    static bool EmptyDraw(RecordTable& table);

private:
    // The line of a label, when the table holds it (the cursor then stands on it).
    int lineOf(const QString& label);
    void addIncomingMark(const QString& label, int numero);

    Page& page_;
    RecordTable& table_;
    const FontSettings& fonts_;
    int dimension_;
    int lineWidth_;
};
