#include "TableProperties.h"

#include "BracketSettings.h"

#include "core/RankingLadder.h"

TableProperties TableProperties::Of(const BracketSettings& settings, int drawDimension) {
    TableProperties properties;
    properties.WithEmptyBranches = !settings.HideEmptyBranches;
    properties.EndBranches = settings.EndBranches;
    properties.Dimension = RankingLadder::NextPowerOfTwo(1, drawDimension);
    properties.EndBranchesEnabled = properties.Dimension == drawDimension;
    return properties;
}

const QStringList& TableProperties::DimensionItems() {
    return RankingLadder::DrawSizes();
}

int TableProperties::DimensionItem() const {
    const qsizetype item = DimensionItems().indexOf(QString::number(Dimension));
    return static_cast<int>(item);
}

// The spin edit offers 50 to 200 in steps of 10; a value from elsewhere (the command
// line) is told rather than bent to the nearest one.
QString TableProperties::PercentError(int percent) {
    if (percent < MinPercent || percent > MaxPercent || percent % PercentStep != 0) {
        return QStringLiteral(
                   "L'affichage du tableau va de %1 à %2 %, de %3 en %3 : %4 ne convient pas.")
            .arg(MinPercent)
            .arg(MaxPercent)
            .arg(PercentStep)
            .arg(percent);
    }
    return QString();
}

void TableProperties::ApplyTo(BracketSettings& settings) const {
    settings.HideEmptyBranches = !WithEmptyBranches;
    settings.EndBranches = EndBranches;
}
