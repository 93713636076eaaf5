// libFuzzer target for the simulation file reader: any bytes must end in a load or a
// message, without a crash and without unbounded memory.
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    SimulationInput input;
    ScriptedPrompter prompter;
    const auto status =
        SimulationFile::LoadFrom(buffer, QStringLiteral("fuzz.txt"), input, prompter);
    if (status == SimulationFile::LoadStatus::Loaded) {
        // What was read must write back and read again to the same input.
        QBuffer again;
        again.setData(SimulationFile::Serialize(input));
        again.open(QIODevice::ReadOnly);
        SimulationInput reread;
        if (SimulationFile::LoadFrom(again, QStringLiteral("fuzz.txt"), reread, prompter) !=
            SimulationFile::LoadStatus::Loaded) {
            __builtin_trap();
        }
    }
    return 0;
}
