#include "ReportJson.h"

#include "ReportPage.h"

namespace {

QString kindName(ReportElement::Kind kind) {
    switch (kind) {
        case ReportElement::Kind::Label:
            return QStringLiteral("label");
        case ReportElement::Kind::Bar:
            return QStringLiteral("bar");
        case ReportElement::Kind::Rectangle:
            return QStringLiteral("rect");
        case ReportElement::Kind::Circle:
            return QStringLiteral("circle");
        case ReportElement::Kind::HorizontalLine:
        case ReportElement::Kind::VerticalLine:
            break;
    }
    return QStringLiteral("line");
}

QString alignmentName(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) {
        return QStringLiteral("right");
    }
    if (alignment & Qt::AlignHCenter) {
        return QStringLiteral("center");
    }
    return QStringLiteral("left");
}

QJsonValue orNull(bool present, const QJsonValue& value) {
    return present ? value : QJsonValue(QJsonValue::Null);
}

}  // namespace

QJsonObject ReportJson::PageJson(const ReportPage& page) {
    const QMarginsF& margins = page.margins();
    return {
        {QStringLiteral("paper"), QPageSize(page.paper()).key()},
        {QStringLiteral("orientation"), page.orientation() == QPageLayout::Landscape
                                            ? QStringLiteral("landscape")
                                            : QStringLiteral("portrait")},
        {QStringLiteral("margins"), QJsonObject{{QStringLiteral("left"), margins.left()},
                                                {QStringLiteral("top"), margins.top()},
                                                {QStringLiteral("right"), margins.right()},
                                                {QStringLiteral("bottom"), margins.bottom()}}},
    };
}

QJsonArray ReportJson::ElementsJson(const ReportPage& page) {
    QJsonArray elements;
    for (const ReportElement& element : page.elements()) {
        elements.append(ElementJson(element));
    }
    return elements;
}

QJsonObject ReportJson::ElementJson(const ReportElement& element) {
    const PageItem& item = element.item;
    const bool label = !element.isShape();
    const QJsonObject font{{QStringLiteral("family"), item.font.family},
                           {QStringLiteral("size"), item.font.pointSize},
                           {QStringLiteral("bold"), item.font.bold},
                           {QStringLiteral("italic"), item.font.italic},
                           {QStringLiteral("underline"), item.font.underline}};
    return {
        {QStringLiteral("band"), orNull(!element.band.isEmpty(), element.band)},
        {QStringLiteral("kind"), kindName(element.kind)},
        {QStringLiteral("name"), orNull(!item.name.isEmpty(), item.name)},
        {QStringLiteral("text"), orNull(label, item.text)},
        {QStringLiteral("left"), item.left},
        {QStringLiteral("top"), item.top},
        {QStringLiteral("width"), item.width},
        {QStringLiteral("height"), item.height},
        {QStringLiteral("font"), orNull(label, font)},
        {QStringLiteral("color"), (label ? item.textColor : item.penColor).name(QColor::HexRgb)},
        {QStringLiteral("alignment"), orNull(label, alignmentName(item.alignment))},
        {QStringLiteral("penWidth"), orNull(!label, item.penWidth)},
    };
}
