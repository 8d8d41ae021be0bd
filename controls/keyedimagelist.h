#pragma once

#include "controls/imagelist.h"
#include "controls/propertybag.h"
#include "platform/drawing.h"

#include <QImage>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <variant>
#include <vector>

namespace tarvelo {

// A picture handed to AddFromHandle: none (a failed load), a bitmap or an icon/cursor.
using ImageHandle = std::variant<std::monostate, QImage, Icon>;

// Image types of AddFromFile and AddFromHandle.
enum ImageType : int { IMAGE_BITMAP = 0, IMAGE_ICON = 1, IMAGE_CURSOR = 2 };

// An image list whose images may carry a text key. Images are numbered from 1. Arguments
// that name an image (QVariant) are an image number when they read as a number, and a key
// otherwise; an invalid QVariant stands for an argument left out. Misuse of a key or
// index records error 9 (or 457 for a key another image holds) as the current error and
// goes on with the fallback result; file errors are raised as ControlError. Both carry the
// source "<program>.KeyedImageList".
class KeyedImageList {
public:
    KeyedImageList();
    ~KeyedImageList();
    KeyedImageList(const KeyedImageList&) = delete;
    KeyedImageList& operator=(const KeyedImageList&) = delete;

    void SwapOrCopyImage(const QVariant& vKeySrc, const QVariant& vKeyDst, int eSwap = ILCF_SWAP);
    bool Create();
    void Destroy();
    int IconSizeX() const { return iconSizeX_; }
    void setIconSizeX(int lSizeX);
    int IconSizeY() const { return iconSizeY_; }
    void setIconSizeY(int lSizeY);
    int ColourDepth() const { return colourDepth_; }
    void setColourDepth(int eDepth);
    qint16 ImageCount() const;
    void RemoveImage(const QVariant& vKey);
    qint32 ItemIndex(const QVariant& vKey) const;
    QVariant ItemKey(int iIndex) const;
    void setItemKey(int iIndex, const QVariant& vKey);
    bool KeyExists(const QString& sKey);
    void Clear();
    bool AddFromFile(const QString& sFileName, int iType, const QVariant& vKey = QVariant(),
                     bool bMapSysColors = false, qint32 lBackColor = -1, const QVariant& vKeyAfter = QVariant());
    bool AddFromHandle(const ImageHandle& hImage, int iType, const QVariant& vKey = QVariant(),
                       qint32 lBackColor = -1, const QVariant& vKeyAfter = QVariant());
    HImageList hIml() const { return hIml_; }
    bool SaveToFile(const QString& sFile);
    bool LoadFromFile(const QString& sFile);

    // Life cycle with the window that holds the control.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The control's 36 x 36 picture in a design environment.
    void Paint(DeviceContext& dc) const;

    // Told the name of each persisted property that changed.
    std::function<void(const QString&)> propertyChanged;
    // False in a design environment, where the control repaints after its changes.
    bool userMode = true;
    std::function<void()> repaint;

private:
    void ResizeKeys();
    void SetKey(int index, const QVariant& vKey);
    // Gives each image read from a run the key piece of its own record.
    void ParseKeys(int start, const QStringList& pieces, const std::vector<int>& recordOfImage);
    void notify(std::initializer_list<const char*> names);
    void repaintAtDesignTime();
    int addImage(const ImageHandle& hImage, int iType, qint32 lBackColor);
    [[noreturn]] void raise(int number) const;

    HImageList hIml_ = 0;
    int iconSizeX_ = 16;
    int iconSizeY_ = 16;
    int colourDepth_ = 0;
    QStringList keys_;
};

}  // namespace tarvelo
