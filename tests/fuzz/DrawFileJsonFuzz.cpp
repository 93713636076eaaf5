// libFuzzer target for the draw exchange file: any bytes give a draw or a French
// refusal, and a draw written back as JSON reads again to the same draw.
#include "drawtable/DrawFileJson.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DrawFileJson::ReadResult first = DrawFileJson::Parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        QStringLiteral("fuzz.json"));
    if (!first.draw) {
        if (first.error.isEmpty()) {
            __builtin_trap();
        }
        return 0;
    }
    const QByteArray written = QJsonDocument(DrawFileJson::ToJson(*first.draw)).toJson();
    const DrawFileJson::ReadResult again =
        DrawFileJson::Parse(written, QStringLiteral("fuzz.json"));
    if (!again.draw || !(*again.draw == *first.draw)) {
        __builtin_trap();
    }
    return 0;
}
