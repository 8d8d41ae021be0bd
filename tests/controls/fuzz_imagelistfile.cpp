// Reads arbitrary bytes as an image-list file and its records into a list.
#include "controls/imagelist.h"
#include "controls/saveicon.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

using namespace tarvelo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ImageListFileData file;
    if (ReadImageListFile(buffer, file) != 0)
        return 0;
    const HImageList list = ImageList_Create(16, 16, ILC_MASK, 4, 4);
    ReadIconRun(list, file.records, file.version);
    SplitKeyText(QString::fromLatin1(file.keyText));
    ImageList_Destroy(list);
    return 0;
}
