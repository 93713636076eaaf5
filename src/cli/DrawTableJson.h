#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>

// The lines of a draw table as the command line prints them: in line order, texts as
// stored, an empty Numero as null. A table that cannot be read has no lines (the command
// has already told why among its messages).
class DrawTableJson {
public:
    struct Lines {
        QJsonArray json;
        QStringList text;
        bool read = false;  // false: the table could not be opened
    };

    // With classement, each line also carries its Classement (the host's table).
    static Lines read(const QString& location, const QString& name, bool classement);
};
