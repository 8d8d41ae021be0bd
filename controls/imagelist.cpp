#include "controls/imagelist.h"

#include <QPainter>

#include <map>
#include <memory>
#include <vector>

namespace tarvelo {

namespace {

struct ImageListData {
    int cx = 0;
    int cy = 0;
    std::vector<QImage> images;
};

std::map<HImageList, std::unique_ptr<ImageListData>>& lists()
{
    static std::map<HImageList, std::unique_ptr<ImageListData>> all;
    return all;
}

HImageList lastHandle = 0;

ImageListData* find(HImageList list)
{
    const auto it = lists().find(list);
    return it == lists().end() ? nullptr : it->second.get();
}

bool validIndex(const ImageListData& data, int index)
{
    return index >= 0 && index < static_cast<int>(data.images.size());
}

QImage fitted(const QImage& image, int cx, int cy)
{
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    if (argb.width() == cx && argb.height() == cy)
        return argb;
    return argb.scaled(cx, cy, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int append(ImageListData& data, QImage image)
{
    data.images.push_back(std::move(image));
    return static_cast<int>(data.images.size()) - 1;
}

}  // namespace

HImageList ImageList_Create(int cx, int cy, unsigned flags, int initial, int grow)
{
    if (cx < 1 || cy < 1 || cx > kMaxImageSide || cy > kMaxImageSide)
        return 0;
    auto data = std::make_unique<ImageListData>();
    data->cx = cx;
    data->cy = cy;
    data->images.reserve(static_cast<size_t>(std::max(initial, 0)));
    const HImageList handle = ++lastHandle;
    lists().emplace(handle, std::move(data));
    return handle;
}

bool ImageList_Destroy(HImageList list)
{
    return lists().erase(list) > 0;
}

int ImageList_GetImageCount(HImageList list)
{
    const ImageListData* data = find(list);
    return data ? static_cast<int>(data->images.size()) : 0;
}

bool ImageList_GetIconSize(HImageList list, int& cx, int& cy)
{
    const ImageListData* data = find(list);
    if (!data)
        return false;
    cx = data->cx;
    cy = data->cy;
    return true;
}

int ImageList_AddMasked(HImageList list, const QImage& bitmap, quint32 maskColour)
{
    ImageListData* data = find(list);
    if (!data || bitmap.isNull() || bitmap.width() < data->cx)
        return -1;
    const QImage source = bitmap.convertToFormat(QImage::Format_ARGB32);
    const int count = source.width() / data->cx;
    const int first = static_cast<int>(data->images.size());
    for (int n = 0; n < count; ++n) {
        QImage image(data->cx, data->cy, QImage::Format_ARGB32);
        image.fill(0);
        const int rows = std::min(data->cy, source.height());
        for (int y = 0; y < rows; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + n * data->cx;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < data->cx; ++x) {
                const bool clear = maskColour != CLR_NONE && fromQRgb(in[x]) == (maskColour & 0xFFFFFF);
                out[x] = clear ? 0 : (in[x] | 0xFF000000u);
            }
        }
        append(*data, std::move(image));
    }
    return count > 0 ? first : -1;
}

int ImageList_AddIcon(HImageList list, const Icon& icon)
{
    ImageListData* data = find(list);
    if (!data || icon.isNull())
        return -1;
    return append(*data, fitted(icon.image, data->cx, data->cy));
}

bool ImageList_Remove(HImageList list, int index)
{
    ImageListData* data = find(list);
    if (!data)
        return false;
    if (index == -1) {
        data->images.clear();
        return true;
    }
    if (!validIndex(*data, index))
        return false;
    data->images.erase(data->images.begin() + index);
    return true;
}

bool ImageList_Copy(HImageList dst, int iDst, HImageList src, int iSrc, unsigned flags)
{
    ImageListData* to = find(dst);
    ImageListData* from = find(src);
    if (!to || !from || !validIndex(*to, iDst) || !validIndex(*from, iSrc))
        return false;
    if (flags & ILCF_SWAP) {
        QImage moved = fitted(from->images[iSrc], to->cx, to->cy);
        from->images[iSrc] = fitted(to->images[iDst], from->cx, from->cy);
        to->images[iDst] = std::move(moved);
    } else {
        to->images[iDst] = fitted(from->images[iSrc], to->cx, to->cy);
    }
    return true;
}

std::optional<Icon> ImageList_GetIcon(HImageList list, int index, unsigned)
{
    const ImageListData* data = find(list);
    if (!data || !validIndex(*data, index))
        return std::nullopt;
    return Icon{data->images[index], QPoint(data->cx / 2, data->cy / 2), true};
}

QImage ImageList_GetImage(HImageList list, int index)
{
    const ImageListData* data = find(list);
    return data && validIndex(*data, index) ? data->images[index] : QImage();
}

bool ImageList_Draw(HImageList list, int index, DeviceContext& dc, int x, int y, unsigned style)
{
    const ImageListData* data = find(list);
    if (!data || !validIndex(*data, index) || dc.isNull())
        return false;
    QPainter painter(&dc.image());
    if (!(style & ILD_TRANSPARENT))
        painter.fillRect(x, y, data->cx, data->cy, toQColor(dc.bkColour()));
    painter.drawImage(x, y, data->images[index]);
    return true;
}

}  // namespace tarvelo
