#pragma once

// What the print options dialog of the draw returns.
struct DrawPrintOptions {
    int PerSheet = 64;                  // the list "Tableau de … maximum par feuille"
    bool SansCadre = true;              // "Sans encadrement nom du joueur"
    bool AvecBranchesVides = false;     // "Tableau avec les branches vides"
    bool AvecBranchesFinTab = false;    // "Avec branches fin de tableau"
    bool TitrePremiereFeuille = false;  // "Titre sur la première feuille"
    bool UneFeuille = false;            // "Edition feuille à feuille pour enregistrement"
    bool Impression = false;            // "Impression" rather than "Prévisualisation"
    bool Paysage = false;               // "Paysage" rather than "Portrait"

    bool operator==(const DrawPrintOptions&) const = default;
};
