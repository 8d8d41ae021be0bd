// Reads arbitrary bytes as an animated cursor, and its frames as icon files.
#include "controls/iconfile.h"

#include <cstddef>
#include <cstdint>

using namespace tarvelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto ani = ParseAniFile(bytes))
        for (const QByteArrayView frame : ani->frames)
            DecodeIconFile(frame, 16, 16);
    return 0;
}
