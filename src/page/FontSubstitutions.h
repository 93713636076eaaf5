#pragma once

#include <QList>
#include <QString>

// The windows and the reports name Windows fonts. At start-up each is mapped to an
// installed free font with the same metrics, so texts keep their widths and layouts
// their proportions on any system.
class FontSubstitutions {
public:
    struct Substitution {
        QString family;      // the name the program uses
        QString substitute;  // the installed font drawn instead
    };

    static const QList<Substitution>& List();

    // Registers every substitution with QFont; calling it again changes nothing.
    static void Install();
};
