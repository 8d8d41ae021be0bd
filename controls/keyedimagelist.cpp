#include "controls/keyedimagelist.h"

#include "controls/controlerror.h"
#include "controls/iconfile.h"
#include "controls/saveicon.h"
#include "platform/ansi.h"
#include "platform/fileio.h"
#include "platform/numbertext.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <optional>

namespace tarvelo {

namespace {

QString source()
{
    return ErrorSource(QStringLiteral("KeyedImageList"));
}

// An argument that reads as a number is an image number, never a key.
std::optional<qint32> imageNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (v.typeId() == QMetaType::QString) {
        const std::optional<double> value = numberValue(v.toString());
        return value ? toLong(*value) : std::nullopt;
    }
    bool ok = false;
    const double value = v.toDouble(&ok);
    return ok ? toLong(value) : std::nullopt;
}

QString keyText(const QVariant& v)
{
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

bool isBlank(const QString& key)
{
    return key.trimmed().isEmpty() && !key.contains(QLatin1Char('\t'));
}

// The three shades of grey a picture uses for 3-D parts, replaced by the system colours.
QImage mapSystemColours(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    const std::pair<QRgb, int> shades[] = {
        {qRgb(128, 128, 128), COLOR_3DSHADOW}, {qRgb(192, 192, 192), COLOR_3DFACE}, {qRgb(223, 223, 223), COLOR_3DLIGHT}};
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            for (const auto& [grey, colour] : shades)
                if ((row[x] | 0xFF000000u) == grey && qAlpha(row[x]) != 0)
                    row[x] = toQRgb(GetSysColor(colour));
    }
    return image;
}

ImageHandle loadImage(const QString& path, int iType, int cx, int cy, bool mapColours)
{
    if (iType == IMAGE_BITMAP) {
        QImage bitmap = LoadPictureFile(path);
        if (bitmap.isNull())
            return {};
        return mapColours ? mapSystemColours(bitmap) : bitmap;
    }
    std::optional<Icon> icon = LoadIconFile(path, cx, cy);
    if (!icon)
        return {};
    if (mapColours)
        icon->image = mapSystemColours(icon->image);
    return *icon;
}

QImage designPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(toQRgb(GetSysColor(COLOR_BTNFACE)));
    QPainter p(&picture);
    const QColor colours[] = {QColor(0, 0, 160), QColor(0, 128, 0), QColor(192, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        p.fillRect(3 + i * 9, 4, 8, 8, colours[i]);
        p.setPen(Qt::black);
        p.drawRect(3 + i * 9, 4, 7, 7);
    }
    return picture;
}

}  // namespace

KeyedImageList::KeyedImageList() = default;

KeyedImageList::~KeyedImageList()
{
    Destroy();
}

void KeyedImageList::raise(int number) const
{
    throw ControlError({number, source(), ErrorDescription(number)});
}

void KeyedImageList::notify(std::initializer_list<const char*> names)
{
    if (!propertyChanged)
        return;
    for (const char* name : names)
        propertyChanged(QString::fromLatin1(name));
}

void KeyedImageList::repaintAtDesignTime()
{
    if (!userMode && repaint)
        repaint();
}

void KeyedImageList::setIconSizeX(int lSizeX)
{
    iconSizeX_ = lSizeX;
    notify({"IconSizeX"});
}

void KeyedImageList::setIconSizeY(int lSizeY)
{
    iconSizeY_ = lSizeY;
    notify({"IconSizeY"});
}

void KeyedImageList::setColourDepth(int eDepth)
{
    colourDepth_ = eDepth;
    notify({"ColourDepth"});
}

bool KeyedImageList::Create()
{
    Destroy();
    keys_.clear();
    hIml_ = ImageList_Create(iconSizeX_, iconSizeY_, static_cast<unsigned>(colourDepth_) | ILC_MASK, 4, 4);
    return hIml_ != 0;
}

