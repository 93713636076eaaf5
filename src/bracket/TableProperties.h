#pragma once

#include "BracketGeometry.h"

#include <QString>
#include <QStringList>

struct BracketSettings;

// The values of the properties dialog ("Propriétés du tableau"): what it shows when it
// opens and what its OK does to the bracket view's settings and geometry.
struct TableProperties {
    static constexpr int MinPercent = 50;
    static constexpr int MaxPercent = 200;
    static constexpr int PercentStep = 10;
    static constexpr int FullSize = 100;

    bool WithoutFrame = true;        // "Sans encadrement nom du joueur": not used by the view
    bool WithEmptyBranches = false;  // "Tableau avec les branches vides"
    bool EndBranches = false;        // "Avec branches fin de tableau"
    // Branches beyond the qualifiers only make sense when the draw fills its power of two.
    bool EndBranchesEnabled = false;
    int Dimension = 1;       // the smallest power of two not below the draw's dimension
    int Percent = FullSize;  // "Affichage du tableau", back to 100 at every opening

    // What the dialog shows for the view's settings and the draw's dimension.
    static TableProperties Of(const BracketSettings& settings, int drawDimension);

    // The items of the dimension list, and the one showing Dimension (-1 when none does).
    static const QStringList& DimensionItems();
    int DimensionItem() const;

    // Whether the spin edit offers the display value: 50 to 200 in steps of 10.
    static bool Offered(int percent) {
        return percent >= MinPercent && percent <= MaxPercent && percent % PercentStep == 0;
    }

    // OK: the empty branches and the end branches into the settings.
    void ApplyTo(BracketSettings& settings) const;
    // The geometry of the display value: U = 10 p, W = S = 50 p.
    BracketGeometry Geometry() const { return BracketGeometry::FromPercent(Percent); }
    // At 100 % the redisplay reopens the table and so fits the bracket to its lines
    // again; any other value draws at its own geometry.
    bool Reopens() const { return Percent == FullSize; }
};
