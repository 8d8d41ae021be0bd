// The payee list, the tape backup and a saved tape may come from any program: whatever the
// bytes and however they are cut into blocks, the check gives one answer, and it answers
// UTF-8 exactly when Qt's strict decoder reads the bytes without an error.
#include "platform/ansi.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvelo;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextEncoding whole = textEncoding(bytes);

    TextEncodingCheck inBlocks;
    const qsizetype cut = size == 0 ? 0 : data[0] % (bytes.size() + 1);
    inBlocks.add(bytes.first(cut));
    inBlocks.add(bytes.sliced(cut));
    if (inBlocks.encoding() != whole)
        std::abort();

    QStringDecoder strict(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = strict(bytes);
    if ((whole == TextEncoding::Utf8) == strict.hasError())
        std::abort();
    if (whole == TextEncoding::Utf8 && encodeText(decodeText(bytes, whole), whole) != bytes
        && !bytes.startsWith("\xEF\xBB\xBF"))
        std::abort();
    return 0;
}