void KeyedImageList::Destroy()
{
    if (hIml_ == 0)
        return;
    ImageList_Destroy(hIml_);
    hIml_ = 0;
    keys_.clear();
}

qint16 KeyedImageList::ImageCount() const
{
    return hIml_ == 0 ? 0 : static_cast<qint16>(std::min(ImageList_GetImageCount(hIml_), 32767));
}

void KeyedImageList::ResizeKeys()
{
    if (hIml_ == 0)
        return;
    const qsizetype count = ImageCount();
    if (keys_.size() > count)
        keys_.resize(count);
    while (keys_.size() < count)
        keys_.append(QString());
}

qint32 KeyedImageList::ItemIndex(const QVariant& vKey) const
{
    qint32 n = -1;
    if (const std::optional<qint32> number = imageNumber(vKey)) {
        n = *number;
    } else {
        const QString key = keyText(vKey);
        for (int i = 0; i < ImageCount(); ++i)
            if (i < keys_.size() ? keys_.at(i) == key : key.isEmpty()) {
                n = i + 1;
                break;
            }
    }
    if (n < 1 || n > ImageCount()) {
        RecordError(9, source());
        return -1;
    }
    return n;
}

QVariant KeyedImageList::ItemKey(int iIndex) const
{
    if (iIndex < 1 || iIndex > ImageCount()) {
        RecordError(9, source());
        return QVariant();
    }
    return iIndex - 1 < keys_.size() ? keys_.at(iIndex - 1) : QString();
}

void KeyedImageList::setItemKey(int iIndex, const QVariant& vKey)
{
    if (iIndex < 1 || iIndex > ImageCount()) {
        RecordError(9, source());
        return;
    }
    SetKey(iIndex - 1, vKey);
    notify({"KeyCount", "Keys"});
}

void KeyedImageList::SetKey(int index, const QVariant& vKey)
{
    const QString key = keyText(vKey);
    if (hIml_ == 0 || index < 0)
        return;
    while (keys_.size() < index + 1)
        keys_.append(QString());
    for (int i = 0; i < keys_.size(); ++i)
        if (i != index && !isBlank(keys_.at(i)) && keys_.at(i) == key) {
            RecordError(457);
            return;
        }
    keys_[index] = key;
}

bool KeyedImageList::KeyExists(const QString& sKey)
{
    if (ImageCount() == 0)
        return false;
    ResizeKeys();
    return keys_.contains(sKey);
}

void KeyedImageList::Clear()
{
    Create();
    keys_.clear();
    notify({"Images", "Size"});
    repaintAtDesignTime();
}

void KeyedImageList::RemoveImage(const QVariant& vKey)
{
    if (hIml_ == 0)
        return;
    const int i = ItemIndex(vKey) - 1;
    if (i >= 0) {
        ImageList_Remove(hIml_, i);
        if (i < keys_.size())
            keys_.removeAt(i);
        ResizeKeys();
    }
    notify({"Images", "Size", "Keys", "KeyCount"});
    repaintAtDesignTime();
}

void KeyedImageList::SwapOrCopyImage(const QVariant& vKeySrc, const QVariant& vKeyDst, int eSwap)
{
    if (hIml_ == 0)
        return;
    const int a = ItemIndex(vKeySrc) - 1;
    if (a < 0)
        return;
    const int b = ItemIndex(vKeyDst) - 1;
    if (b < 0)
        return;
    ImageList_Copy(hIml_, a, hIml_, b, static_cast<unsigned>(eSwap));
    ResizeKeys();
    keys_.swapItemsAt(a, b);
    notify({"Images", "Size"});
}

