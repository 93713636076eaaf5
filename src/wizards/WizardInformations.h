#pragma once

#include <QString>

// What both wizards show in their "Informations" box: the values of its seven rows, by
// the names of their labels, and which of the rows that can be hidden are shown.
struct WizardInformations {
    QString LabelEffectif;          // N: the players, incoming qualifiers included
    QString LabelQualifieSortants;  // q
    QString LabelQualifieEntrants;  // Q
    QString LabelDimensionTableau;  // D
    QString LabelNBExempts;         // the byes, or the couples of a staggered-entry draw
    QString LabelNONExempts;        // the players of round 1, or the compressions
    QString LabelTetesSerie;        // S
    bool DimensionVisible = true;   // Label4Dimension and LabelDimensionTableau
    bool SeedsVisible = true;       // Label7TetesSerie and LabelTetesSerie
};
