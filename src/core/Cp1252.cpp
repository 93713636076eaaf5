#include "Cp1252.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

const std::array<char16_t, 256>& decodeTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> codes{};
        QStringDecoder decoder("windows-1252");
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte) {
            all[byte] = static_cast<char>(byte);
        }
        const QString text = decoder.isValid() ? decoder.decode(all) : QString();
        for (int byte = 0; byte < 256; ++byte) {
            // Without the converter, Latin-1 is the closest stand-in.
            codes[static_cast<std::size_t>(byte)] =
                text.size() == 256 ? text[byte].unicode() : static_cast<char16_t>(byte);
        }
        return codes;
    }();
    return table;
}

const QHash<char16_t, char>& encodeTable() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> codes;
        const auto& decoded = decodeTable();
        for (int byte = 0; byte < 256; ++byte) {
            codes.insert(decoded[static_cast<std::size_t>(byte)], static_cast<char>(byte));
        }
        return codes;
    }();
    return table;
}

}  // namespace

QString Cp1252::decode(const QByteArray& bytes) {
    const auto& table = decodeTable();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        text[at] = QChar(table[static_cast<unsigned char>(bytes[at])]);
    }
    return text;
}

QByteArray Cp1252::encode(const QString& text) {
    const auto& table = encodeTable();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        bytes.append(table.value(c.unicode(), '?'));
    }
    return bytes;
}

bool Cp1252::isForeignByte(unsigned char byte) {
    if (byte < 0x20) {
        return byte != '\t' && byte != '\r' && byte != '\n';
    }
    return byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
           byte == 0x9D;
}
