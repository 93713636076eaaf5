#pragma once

#include <QMarginsF>
#include <QString>

// The print settings of the draw report, kept in "WDBASE/Tolvarine.ini" of the program's
// directory, section "TABLEAUX": the thickness of the connecting lines, the margins in
// millimetres and the height of the page footer.
struct PrintSettings {
    int LineThickness = 1;  // "EpaisseurLigne"
    QMarginsF Margins{6.0, 10.0, 10.0,
                      10.0};  // "MargeGauche", "MargeHaut", "MargeDroite", "MargeBas"
    int FooterHeight = 18;    // "HauteurBasPage"

    static QString FileName() { return QStringLiteral("WDBASE/Tolvarine.ini"); }

    // Reads the file; a missing file, key or unreadable value keeps the default, without
    // a message. Decimals are read with a comma or a point.
    static PrintSettings Read(const QString& path);

    bool operator==(const PrintSettings&) const = default;
};
