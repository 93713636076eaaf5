// libFuzzer target for the display settings file "GestionTableau.ini": any bytes give
// settings (defaults where a key is missing or unreadable), and the INI file written
// back reads again to the same sections, keys and values.
#include "bracket/FontSettings.h"
#include "core/IniFile.h"

#include <cstddef>
#include <cstdint>

namespace {

bool sameSections(const QList<IniFile::Section>& a, const QList<IniFile::Section>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype at = 0; at < a.size(); ++at) {
        if (a[at].name != b[at].name || a[at].keys != b[at].keys) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile ini = IniFile::Parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const FontSettings settings = FontSettings::FromIni(ini);
    for (int at = 0; at < FontSettings::ElementCount; ++at) {
        const auto element = static_cast<FontSettings::Element>(at);
        if (settings.style(element).Police.size() > 30) {
            __builtin_trap();
        }
        (void)settings.font(element);
    }
    const std::optional<QByteArray> written = ini.serialize();
    if (!written) {
        return 0;
    }
    const IniFile again = IniFile::Parse(*written);
    if (!sameSections(again.sections(), ini.sections())) {
        __builtin_trap();
    }
    return 0;
}
