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

void TableProperties::ApplyTo(BracketSettings& settings) const {
    settings.HideEmptyBranches = !WithEmptyBranches;
    settings.EndBranches = EndBranches;
}
