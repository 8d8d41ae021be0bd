#include "controls/controlerror.h"
#include "controls/iconfile.h"
#include "controls/keyedimagelist.h"
#include "controls/saveicon.h"
#include "support/imagensteste.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

qint32 longAt(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

Icon squareIcon(int side, QColor colour)
{
    return Icon{squareImage(side, side, colour), QPoint(side / 2, side / 2), true};
}

struct ListFixture : ::testing::Test {
    QTemporaryDir dir;
    KeyedImageList list;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void SetUp() override
    {
        list.Create();
        ClearError();
    }
    void addIcons(int count)
    {
        for (int i = 0; i < count; ++i)
            list.AddFromHandle(squareIcon(16, QColor::fromHsv(i * 7 % 360, 200, 200)), IMAGE_ICON);
    }
};

TEST(IconRecord, LengthsFollowSizeAndVersion)
{
    const struct {
        int side;
        qint64 bytes;
    } sizes[] = {{16, 1148}, {24, 2460}, {32, 4412}, {48, 9660}, {64, 17212}, {72, 21660}};
    for (const auto& [side, bytes] : sizes) {
        QByteArray record;
        qsizetype size = 0;
        ASSERT_TRUE(IconToBytes(squareIcon(side, Qt::red), record, 0, size, ImageListFormatVersion())) << side;
        EXPECT_EQ(size, bytes) << side;
        EXPECT_EQ(record.size(), bytes) << side;
        EXPECT_EQ(IconRecordBytes(side, side, 1), bytes) << side;
    }
    // The legacy colour area: 24-bit rows padded to 4 bytes inside h * (3w + 3).
    EXPECT_EQ(ColourAreaBytes(16, 16, 0), 816);
}

TEST(IconRecord, ThirtyTwoPixelMaskAreaHoldsRowsThenZeroFiller)
{
    QByteArray record;
    qsizetype size = 0;
    ASSERT_TRUE(IconToBytes(squareIcon(32, Qt::blue), record, 0, size, 1));
    const qsizetype maskBits = 12 + 24 + 32 * 32 * 4 + 24;
    EXPECT_EQ(record.size() - maskBits, 256);
    EXPECT_EQ(record.mid(maskBits + 128), QByteArray(128, '\0'));
    // Row 0 of the area is the bottom row: transparent at both ends, opaque in between.
    EXPECT_EQ(static_cast<quint8>(record[maskBits]), 0xFF);
    EXPECT_EQ(static_cast<quint8>(record[maskBits + 31 * 4 / 2 + 0]), 0x00);
}

TEST(IconRecord, RoundTripKeepsPixelsTransparencyAndHotSpot)
{
    const Icon cursor{squareImage(24, 24, QColor(10, 200, 30)), QPoint(3, 5), false};
    QByteArray record;
    qsizetype written = 0;
    ASSERT_TRUE(IconToBytes(cursor, record, 0, written, 1));
    EXPECT_EQ(longAt(record, 0), 0);
    Icon back;
    qsizetype read = 0;
    ASSERT_TRUE(BytesToIcon(back, record, 0, read, 1));
    EXPECT_EQ(read, written);
    EXPECT_EQ(back.image, cursor.image);
    EXPECT_EQ(back.hotSpot, QPoint(3, 5));
    EXPECT_TRUE(back.isIcon);
}

TEST(IconRecord, LegacyRecordsReadTwentyFourBitRowsAndTheMask)
{
    // A 2 x 1 image at version 0: a 1 * (3 * 2 + 3) = 9 byte colour area.
    QByteArray record(12, '\0');
    const auto header = [](int w, int h, int bits) {
        QByteArray b(24, '\0');
        qToLittleEndian<qint32>(w, b.data() + 4);
        qToLittleEndian<qint32>(h, b.data() + 8);
        qToLittleEndian<qint16>(1, b.data() + 16);
        qToLittleEndian<qint16>(static_cast<qint16>(bits), b.data() + 18);
        qToLittleEndian<qint32>(0x12345678, b.data() + 20);  // a stale pointer, ignored
        return b;
    };
    record += header(2, 1, 24) + QByteArray("\x01\x02\x03\x04\x05\x06\0\0\0", 9);
    record += header(2, 1, 1) + QByteArray("\x40\0\0\0", 4);
    Icon icon;
    qsizetype size = 0;
    ASSERT_TRUE(BytesToIcon(icon, record, 0, size, 0));
    EXPECT_EQ(size, record.size());
    EXPECT_EQ(icon.image.pixel(0, 0), qRgba(3, 2, 1, 255));
    EXPECT_EQ(qAlpha(icon.image.pixel(1, 0)), 0);
}

TEST_F(ListFixture, FortySevenIconsGiveTheKnownFile)
{
    addIcons(47);
    ASSERT_TRUE(list.SaveToFile(path("icons.til")));
    const QByteArray file = readFile(path("icons.til"));
    EXPECT_EQ(file.size(), 54020);
    EXPECT_EQ(file.left(4), QByteArray("\x56\xE4\x45\x57"));
    EXPECT_EQ(longAt(file, 4), ImageListFormatVersion());
    EXPECT_EQ(longAt(file, 8), 53956);
    EXPECT_EQ(longAt(file, 12 + 53956), 48);
    EXPECT_EQ(file.right(48), QByteArray(48, '\xFF'));
}

TEST_F(ListFixture, KeysTravelAsTheFileFormText)
{
    addIcons(3);
    list.setItemKey(1, QStringLiteral("a1"));
    list.setItemKey(3, QStringLiteral("c3"));
    ASSERT_TRUE(list.SaveToFile(path("keys.til")));
    EXPECT_EQ(readFile(path("keys.til")).right(8), QByteArray("\x61\x31\xFF\xFF\x63\x33\xFF\xFF"));

    PropertyBag bag;
    list.WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Keys")).toString(), QStringLiteral("a1\u00FF\u00FFc3"));
}

TEST_F(ListFixture, SavedFileReadsBackImagesAndKeysAfterExistingOnes)
{
    addIcons(3);
    list.setItemKey(1, QStringLiteral("x"));  // one character: kept
    list.setItemKey(2, QStringLiteral("yy"));
    ASSERT_TRUE(list.SaveToFile(path("three.til")));

    KeyedImageList other;
    other.Create();
    other.AddFromHandle(squareIcon(16, Qt::black), IMAGE_ICON, QStringLiteral("p1"));
    other.AddFromHandle(squareIcon(16, Qt::white), IMAGE_ICON, QStringLiteral("p2"));
    ASSERT_TRUE(other.LoadFromFile(path("three.til")));
    ASSERT_EQ(other.ImageCount(), 5);
    const QStringList keys{"p1", "p2", "x", "yy", ""};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(other.ItemKey(i).toString(), keys.at(i - 1)) << i;
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(ImageList_GetImage(other.hIml(), i + 1), ImageList_GetImage(list.hIml(), i - 1)) << i;
}

TEST_F(ListFixture, SavingReplacesALongerFileWhole)
{
    writeFile(path("old.til"), QByteArray(100000, 'z'));
    addIcons(1);
    ASSERT_TRUE(list.SaveToFile(path("old.til")));
    EXPECT_EQ(readFile(path("old.til")).size(), 12 + 1148 + 4 + 2);
}

TEST_F(ListFixture, LegacyFileWithoutMagicOrKeysReadsTwentyFourBitRecords)
{
    addIcons(2);
    list.setItemKey(1, QStringLiteral("gone"));
    // The legacy form: D, then records at version 0, and the file ends there.
    const IconRun run = WriteIconRun(list.hIml(), 0);
    ASSERT_EQ(run.records.size(), 2 * (12 + 24 + 816 + 24 + 64));
    QByteArray legacy(4, '\0');
    qToLittleEndian<qint32>(static_cast<qint32>(run.records.size()), legacy.data());
    writeFile(path("legacy.til"), legacy + run.records);

    KeyedImageList other;
    other.Create();
    ASSERT_TRUE(other.LoadFromFile(path("legacy.til")));
    ASSERT_EQ(other.ImageCount(), 2);
    EXPECT_EQ(other.ItemKey(1).toString(), QString());
    EXPECT_EQ(ImageList_GetImage(other.hIml(), 1), ImageList_GetImage(list.hIml(), 1));
}

// Files that lie about their lengths: each gives its error and never reads or allocates
// past the data it has.
TEST_F(ListFixture, MalformedFilesGiveTheirErrors)
{
    addIcons(2);
    ASSERT_TRUE(list.SaveToFile(path("good.til")));
    const QByteArray good = readFile(path("good.til"));
    const qsizetype keysAt = 12 + 2 * 1148;
    const auto withLong = [&good](qsizetype at, qint32 value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        int error;
        int imagesAdded;
    } cases[] = {
        {"empty", QByteArray(), 62, 0},
        {"magic only", good.left(4), 62, 0},
        {"huge record length", withLong(8, 0x7FFFFFFF), 62, 0},
        {"zero record length", withLong(8, 0), 9, 0},
        {"negative record length", withLong(8, -5), 9, 0},
        {"records cut short", good.left(12 + 1148 + 100), 62, 0},
        {"negative key length", withLong(keysAt, -1), 62, 0},
        {"huge key length", withLong(keysAt, 0x40000000), 62, 0},
        {"key length cut short", good.left(keysAt + 2), 62, 0},
        {"huge width in second record", withLong(12 + 1148 + 12 + 4, 0x7FFFFFFF), 321, 1},
        {"negative height in first record", withLong(12 + 12 + 8, -16), 321, 0},
        {"mask of another size", withLong(12 + 12 + 24 + 1024 + 4, 15), 321, 1},
        {"legacy huge length", QByteArray("\xFF\xFF\xFF\x7F", 4), 62, 0},
    };
    for (const auto& c : cases) {
        writeFile(path("bad.til"), c.bytes);
        KeyedImageList other;
        other.Create();
        int error = 0;
        try {
            other.LoadFromFile(path("bad.til"));
        } catch (const ControlError& e) {
            error = e.number();
            EXPECT_EQ(e.info().source, QStringLiteral("tarvelo.KeyedImageList")) << c.name;
        }
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(other.ImageCount(), c.imagesAdded) << c.name;
    }
}

TEST_F(ListFixture, FileErrorsAreRaisedAndAnEmptyListIsNotSaved)
{
    const auto errorOf = [](auto call) {
        try {
            call();
        } catch (const ControlError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([&] { list.LoadFromFile(path("missing.til")); }), 53);
    EXPECT_EQ(errorOf([&] { list.SaveToFile(path("empty.til")); }), 9);
    EXPECT_FALSE(QFile::exists(path("empty.til")));
    addIcons(1);
    EXPECT_EQ(errorOf([&] { list.SaveToFile(path("no/such/folder/x.til")); }), 75);
    list.Destroy();
    EXPECT_FALSE(list.SaveToFile(path("none.til")));
    EXPECT_FALSE(list.LoadFromFile(path("missing.til")));
}

TEST_F(ListFixture, KeyLookupAndItsRecordedErrors)
{
    addIcons(3);
    list.setItemKey(1, QStringLiteral("one"));
    EXPECT_EQ(list.ItemIndex(QString()), 2);  // the first image without a key
    EXPECT_EQ(list.ItemIndex(QStringLiteral("3")), 3);
    EXPECT_EQ(list.ItemIndex(QStringLiteral("one")), 1);
    EXPECT_EQ(CurrentError().number, 0);

    EXPECT_EQ(list.ItemIndex(QStringLiteral("nothing")), -1);
    EXPECT_EQ(CurrentError().number, 9);
    EXPECT_EQ(CurrentError().source, QStringLiteral("tarvelo.KeyedImageList"));
    ClearError();
    EXPECT_FALSE(list.ItemKey(0).isValid());
    EXPECT_EQ(CurrentError().number, 9);

    ClearError();
    list.setItemKey(2, QStringLiteral("one"));
    EXPECT_EQ(CurrentError().number, 457);
    EXPECT_EQ(list.ItemKey(2).toString(), QString());
    ClearError();
    list.setItemKey(2, QStringLiteral("   "));
    list.setItemKey(3, QStringLiteral("   "));
    EXPECT_EQ(CurrentError().number, 0);

    EXPECT_TRUE(list.KeyExists(QStringLiteral("one")));
    EXPECT_FALSE(list.KeyExists(QString()));
    list.Clear();
    EXPECT_FALSE(list.KeyExists(QString()));
}

TEST_F(ListFixture, SwapCopyRemoveAndInsertKeepKeysWithTheirImages)
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
        list.AddFromHandle(squareIcon(16, colours[i]), IMAGE_ICON, QStringLiteral("k%1").arg(i + 1));
    const auto colourAt = [this](int n) { return QColor(ImageList_GetImage(list.hIml(), n - 1).pixel(8, 8)); };

    list.SwapOrCopyImage(1, 2);
    EXPECT_EQ(colourAt(1), QColor(Qt::green));
    EXPECT_EQ(list.ItemKey(1).toString(), QStringLiteral("k2"));
    list.SwapOrCopyImage(1, 2, ILCF_MOVE);  // the image at 2 copied onto 1; keys still swap
    EXPECT_EQ(colourAt(1), QColor(Qt::red));
    EXPECT_EQ(colourAt(2), QColor(Qt::red));
    EXPECT_EQ(list.ItemKey(1).toString(), QStringLiteral("k1"));

    EXPECT_TRUE(list.AddFromHandle(squareIcon(16, Qt::yellow), IMAGE_ICON, QStringLiteral("new"), -1,
                                   QStringLiteral("k1")));
    EXPECT_EQ(list.ItemIndex(QStringLiteral("new")), 2);
    EXPECT_EQ(list.ItemIndex(QStringLiteral("k3")), 4);
    EXPECT_FALSE(list.AddFromHandle(squareIcon(16, Qt::yellow), IMAGE_ICON, QVariant(), -1, QStringLiteral("zz")));
    EXPECT_EQ(list.ImageCount(), 4);

    list.RemoveImage(QStringLiteral("new"));
    EXPECT_EQ(list.ImageCount(), 3);
    EXPECT_EQ(list.ItemIndex(QStringLiteral("k3")), 3);
    list.RemoveImage(QStringLiteral("zz"));
    EXPECT_EQ(list.ImageCount(), 3);
}

TEST_F(ListFixture, BitmapStripAddsOneImagePerWidthWithTheCornerColourClear)
{
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    strip.setPixel(20, 5, qRgb(1, 2, 3));
    ASSERT_TRUE(list.AddFromHandle(strip, IMAGE_BITMAP, QStringLiteral("strip")));
    EXPECT_EQ(list.ImageCount(), 4);
    EXPECT_EQ(list.ItemKey(1).toString(), QStringLiteral("strip"));
    EXPECT_EQ(list.ItemKey(2).toString(), QString());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(qAlpha(ImageList_GetImage(list.hIml(), i).pixel(0, 0)), 0) << i;
    EXPECT_EQ(ImageList_GetImage(list.hIml(), 1).pixel(4, 5), qRgb(1, 2, 3));
}

TEST_F(ListFixture, PropertySetRoundTripAndEmptyListLeavesNoImageProperties)
{
    list.setIconSizeX(24);
    list.setIconSizeY(24);
    list.Create();
    PropertyBag empty;
    list.WriteProperties(empty);
    for (const char* name : {"Size", "Images", "Version", "KeyCount", "Keys"})
        EXPECT_FALSE(empty.contains(QString::fromLatin1(name))) << name;
    KeyedImageList fromEmpty;
    fromEmpty.ReadProperties(empty);
    EXPECT_EQ(fromEmpty.IconSizeX(), 24);
    EXPECT_EQ(fromEmpty.ImageCount(), 0);

    list.AddFromHandle(squareIcon(24, Qt::red), IMAGE_ICON, QStringLiteral("r"));
    list.AddFromHandle(squareIcon(24, Qt::blue), IMAGE_ICON, QStringLiteral("b"));
    PropertyBag bag;
    list.WriteProperties(bag);
    KeyedImageList back;
    back.ReadProperties(bag);
    ASSERT_EQ(back.ImageCount(), 2);
    EXPECT_EQ(back.ItemKey(2).toString(), QStringLiteral("b"));
    EXPECT_EQ(ImageList_GetImage(back.hIml(), 0), ImageList_GetImage(list.hIml(), 0));
}

TEST_F(ListFixture, ChangesAreAnnounced)
{
    QStringList told;
    list.propertyChanged = [&told](const QString& name) { told << name; };
    addIcons(2);  // AddFromHandle tells nothing
    EXPECT_TRUE(told.isEmpty());
    list.setItemKey(1, QStringLiteral("kk"));
    list.SwapOrCopyImage(1, 2);
    list.RemoveImage(1);
    list.Clear();
    EXPECT_EQ(told, (QStringList{"KeyCount", "Keys", "Images", "Size", "Images", "Size", "Keys", "KeyCount",
                                 "Images", "Size"}));
}

TEST_F(ListFixture, IconCursorAndAnimatedCursorFiles)
{
    writeFile(path("a.ico"), icoBytes(squareImage(32, 32, Qt::red)));
    writeFile(path("b.cur"), curBytes(squareImage(32, 32, Qt::green), QPoint(4, 6)));
    std::vector<QByteArray> frames;
    for (const QColor c : {Qt::red, Qt::green, Qt::blue, Qt::yellow})
        frames.push_back(icoBytes(squareImage(32, 32, c)));
    writeFile(path("c.ani"), aniBytes(frames, 4));
    writeFile(path("short.ani"), aniBytes({frames[0], frames[1]}, 3));

    EXPECT_TRUE(list.AddFromFile(path("a.ico"), IMAGE_ICON, QStringLiteral("A")));
    EXPECT_TRUE(list.AddFromFile(path("b.cur"), IMAGE_CURSOR));
    EXPECT_TRUE(list.AddFromFile(path("c.ani"), IMAGE_CURSOR));
    EXPECT_FALSE(list.AddFromFile(path("short.ani"), IMAGE_CURSOR));
    EXPECT_FALSE(list.AddFromFile(path("missing.ico"), IMAGE_ICON));
    ASSERT_EQ(list.ImageCount(), 3);
    EXPECT_EQ(QColor(ImageList_GetImage(list.hIml(), 0).pixel(8, 8)), QColor(Qt::red));
    EXPECT_EQ(QColor(ImageList_GetImage(list.hIml(), 2).pixel(8, 8)), QColor(Qt::red));

    const std::optional<Icon> cursor = LoadIconFile(path("b.cur"), 16, 16);
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->hotSpot, QPoint(2, 3));
    EXPECT_FALSE(cursor->isIcon);

    const std::optional<QByteArray> ani = ReadPictureFile(path("c.ani"));
    const std::optional<AniFrames> parsed = ParseAniFile(*ani);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->frames.size(), 4u);
}

}  // namespace