int KeyedImageList::addImage(const ImageHandle& hImage, int iType, qint32 lBackColor)
{
    if (iType == IMAGE_BITMAP) {
        const QImage* bitmap = std::get_if<QImage>(&hImage);
        const QImage picture = bitmap ? *bitmap : std::get<Icon>(hImage).image;
        quint32 colour = CLR_NONE;
        if (lBackColor != -1) {
            colour = translateOleColour(static_cast<OleColour>(lBackColor)).value_or(CLR_NONE);
        } else if (!picture.isNull()) {
            const QRgb corner = picture.pixel(0, 0);
            colour = qAlpha(corner) == 0 ? CLR_NONE : fromQRgb(corner);
        }
        return ImageList_AddMasked(hIml_, picture, colour);
    }
    if (iType == IMAGE_ICON || iType == IMAGE_CURSOR) {
        const Icon* icon = std::get_if<Icon>(&hImage);
        return ImageList_AddIcon(hIml_, icon ? *icon : Icon{std::get<QImage>(hImage), QPoint(), true});
    }
    return -1;
}

bool KeyedImageList::AddFromHandle(const ImageHandle& hImage, int iType, const QVariant& vKey, qint32 lBackColor,
                                   const QVariant& vKeyAfter)
{
    bool added = false;
    if (hIml_ != 0 && !std::holds_alternative<std::monostate>(hImage)) {
        const int c0 = ImageCount();
        const std::optional<qint32> afterNumber = imageNumber(vKeyAfter);
        const bool append = !vKeyAfter.isValid() || c0 == 0 || (afterNumber && *afterNumber == 0);
        const int p = append ? -1 : ItemIndex(vKeyAfter);
        if (append || p >= 1) {
            const int first = addImage(hImage, iType, lBackColor);
            if (first >= 0) {
                int keyed = first;
                if (!append) {
                    ResizeKeys();
                    const int n = ImageCount() - c0;
                    // Each old image behind p is carried past the block of new images.
                    if (p < ImageCount() - 1)
                        for (int j = c0 - 1; j >= p; --j)
                            for (int k = j; k <= j + n - 1; ++k) {
                                ImageList_Copy(hIml_, k + 1, hIml_, k, ILCF_SWAP);
                                keys_.swapItemsAt(k, k + 1);
                            }
                    keyed = p;
                }
                ResizeKeys();
                SetKey(keyed, vKey);
                added = true;
            }
        }
    }
    ResizeKeys();
    return added;
}

bool KeyedImageList::AddFromFile(const QString& sFileName, int iType, const QVariant& vKey, bool bMapSysColors,
                                 qint32 lBackColor, const QVariant& vKeyAfter)
{
    bool added = false;
    if (hIml_ != 0) {
        const ImageHandle image = loadImage(sFileName, iType, iconSizeX_, iconSizeY_, bMapSysColors);
        added = AddFromHandle(image, iType, vKey, lBackColor, vKeyAfter);
    }
    notify({"Images", "Size", "Keys", "KeyCount"});
    repaintAtDesignTime();
    return added;
}

bool KeyedImageList::SaveToFile(const QString& sFile)
{
    const qint32 version = ImageListFormatVersion();
    if (hIml_ == 0)
        return false;
    ResizeKeys();
    const IconRun run = WriteIconRun(hIml_, version);
    if (run.records.isEmpty())
        raise(9);
    QStringList keys;
    for (const int i : run.imagesWritten)
        keys << keys_.value(i);
    const QByteArray bytes = BuildImageListFile(version, run.records, KeysToFileText(keys));

    // The whole file is replaced at once, so no tail of a longer old file survives and a
    // failed write leaves the old file as it was. A folder that cannot take the file is an
    // access error; a write that fails in a usable folder is a device error.
    if (!writeFileAtomically(sFile, bytes, FileAccess::User)) {
        const QFileInfo folder(QFileInfo(sFile).absolutePath());
        raise(folder.isDir() && folder.isWritable() ? 57 : 75);
    }
    return true;
}

bool KeyedImageList::LoadFromFile(const QString& sFile)
{
    if (hIml_ == 0)
        return false;
    QFile file(sFile);
    if (!file.exists())
        raise(53);
    if (!file.open(QIODevice::ReadOnly))
        raise(75);
    ImageListFileData data;
    if (const int error = ReadImageListFile(file, data))
        raise(error);
    file.close();

    const int c0 = ImageCount();
    const IconRunResult run = ReadIconRun(hIml_, data.records, data.version);
    ResizeKeys();
    ParseKeys(c0, SplitKeyText(fromAnsi(data.keyText)), run.recordOfImage);
    if (!run.complete)
        raise(321);
    return true;
}

