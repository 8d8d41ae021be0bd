#include "controls/xpbuttonlook.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(ShiftColour, MovesRedAndGreenByDeltaAndBlueInProportion)
{
    struct Case {
        ColourRef colour;
        int delta;
        bool soft;
        ColourRef expected;
    };
    const Case cases[] = {
        {0xFFFFFF, +48, false, 0xFFFFFF},  // clamped
        {0xC0C0C0, -64, false, 0x808080},
        {0x808080, +48, false, 0xA0B0B0},  // red and green 176, blue 160
        {0xFFFFFF, -25, false, 0xDEE6E6},  // the darkest gradient row of a white face
        {0xC0C0C0, +48, true, 0xD8D8D8},   // a soft bevel halves the delta
        {0x102030, -192, false, 0x000000},  // d = -192 takes blue to 0, the others clamp
        {0x102030, -7, true, 0x101D2D},     // halving truncates toward zero: -3
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftColour(c.colour, c.delta, c.soft), c.expected)
            << std::hex << c.colour << " " << std::dec << c.delta << (c.soft ? " soft" : "");
}

TEST(GradientShift, RoundsEachRowOfTheSinglePrecisionStepHalvesToEven)
{
    const int expected16[] = {-2, -3, -5, -6, -8, -9, -11, -12, -14, -16, -17, -19, -20, -22};
    for (int row = 1; row <= 14; ++row)
        EXPECT_EQ(GradientShift(16, row), expected16[row - 1]) << "row " << row;
    EXPECT_EQ(GradientShift(16, 16), -25);
    EXPECT_EQ(GradientShift(24, 12), -12) << "25/24 in single precision is just below the half";
    EXPECT_EQ(GradientShift(22, 22), -25);
    EXPECT_EQ(GradientShift(0, 1), 0);
}

TEST(AccessKeyOf, FollowsTheFirstAmpersandOrTheOneAfterALiteralPair)
{
    const std::pair<const char*, QChar> cases[] = {
        {"&Ok", QLatin1Char('o')},   {"Sa&ir", QLatin1Char('i')}, {"&", QChar()},
        {"X&", QChar()},             {"A&&B", QChar()},           {"&&&X", QLatin1Char('x')},
        {"&&a&B", QLatin1Char('b')}, {"&&a&&b", QChar()},         {"&&a&", QChar()},
        {"", QChar()},               {"Ok", QChar()},
    };
    for (const auto& [caption, key] : cases)
        EXPECT_EQ(AccessKeyOf(QString::fromLatin1(caption)), key) << caption;
}

TEST(ButtonRegion, CutsThreePixelsAtEachCorner)
{
    const QRegion r = ButtonRegion(75, 22);
    const QPoint out[] = {{0, 0},  {1, 0},  {0, 1},  {73, 0},  {74, 0},  {74, 1},
                          {0, 21}, {1, 21}, {0, 20}, {73, 21}, {74, 21}, {74, 20}};
    for (const QPoint& p : out)
        EXPECT_FALSE(r.contains(p)) << p.x() << "," << p.y();
    const QPoint in[] = {{2, 0}, {1, 1}, {0, 2}, {72, 0}, {73, 1}, {74, 19}, {1, 20}, {72, 21}};
    for (const QPoint& p : in)
        EXPECT_TRUE(r.contains(p)) << p.x() << "," << p.y();
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 75, 22));
    for (int w = 0; w < 4; ++w)
        for (int h = 0; h < 4; ++h)
            EXPECT_LE(ButtonRegion(w, h).rectCount(), w * h) << w << "x" << h;
}

class BlitPictureTest : public ::testing::Test {
protected:
    static constexpr ColourRef kMask = 0xC0C0C0;
    static constexpr ColourRef kBack = 0x303030;

    void SetUp() override
    {
        // A 5-pixel-wide bitmap (rows not a multiple of 4 bytes): mask colour, then
        // pure red, pure green, pure blue and a grey.
        QImage img(5, 2, QImage::Format_RGB32);
        const QRgb row[5] = {toQRgb(kMask), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(90, 90, 90)};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x)
                img.setPixel(x, y, row[x]);
        bitmap = Picture::bitmap(img);
        target.fill(0, 0, 8, 4, kBack);
    }
    ColourRef at(int x, int y) const { return target.GetPixel(x, y); }

    Picture bitmap;
    DeviceContext target{8, 4};
};

TEST_F(BlitPictureTest, PlainCopyLeavesTheTransparentColour)
{
    BlitPicture(target, 1, 1, 5, 2, bitmap, kMask, std::nullopt, false, false, kMask);
    EXPECT_EQ(at(1, 1), kBack);
    EXPECT_EQ(at(2, 1), 0x0000FFu);
    EXPECT_EQ(at(5, 2), 0x5A5A5Au) << "the last column of the second row: no skew";
    EXPECT_EQ(at(6, 1), kBack);
}

TEST_F(BlitPictureTest, SilhouetteGreyAndBlend)
{
    DeviceContext& t = target;
    BlitPicture(t, 0, 0, 5, 1, bitmap, kMask, 0x00FF00, false, false, kMask);
    EXPECT_EQ(at(0, 0), kBack);
    EXPECT_EQ(at(3, 0), 0x00FF00u);

    BlitPicture(t, 0, 1, 5, 1, bitmap, std::nullopt, std::nullopt, true, false, kMask);
    EXPECT_EQ(at(1, 1), 0x4C4C4Cu);  // round(0.3 * 255) = 76 (76.5 to even)
    EXPECT_EQ(at(2, 1), 0x969696u);  // 0.59 * 255 = 150.45
    EXPECT_EQ(at(3, 1), 0x1C1C1Cu);  // 0.11 * 255 = 28.05
    EXPECT_EQ(at(0, 1), 0xC0C0C0u) << "without a transparent colour the mask colour is drawn";

    BlitPicture(t, 0, 2, 5, 1, bitmap, kMask, std::nullopt, false, true, kMask);
    EXPECT_EQ(at(1, 2), 0x1010BAu);  // (48 + 2 * 255) / 3 = 186 red, 48 / 3 = 16 others
}

TEST_F(BlitPictureTest, IconTransparencyTakesTheMaskColour)
{
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(0, 0, 0, 0));
    icon.setPixel(1, 0, qRgb(0, 0, 255));
    const Picture picture = Picture::icon(icon);
    BlitPicture(target, 0, 0, 2, 1, picture, kMask, std::nullopt, false, false, kMask);
    EXPECT_EQ(at(0, 0), kBack);
    EXPECT_EQ(at(1, 0), 0xFF0000u);
    BlitPicture(target, 0, 1, 2, 1, picture, std::nullopt, std::nullopt, false, false, kMask);
    EXPECT_EQ(at(0, 1), kMask);
    BlitPicture(target, 7, 3, 2, 1, picture, std::nullopt, std::nullopt, false, false, kMask);  // half off
    EXPECT_EQ(at(7, 3), kMask);
}

}  // namespace
