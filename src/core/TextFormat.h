#pragma once

#include <QString>

#include <initializer_list>
#include <variant>

// The format patterns of the program's texts ("%2.0d", "%3.0d", "%4.4s", "%0.2f"), with
// their own meaning rather than printf's:
//  - %d: the width right-aligns (a "-" flag left-aligns); the precision is a minimum
//    number of digits, so "%2.0d" of 0 gives " 0" where printf would print blanks;
//  - %s: the precision cuts the text ("%4.4s" keeps at most 4 characters);
//  - %f: the precision is the number of decimals, rounded to nearest, halves to even.
// "%%" gives "%". A pattern with more conversions than arguments leaves the extra
// conversions empty; an argument of the wrong kind is written as the pattern asks.
class TextFormat {
public:
    using Arg = std::variant<long long, double, QString>;

    static QString format(const QString& pattern, std::initializer_list<Arg> args);
    static QString format(const QString& pattern, long long value) {
        return format(pattern, {Arg(value)});
    }
};
