#include "TextFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Spec {
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    QChar kind;
};

long long asInteger(const TextFormat::Arg& arg) {
    if (const auto* value = std::get_if<long long>(&arg)) {
        return *value;
    }
    if (const auto* value = std::get_if<double>(&arg)) {
        return std::llround(*value);
    }
    return std::get<QString>(arg).toLongLong();
}

double asReal(const TextFormat::Arg& arg) {
    if (const auto* value = std::get_if<double>(&arg)) {
        return *value;
    }
    if (const auto* value = std::get_if<long long>(&arg)) {
        return static_cast<double>(*value);
    }
    return std::get<QString>(arg).toDouble();
}

QString asText(const TextFormat::Arg& arg) {
    if (const auto* text = std::get_if<QString>(&arg)) {
        return *text;
    }
    if (const auto* value = std::get_if<long long>(&arg)) {
        return QString::number(*value);
    }
    return QString::number(std::get<double>(arg));
}

QString integerText(long long value, int precision) {
    QString digits = QString::number(value < 0 ? -static_cast<unsigned long long>(value)
                                               : static_cast<unsigned long long>(value));
    if (precision > digits.size()) {
        digits = QString(precision - digits.size(), QLatin1Char('0')) + digits;
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString realText(double value, int precision) {
    // snprintf rounds the exact binary value; a tie is only possible when the value is
    // exactly representable, and glibc then rounds it to even.
    const int decimals = precision < 0 ? 2 : precision;
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return QString::fromLatin1(buffer);
}

QString convert(const Spec& spec, const TextFormat::Arg* arg) {
    QString text;
    if (arg != nullptr) {
        switch (spec.kind.unicode()) {
            case 'd':
                text = integerText(asInteger(*arg), spec.precision);
                break;
            case 'f':
                text = realText(asReal(*arg), spec.precision);
                break;
            default:
                text = asText(*arg);
                if (spec.precision >= 0 && text.size() > spec.precision) {
                    text.truncate(spec.precision);
                }
                break;
        }
    }
    if (text.size() < spec.width) {
        const QString padding(spec.width - text.size(), QLatin1Char(' '));
        text = spec.leftAlign ? text + padding : padding + text;
    }
    return text;
}

int readNumber(const QString& pattern, qsizetype& at) {
    int number = 0;
    while (at < pattern.size() && pattern[at].isDigit() && number < 10000) {
        number = number * 10 + pattern[at].digitValue();
        ++at;
    }
    return number;
}

}  // namespace

QString TextFormat::format(const QString& pattern, std::initializer_list<Arg> args) {
    const std::vector<Arg> values(args);
    std::size_t next = 0;
    QString result;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const QChar c = pattern[at++];
        if (c != QLatin1Char('%')) {
            result += c;
            continue;
        }
        if (at < pattern.size() && pattern[at] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            ++at;
            continue;
        }
        Spec spec;
        if (at < pattern.size() && pattern[at] == QLatin1Char('-')) {
            spec.leftAlign = true;
            ++at;
        }
        spec.width = readNumber(pattern, at);
        if (at < pattern.size() && pattern[at] == QLatin1Char('.')) {
            ++at;
            spec.precision = readNumber(pattern, at);
        }
        if (at >= pattern.size()) {
            break;
        }
        spec.kind = pattern[at++].toLower();
        const Arg* arg = next < values.size() ? &values[next] : nullptr;
        ++next;
        result += convert(spec, arg);
    }
    return result;
}
