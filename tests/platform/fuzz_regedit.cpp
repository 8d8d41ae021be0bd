// REGEDIT4 scripts come from files the user picks: reading any bytes must neither crash
// nor allocate without bound, and whatever reads must write back to the same script.

#include "platform/regedit.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelo;
    QString error;
    const auto script = readRegedit4(QByteArrayView(data, static_cast<qsizetype>(size)), &error);
    if (!script)
        return 0;
    const auto bytes = writeRegedit4(*script, &error);
    if (!bytes)
        std::abort();  // everything a script can say, a script can say again
    const auto again = readRegedit4(*bytes, &error);
    if (!again || again->size() != script->size())
        std::abort();
    for (qsizetype i = 0; i < script->size(); ++i) {
        const RegScriptKey& a = (*script)[i];
        const RegScriptKey& b = (*again)[i];
        if (a.hive != b.hive || a.path != b.path || a.values != b.values)
            std::abort();
    }
    return 0;
}
