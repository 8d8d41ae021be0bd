#pragma once

#include "platform/drawing.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace tarvelo {

// An icon or cursor: its picture with transparency (ARGB32, alpha 0 where the mask lets
// the background through) and its hot spot.
struct Icon {
    QImage image;
    QPoint hotSpot;
    bool isIcon = true;

    bool isNull() const { return image.isNull(); }
};

// Our own image list in place of the platform's: equally sized images kept as ARGB32,
// reached through a handle that is never reused, so a destroyed list's handle stays dead.
using HImageList = quintptr;

inline constexpr unsigned ILC_MASK = 0x0001;
inline constexpr unsigned ILCF_MOVE = 0x0000;
inline constexpr unsigned ILCF_SWAP = 0x0001;
inline constexpr unsigned ILD_NORMAL = 0x0000;
inline constexpr unsigned ILD_TRANSPARENT = 0x0001;
// The colour that stands for "no transparent colour" in ImageList_AddMasked.
inline constexpr quint32 CLR_NONE = 0xFFFFFFFFu;
// The largest image side the lists and the image readers accept.
inline constexpr int kMaxImageSide = 256;

// 0 when a side is outside 1..kMaxImageSide. `flags` holds ILC_MASK and the colour depth
// (0, 4, 8, 16, 24 or 32); images are kept at 32 bits whatever the depth.
HImageList ImageList_Create(int cx, int cy, unsigned flags, int initial, int grow);
bool ImageList_Destroy(HImageList list);
int ImageList_GetImageCount(HImageList list);
bool ImageList_GetIconSize(HImageList list, int& cx, int& cy);
// Adds one image per cx columns of `bitmap` (a strip); pixels of `maskColour` become
// transparent unless it is CLR_NONE. The index of the first image added, or -1.
int ImageList_AddMasked(HImageList list, const QImage& bitmap, quint32 maskColour);
// Adds the icon, scaled to the list's size; the index of the image, or -1.
int ImageList_AddIcon(HImageList list, const Icon& icon);
// Index -1 removes every image.
bool ImageList_Remove(HImageList list, int index);
// ILCF_SWAP exchanges the two images; ILCF_MOVE copies the source over the destination.
bool ImageList_Copy(HImageList dst, int iDst, HImageList src, int iSrc, unsigned flags);
// The image as an icon with its hot spot in the middle; nullopt for a bad index.
std::optional<Icon> ImageList_GetIcon(HImageList list, int index, unsigned flags = ILD_NORMAL);
// The image itself (null for a bad index), for drawing with QPainter.
QImage ImageList_GetImage(HImageList list, int index);
// ILD_TRANSPARENT lets the background show through the transparent pixels; ILD_NORMAL
// fills them with the device context's background colour.
bool ImageList_Draw(HImageList list, int index, DeviceContext& dc, int x, int y, unsigned style);

}  // namespace tarvelo
