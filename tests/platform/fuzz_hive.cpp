// Hive files may be damaged on disk: reading any bytes must neither crash nor allocate
// without bound, and what was read must come back unchanged from its own file.

#include "platform/registry.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelo;
    const HiveData read = readHiveFile(QByteArrayView(data, static_cast<qsizetype>(size)), Hive::CurrentUser);
    const QByteArray once = writeHiveFile(read, Hive::CurrentUser);
    HiveFileReport report;
    const QByteArray twice = writeHiveFile(readHiveFile(once, Hive::CurrentUser, &report), Hive::CurrentUser);
    if (report.damaged() || once != twice)
        std::abort();
    return 0;
}