void KeyedImageList::ParseKeys(int start, const QStringList& pieces, const std::vector<int>& recordOfImage)
{
    for (size_t k = 0; k < recordOfImage.size(); ++k) {
        const int image = start + static_cast<int>(k);
        const int piece = recordOfImage[k];
        if (image >= ImageCount())
            break;
        if (piece < pieces.size() && !pieces.at(piece).isEmpty())
            SetKey(image, pieces.at(piece));
    }
}

void KeyedImageList::InitProperties()
{
    Create();
}

void KeyedImageList::ReadProperties(const PropertyBag& bag)
{
    setIconSizeX(bag.ReadProperty(QStringLiteral("IconSizeX"), 16).toInt());
    setIconSizeY(bag.ReadProperty(QStringLiteral("IconSizeY"), 16).toInt());
    setColourDepth(bag.ReadProperty(QStringLiteral("ColourDepth"), 0).toInt());
    const qint32 version = bag.ReadProperty(QStringLiteral("Version"), 0).toInt();
    if (!Create())
        return;
    const qint64 size = bag.ReadProperty(QStringLiteral("Size"), 0).toLongLong();
    if (size <= 0)
        return;
    const QByteArray images = bag.ReadProperty(QStringLiteral("Images")).toByteArray();
    const IconRunResult run = ReadIconRun(hIml_, QByteArrayView(images).first(std::min<qint64>(size, images.size())), version);
    keys_ = QStringList();
    ResizeKeys();
    ParseKeys(0, SplitKeyText(bag.ReadProperty(QStringLiteral("Keys"), QString()).toString()), run.recordOfImage);
}

void KeyedImageList::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("IconSizeX"), iconSizeX_, 16);
    bag.WriteProperty(QStringLiteral("IconSizeY"), iconSizeY_, 16);
    bag.WriteProperty(QStringLiteral("ColourDepth"), colourDepth_, 0);
    IconRun run;
    if (hIml_ != 0 && ImageCount() > 0)
        run = WriteIconRun(hIml_, ImageListFormatVersion());
    if (run.records.isEmpty()) {
        bag.WriteProperty(QStringLiteral("Size"), 0, 0);
        bag.WriteProperty(QStringLiteral("Images"), 0, 0);
        bag.WriteProperty(QStringLiteral("KeyCount"), 0, 0);
        bag.WriteProperty(QStringLiteral("Keys"), QString(), QString());
        return;
    }
    bag.WriteProperty(QStringLiteral("Size"), static_cast<qint32>(run.records.size()));
    bag.WriteProperty(QStringLiteral("Images"), run.records);
    bag.WriteProperty(QStringLiteral("Version"), ImageListFormatVersion());
    QStringList keys;
    for (const int i : run.imagesWritten)
        keys << keys_.value(i);
    bag.WriteProperty(QStringLiteral("KeyCount"), static_cast<qint16>(ImageCount()));
    bag.WriteProperty(QStringLiteral("Keys"), KeysToPropertyText(keys));
}

void KeyedImageList::Paint(DeviceContext& dc) const
{
    static const QImage picture = designPicture();
    dc.FillRect({0, 0, 36, 36}, Brush::solid(GetSysColor(COLOR_BTNFACE)));
    QPainter(&dc.image()).drawImage(2, 2, picture);
    Rect edge{0, 0, 36, 36};
    dc.DrawEdge(edge, EDGE_RAISED, BF_RECT);
    if (ImageCount() > 0) {
        Rect text{3, 22, 34, 34};
        dc.DrawText(QString::number(ImageCount()), text, 0);
    }
}

}  // namespace tarvelo
