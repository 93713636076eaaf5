// libFuzzer target for the ranking order list reader: any bytes give a list or a
// warning, and a list written back reads again to the same entries.
#include "drawtable/RankingOrderList.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

std::optional<RankingOrderList> read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString warning;
    std::optional<RankingOrderList> list =
        RankingOrderList::Read(buffer, QStringLiteral("ZECLASS.TXT"), &warning);
    if (!list && warning.isEmpty()) {
        __builtin_trap();  // a refusal always says why
    }
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<RankingOrderList> list =
        read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!list) {
        return 0;
    }
    const std::optional<RankingOrderList> again = read(list->Serialize());
    if (!again || again->entries() != list->entries()) {
        __builtin_trap();
    }
    return 0;
}
