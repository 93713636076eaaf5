#include "FontSubstitutions.h"

#include <QFont>

const QList<FontSubstitutions::Substitution>& FontSubstitutions::List() {
    static const QList<Substitution> list{
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
    };
    return list;
}

void FontSubstitutions::Install() {
    for (const Substitution& substitution : List()) {
        if (!QFont::substitutes(substitution.family)
                 .contains(substitution.substitute, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(substitution.family, substitution.substitute);
        }
    }
}
