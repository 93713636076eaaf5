#include "PageScaling.h"

#include "ItemKeys.h"
#include "PanelWriter.h"

#include "core/Rounding.h"
#include "page/Page.h"

#include <QStringList>

namespace {

int scaled(int value, int m, int d) {
    return Rounding::HalfEven(static_cast<double>(value) * m / d);
}

}  // namespace

void PageScaling::Scale(Page& page, int m, int d) {
    if (d == 0) {
        return;
    }
    for (const QString& name : page.names()) {
        page.change(name, [m, d](PageItem& item) {
            const int right = scaled(item.left + item.width, m, d);
            const int bottom = scaled(item.top + item.height, m, d);
            item.left = scaled(item.left, m, d);
            item.top = scaled(item.top, m, d);
            if (item.width != 0) {
                item.width = right - item.left;
            }
            if (item.height != 0) {
                item.height = bottom - item.top;
            }
            item.font.pointSize = scaled(item.font.pointSize, m, d);
        });
    }
}

void PageScaling::RestoreTops(Page& page) {
    QStringList panel = page.names(QStringLiteral("Info"));
    panel += page.names(QStringLiteral("Effectif"));
    for (const QString& name : panel) {
        page.change(name, [](PageItem& item) { item.top = item.tag - PanelWriter::TopTag; });
    }
    page.change(ItemKeys::Banner, [](PageItem& banner) { banner.top = 0; });
}
