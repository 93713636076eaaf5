// libFuzzer target for the simulation file reader: any bytes must end in a load or a
// message, without a crash and without unbounded memory, and what was read must write
// back and read again to the same input.
#include "core/ScriptedPrompter.h"
#include "core/SimulationFile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

SimulationFile::LoadStatus load(const QByteArray& bytes, SimulationInput& input) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    ScriptedPrompter prompter;
    return SimulationFile::LoadFrom(buffer, QStringLiteral("fuzz.txt"), input, prompter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SimulationInput input;
    if (load(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
             input) != SimulationFile::LoadStatus::Loaded) {
        return 0;
    }
    SimulationInput reread;
    if (load(SimulationFile::Serialize(input), reread) != SimulationFile::LoadStatus::Loaded ||
        !(reread == input)) {
        __builtin_trap();
    }
    return 0;
}
