#include "CheckReport.h"

#include "bracket/ItemKeys.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"
#include "drawtable/TableNames.h"
#include "page/Page.h"

#include <QJsonArray>

namespace {

QJsonValue colour(const QColor& value) {
    return value.isValid() ? QJsonValue(value.name()) : QJsonValue(QJsonValue::Null);
}

QJsonArray style(const PageFont& font) {
    QJsonArray words;
    if (font.bold) {
        words.append(QStringLiteral("bold"));
    }
    if (font.italic) {
        words.append(QStringLiteral("italic"));
    }
    if (font.underline) {
        words.append(QStringLiteral("underline"));
    }
    return words;
}

// The fields a check sets on each kind of item: the name label's colours and hint, the
// ranking label's text and hint, the seed number's underline, the circle's pen, fill and
// hint, the qualifier marks' style and hint.
enum Field {
    Text = 1,
    FontColour = 2,
    Underline = 4,
    Opacity = 8,
    Hint = 16,
    Style = 32,
    Shape = 64
};

struct ItemKind {
    const QString& prefix;
    int fields;
};

const ItemKind* kindOf(const QString& name) {
    static const ItemKind kinds[] = {
        {ItemKeys::Name, Text | FontColour | Underline | Opacity | Hint},
        {ItemKeys::Ranking, Text | Opacity | Hint},
        {ItemKeys::SeedNumber, Text | Underline | Opacity},
        {ItemKeys::SeedCircle, Hint | Shape},
        {ItemKeys::IncomingQualifier, Text | Opacity | Hint | Style},
        {ItemKeys::OutgoingQualifier, Text | Opacity | Hint | Style},
    };
    for (const ItemKind& kind : kinds) {
        if (name.startsWith(kind.prefix)) {
            return &kind;
        }
    }
    return nullptr;
}

QJsonObject mark(const PageItem& item) {
    QJsonObject object{{QStringLiteral("item"), item.name}};
    const ItemKind* kind = kindOf(item.name);
    if (kind == nullptr) {
        return object;
    }
    // After the prefix, the round on two digits, then the line.
    object.insert(QStringLiteral("line"), item.name.mid(kind->prefix.size() + 2).toInt());
    const int fields = kind->fields;
    if (fields & Text) {
        object.insert(QStringLiteral("text"), item.text);
    }
    if (fields & FontColour) {
        object.insert(QStringLiteral("fontColour"), colour(item.textColor));
    }
    if (fields & Underline) {
        object.insert(QStringLiteral("underline"), item.font.underline);
    }
    if (fields & Opacity) {
        object.insert(QStringLiteral("opaque"), item.background.isValid() && !item.transparent);
        object.insert(QStringLiteral("background"), colour(item.background));
    }
    if (fields & Hint) {
        object.insert(QStringLiteral("hint"), item.hint);
        object.insert(QStringLiteral("showHint"), item.showHint);
    }
    if (fields & Style) {
        object.insert(QStringLiteral("style"), style(item.font));
    }
    if (fields & Shape) {
        object.insert(QStringLiteral("pen"), colour(item.penColor));
        object.insert(QStringLiteral("fill"), colour(item.brushColor));
    }
    return object;
}

// Every row of the table in key order, its fields by name.
void appendRows(QJsonArray& rows, const TableLayout& layout, const QString& location,
                const QString& name) {
    RecordTable table(layout, location, name);
    if (!table.Open()) {
        return;
    }
    for (table.First(); !table.Eof(); table.Next()) {
        QJsonObject row{{QStringLiteral("table"), name}};
        for (const TableLayout::Field& field : layout.fields) {
            switch (field.type) {
                case TableLayout::FieldType::Integer:
                    row.insert(field.name, table.integer(field.name));
                    break;
                case TableLayout::FieldType::Text:
                    row.insert(field.name, table.text(field.name));
                    break;
                case TableLayout::FieldType::Boolean:
                    row.insert(field.name, table.boolean(field.name));
                    break;
            }
        }
        rows.append(row);
    }
}

}  // namespace

CheckReport::CheckReport(const RulesVerification::Report& report, const Page& page,
                         const QString& rulesLocation)
    : report_(report), page_(page), rulesLocation_(rulesLocation) {}

QJsonArray CheckReport::messages() const {
    QJsonArray all;
    for (const RulesVerification::Message& message : report_.messages) {
        const bool warning = message.kind == RulesVerification::Message::Kind::Warning;
        all.append(QJsonObject{
            {QStringLiteral("kind"), warning ? QStringLiteral("warning") : QStringLiteral("hint")},
            {QStringLiteral("item"), warning ? QJsonValue(QJsonValue::Null) : message.item},
            {QStringLiteral("line"), warning ? QJsonValue(QJsonValue::Null) : message.line},
            {QStringLiteral("text"), message.text}});
    }
    return all;
}

QJsonArray CheckReport::findings() const {
    QJsonArray rows;
    appendRows(rows, TableLayout::RuleFinding(), rulesLocation_, TableNames::Rules);
    appendRows(rows, TableLayout::RecommendationFinding(), rulesLocation_,
               TableNames::Recommendations);
    return rows;
}

QJsonObject CheckReport::banner() const {
    const PageItem* shown = page_.find(ItemKeys::Banner);
    if (shown == nullptr) {
        return {};
    }
    return {{QStringLiteral("visible"), shown->visible},
            {QStringLiteral("caption"), shown->text},
            {QStringLiteral("colour"), colour(shown->background)},
            {QStringLiteral("hint"), shown->hint}};
}

QJsonArray CheckReport::marks() const {
    QJsonArray all;
    for (const QString& name : report_.touched) {
        if (const PageItem* item = page_.find(name)) {
            all.append(mark(*item));
        }
    }
    return all;
}

QJsonObject CheckReport::json() const {
    return {{QStringLiteral("messages"), messages()},
            {QStringLiteral("findings"), findings()},
            {QStringLiteral("banner"), banner()},
            {QStringLiteral("marks"), marks()}};
}

QStringList CheckReport::lines() const {
    QStringList text;
    for (const RulesVerification::Message& message : report_.messages) {
        const QString flat = QString(message.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.append(message.kind == RulesVerification::Message::Kind::Warning
                        ? QStringLiteral("Avertissement : %1").arg(flat)
                        : QStringLiteral("%1 (ligne %2) : %3")
                              .arg(message.item)
                              .arg(message.line)
                              .arg(flat));
    }
    const QJsonObject shown = banner();
    text.append(shown.value(QStringLiteral("visible")).toBool()
                    ? QStringLiteral("%1 %2").arg(shown.value(QStringLiteral("caption")).toString(),
                                                  shown.value(QStringLiteral("hint"))
                                                      .toString()
                                                      .replace(QLatin1Char('\n'), QLatin1Char(' ')))
                    : shown.value(QStringLiteral("hint")).toString());
    return text;
}
