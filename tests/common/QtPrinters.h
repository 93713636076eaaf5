#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// GoogleTest prints failed comparisons of Qt texts as readable text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype at = 0; at < texts.size(); ++at) {
        *out << (at == 0 ? "" : ", ");
        PrintTo(texts[at], out);
    }
    *out << '}';
}
