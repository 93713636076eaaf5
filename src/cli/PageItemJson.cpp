#include "PageItemJson.h"

#include "bracket/BracketColors.h"
#include "bracket/NotesBox.h"
#include "page/LabelMetrics.h"
#include "page/PageItem.h"

#include <QJsonValue>

#include <array>
#include <utility>

namespace {

QString kindName(const PageItem& item) {
    switch (item.kind) {
        case PageItem::Kind::Label:
            return item.name == NotesBox::Name ? QStringLiteral("memo") : QStringLiteral("label");
        case PageItem::Kind::Bar:
            return QStringLiteral("bar");
        case PageItem::Kind::Line:
            return QStringLiteral("line");
        case PageItem::Kind::Rectangle:
            return QStringLiteral("rectangle");
        case PageItem::Kind::Circle:
            return QStringLiteral("circle");
    }
    return QString();
}

}  // namespace

QString PageItemJson::ColorName(const QColor& color) {
    static const std::array<std::pair<const QColor*, const char*>, 6> names{{
        {&BracketColors::Black, "black"},
        {&BracketColors::Page, "white"},
        {&BracketColors::Red, "red"},
        {&BracketColors::Green, "green"},
        {&BracketColors::Blue, "blue"},
        {&BracketColors::Navy, "navy"},
    }};
    for (const auto& [known, name] : names) {
        if (color.rgb() == known->rgb()) {
            return QString::fromLatin1(name);
        }
    }
    return color.name(QColor::HexRgb);
}

QString PageItemJson::BackgroundName(const QColor& color) {
    if (!color.isValid()) {
        return QStringLiteral("transparent");
    }
    return color.rgb() == BracketColors::Page.rgb() ? QStringLiteral("page") : ColorName(color);
}

QJsonObject PageItemJson::ToJson(const PageItem& item) {
    const bool label = item.kind == PageItem::Kind::Label;
    const QRect box = LabelMetrics::box(item);
    QJsonValue font(QJsonValue::Null);
    if (label) {
        font = QJsonObject{{QStringLiteral("family"), item.font.family},
                           {QStringLiteral("size"), item.font.pointSize},
                           {QStringLiteral("bold"), item.font.bold},
                           {QStringLiteral("italic"), item.font.italic},
                           {QStringLiteral("underline"), item.font.underline}};
    }
    // A bar is filled with its pen; a circle or rectangle with its brush, if any.
    QColor background;
    if (label) {
        background = item.background;
    } else if (item.kind == PageItem::Kind::Circle || item.kind == PageItem::Kind::Rectangle) {
        background = item.brushColor;
    }
    return {{QStringLiteral("name"), item.name},
            {QStringLiteral("kind"), kindName(item)},
            {QStringLiteral("text"), item.text},
            {QStringLiteral("left"), box.left()},
            {QStringLiteral("top"), box.top()},
            {QStringLiteral("width"), box.width()},
            {QStringLiteral("height"), box.height()},
            {QStringLiteral("visible"), item.visible},
            {QStringLiteral("font"), font},
            {QStringLiteral("color"), ColorName(label ? item.textColor : item.penColor)},
            {QStringLiteral("background"), BackgroundName(background)},
            {QStringLiteral("tag"), item.tag}};
}
