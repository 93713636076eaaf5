#include "DrawTableJson.h"

#include "drawtable/DrawLine.h"
#include "drawtable/RecordTable.h"
#include "drawtable/TableLayout.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QJsonValue>

DrawTableJson::Lines DrawTableJson::read(const QString& location, const QString& name,
                                         bool classement) {
    Lines lines;
    RecordTable table(TableLayout::DrawLine(), location, name);
    // Printing a table never creates it: a missing table has no lines.
    if (!QFileInfo::exists(table.filePath())) {
        lines.read = true;
        return lines;
    }
    if (!table.Open()) {
        return lines;
    }
    lines.read = true;
    for (table.First(); !table.Eof(); table.Next()) {
        const bool noNumber = table.isNull(DrawLine::Numero);
        QJsonObject line{
            {QStringLiteral("line"), table.integer(DrawLine::FicheNumero)},
            {QStringLiteral("position"), table.integer(DrawLine::Position)},
            {QStringLiteral("numero"),
             noNumber ? QJsonValue(QJsonValue::Null) : QJsonValue(table.integer(DrawLine::Numero))},
            {QStringLiteral("nom"), table.text(DrawLine::Nom)}};
        QString text = QStringLiteral("  ligne %1 : position %2, numéro %3, nom \"%4\"")
                           .arg(table.integer(DrawLine::FicheNumero))
                           .arg(table.integer(DrawLine::Position))
                           .arg(noNumber ? QStringLiteral("-")
                                         : QString::number(table.integer(DrawLine::Numero)),
                                table.text(DrawLine::Nom));
        if (classement) {
            line.insert(QStringLiteral("classement"), table.text(DrawLine::Classement));
            text += QStringLiteral(", classement \"%1\"").arg(table.text(DrawLine::Classement));
        }
        lines.json.append(line);
        lines.text.append(text);
    }
    return lines;
}
