#include "platform/drawing.h"
#include "platform/syscolors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvelo;

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;
constexpr ColourRef kRed = 0x0000FF;
constexpr ColourRef kBlue = 0xFF0000;

// The surface as rows of characters: '.' for white, '#' for `ink`, '?' for anything else.
std::vector<std::string> picture(const DeviceContext& dc, ColourRef ink)
{
    std::vector<std::string> rows;
    for (int y = 0; y < dc.height(); ++y) {
        std::string row;
        for (int x = 0; x < dc.width(); ++x) {
            const ColourRef c = dc.GetPixel(x, y);
            row += c == kWhite ? '.' : c == ink ? '#' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(SystemColours, TranslateOnlyPlainValuesAndKnownSystemNumbers)
{
    EXPECT_EQ(translateOleColour(0x00123456), 0x123456u);
    EXPECT_EQ(translateOleColour(systemColour(COLOR_BTNFACE)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(translateOleColour(0x80000018), GetSysColor(COLOR_INFOBK));
    EXPECT_FALSE(translateOleColour(0x80000040).has_value());
    EXPECT_FALSE(translateOleColour(0x01000000).has_value());
    EXPECT_FALSE(translateOleColour(0xFFFFFFFF).has_value());
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(kSysColourCount), 0u);
}

TEST(DrawingPrimitives, LinesLeaveOutTheirEndPoint)
{
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {0, 1, 4, 1, {".....", "####.", ".....", ".....", "....."}},
        {4, 1, 0, 1, {".....", ".####", ".....", ".....", "....."}},
        {2, 0, 2, 3, {"..#..", "..#..", "..#..", ".....", "....."}},
        {2, 4, 2, 1, {".....", ".....", "..#..", "..#..", "..#.."}},
        {0, 0, 4, 4, {"#....", ".#...", "..#..", "...#.", "....."}},
        {3, 3, 3, 3, {".....", ".....", ".....", ".....", "....."}},
        {-10, 2, 100, 2, {".....", ".....", "#####", ".....", "....."}},
    };
    for (const Case& c : cases) {
        DeviceContext dc(5, 5);
        dc.line(c.x1, c.y1, c.x2, c.y2, kRed);
        EXPECT_EQ(picture(dc, kRed), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(DrawingPrimitives, FillAndFrameCoverTheirRectangleOnly)
{
    DeviceContext dc(6, 5);
    dc.frame(1, 1, 4, 3, kRed);
    dc.fill(2, 2, 2, 1, kBlue);
    dc.fill(-3, -3, 2, 2, kBlue);  // off the surface
    dc.frame(0, 0, 0, 5, kBlue);   // empty
    EXPECT_EQ(picture(dc, kRed), (std::vector<std::string>{"......", ".####.", ".#??#.", ".####.", "......"}));
    EXPECT_EQ(dc.GetPixel(6, 0), 0xFFFFFFFFu);
    dc.SetPixel(-1, 7, kRed);  // ignored
}

TEST(DrawingPrimitives, PatternBrushPaintsClearBitsInTextColourAnchoredAtTheOrigin)
{
    DeviceContext dc(8, 3);
    dc.setTextColour(kRed);
    dc.setBkColour(kWhite);
    // One set bit per row, in the leftmost column.
    dc.selectBrush(Brush::pattern({0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
    dc.PatBlt(3, 0, 5, 3, PATCOPY);
    // Column 0 of the pattern is column 0 of the surface, not of the blit.
    EXPECT_EQ(picture(dc, kRed), (std::vector<std::string>{"...#####", "...#####", "...#####"}));

    // The dotted checkerboard from a 16 x 8 bitmap of rows 0x5555 / 0xAAAA.
    const quint8 bits[16] = {0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA,
                             0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA};
    DeviceContext board(4, 2);
    board.setTextColour(kRed);
    board.FillRect(Rect{0, 0, 4, 2}, Brush::fromBits(bits, 2, 8));
    EXPECT_EQ(picture(board, kRed), (std::vector<std::string>{"#.#.", ".#.#"}));
}

TEST(DrawingPrimitives, RasterOperations)
{
    DeviceContext dc(3, 1);
    dc.fill(0, 0, 3, 1, 0x00F0F0);
    dc.selectBrush(Brush::solid(0x0F0F0F));
    dc.PatBlt(0, 0, 1, 1, PATINVERT);
    dc.PatBlt(1, 0, 1, 1, DSTINVERT);
    dc.PatBlt(2, 0, 1, 1, BLACKNESS);
    EXPECT_EQ(dc.GetPixel(0, 0), 0x0FFFFFu);
    EXPECT_EQ(dc.GetPixel(1, 0), 0xFF0F0Fu);
    EXPECT_EQ(dc.GetPixel(2, 0), 0u);

    const std::pair<quint32, ColourRef> blits[] = {
        {SRCCOPY, 0x0F0F0F}, {SRCPAINT, 0x0FFFFF}, {SRCAND, 0x000000}, {SRCINVERT, 0x0FFFFF}};
    DeviceContext src(1, 1);
    src.fill(0, 0, 1, 1, 0x0F0F0F);
    for (const auto& [rop, expected] : blits) {
        DeviceContext dst(1, 1);
        dst.fill(0, 0, 1, 1, 0x00F0F0);
        BitBlt(dst, 0, 0, 1, 1, src, 0, 0, rop);
        EXPECT_EQ(dst.GetPixel(0, 0), expected) << std::hex << rop;
    }
}

TEST(DrawingPrimitives, BitBltClipsToBothSurfacesAndMayOverlapItself)
{
    DeviceContext src(3, 3);
    src.fill(0, 0, 3, 3, kRed);
    DeviceContext dst(4, 4);
    EXPECT_TRUE(BitBlt(dst, -1, 2, 5, 5, src, 0, 0, SRCCOPY));
    EXPECT_EQ(picture(dst, kRed), (std::vector<std::string>{"....", "....", "##..", "##.."}));

    DeviceContext self(5, 1);
    self.SetPixel(0, 0, kRed);
    self.SetPixel(1, 0, kBlue);
    BitBlt(self, 1, 0, 4, 1, self, 0, 0, SRCCOPY);  // shift right by one
    EXPECT_EQ(self.GetPixel(1, 0), kRed);
    EXPECT_EQ(self.GetPixel(2, 0), kBlue);
    EXPECT_FALSE(BitBlt(self, 0, 0, 1, 1, DeviceContext(), 0, 0, SRCCOPY));
}

TEST(DrawingPrimitives, RaisedEdgeUsesTheThreeDColoursAndAdjusts)
{
    DeviceContext dc(5, 5);
    Rect r{0, 0, 5, 5};
    ASSERT_TRUE(dc.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(r, (Rect{2, 2, 3, 3}));
    EXPECT_EQ(dc.GetPixel(0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(dc.GetPixel(4, 0), GetSysColor(COLOR_3DDKSHADOW));  // the far corners are the dark side's
    EXPECT_EQ(dc.GetPixel(4, 4), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(dc.GetPixel(1, 1), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(dc.GetPixel(3, 2), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(dc.GetPixel(2, 2), GetSysColor(COLOR_3DFACE));

    DeviceContext etched(4, 4);
    etched.fill(0, 0, 4, 4, kBlue);
    Rect top{0, 1, 4, 3};
    etched.DrawEdge(top, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
    EXPECT_EQ(etched.GetPixel(0, 1), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(etched.GetPixel(0, 2), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(etched.GetPixel(0, 0), kBlue);
}

TEST(DrawingPrimitives, DrawStatePaintsTheShapeMonoOrEmbossed)
{
    QImage icon(3, 3, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 1, qRgb(0, 128, 0));
    icon.setPixel(2, 1, qRgb(255, 255, 255));  // white is not part of the shape

    DeviceContext mono(4, 4);
    mono.DrawState(kBlue, icon, 0, 0, 0, 0, DST_ICON | DSS_MONO);
    EXPECT_EQ(picture(mono, kBlue), (std::vector<std::string>{"....", ".#..", "....", "...."}));

    DeviceContext disabled(4, 4);
    disabled.DrawState(std::nullopt, icon, 0, 0, 0, 0, DST_ICON | DSS_DISABLED);
    EXPECT_EQ(disabled.GetPixel(1, 1), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(disabled.GetPixel(2, 2), GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_FALSE(disabled.DrawState(std::nullopt, QImage(), 0, 0, 0, 0, DST_ICON));
}

TEST(DrawingPrimitives, ASurfaceTooLargeIsRefusedAndStateSurvivesAResize)
{
    DeviceContext dc(2, 2);
    dc.setTextColour(kRed);
    EXPECT_FALSE(dc.resize(1 << 20, 1 << 20));
    EXPECT_TRUE(dc.isNull());
    dc.fill(0, 0, 5, 5, kRed);  // no surface, nothing happens
    EXPECT_TRUE(dc.resize(3, 1));
    EXPECT_EQ(dc.textColour(), kRed);
}

// The image as rows of characters, as `picture` draws the surface.
std::vector<std::string> imagePixels(const DeviceContext& dc, ColourRef ink)
{
    std::vector<std::string> rows;
    for (int y = 0; y < dc.image().height(); ++y) {
        std::string row;
        for (int x = 0; x < dc.image().width(); ++x) {
            const ColourRef c = fromQRgb(dc.image().pixel(x, y));
            row += c == kWhite ? '.' : c == ink ? '#' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(DrawingAtARatio, EveryPixelCoversItsImagePixelsAndTheDrawingKeepsItsCoordinates)
{
    DeviceContext dc;
    ASSERT_TRUE(dc.resize(4, 3, 2.0));
    EXPECT_EQ(dc.width(), 4);
    EXPECT_EQ(dc.image().size(), QSize(8, 6));
    EXPECT_EQ(dc.image().devicePixelRatio(), 2.0);
    dc.frame(0, 0, 4, 3, kRed);
    dc.SetPixel(2, 1, kRed);
    dc.line(0, 1, 1, 2, kBlue);  // a diagonal goes pixel by pixel
    EXPECT_EQ(imagePixels(dc, kRed), (std::vector<std::string>{
        "########", "########", "??..####", "??..####", "########", "########"}));
    EXPECT_EQ(dc.GetPixel(0, 1), kBlue);
    EXPECT_EQ(picture(dc, kRed), (std::vector<std::string>{"####", "?.##", "####"}));

    // The pattern stays one of the drawing's pixels.
    DeviceContext board;
    ASSERT_TRUE(board.resize(2, 1, 2.0));
    board.setTextColour(kRed);
    board.selectBrush(Brush::pattern({0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40}));
    board.PatBlt(0, 0, 2, 1, PATCOPY);
    EXPECT_EQ(imagePixels(board, kRed), (std::vector<std::string>{"##..", "##.."}));

    // A block from a plain surface is enlarged to the target's resolution.
    DeviceContext plain(2, 1);
    plain.SetPixel(1, 0, kRed);
    DeviceContext target;
    ASSERT_TRUE(target.resize(2, 1, 2.0));
    EXPECT_TRUE(BitBlt(target, 0, 0, 2, 1, plain, 0, 0, SRCCOPY));
    EXPECT_EQ(imagePixels(target, kRed), (std::vector<std::string>{"..##", "..##"}));
}

TEST(DrawingAtARatio, AtOneAndAHalfAFrameIsAsThickOnEverySide)
{
    for (const int size : {7, 8, 11, 40}) {
        DeviceContext dc;
        ASSERT_TRUE(dc.resize(size, size + 1, 1.5));
        EXPECT_EQ(dc.image().size(), QSize(qRound(size * 1.5), qRound((size + 1) * 1.5)));
        dc.frame(0, 0, size, size + 1, kRed);
        const QImage& image = dc.image();
        const auto thickness = [&](int x, int y, int dx, int dy) {
            int n = 0;
            while (x >= 0 && y >= 0 && x < image.width() && y < image.height()
                   && fromQRgb(image.pixel(x, y)) == kRed) {
                ++n;
                x += dx;
                y += dy;
            }
            return n;
        };
        const int middleX = image.width() / 2, middleY = image.height() / 2;
        const int left = thickness(0, middleY, 1, 0);
        EXPECT_EQ(left, 2) << size;
        EXPECT_EQ(thickness(image.width() - 1, middleY, -1, 0), left) << size;
        EXPECT_EQ(thickness(middleX, 0, 0, 1), left) << size;
        EXPECT_EQ(thickness(middleX, image.height() - 1, 0, -1), left) << size;
        EXPECT_EQ(picture(dc, kRed).front(), std::string(std::size_t(size), '#'));
    }
}

TEST(DrawingPrimitives, RegionsCombine)
{
    const QRegion all = CreateRectRgn(0, 0, 4, 4);
    const QRegion hole = CombineRgn(all, CreateRectRgn(0, 0, 1, 1), RegionOp::Diff);
    EXPECT_FALSE(hole.contains(QPoint(0, 0)));
    EXPECT_TRUE(hole.contains(QPoint(3, 3)));
    EXPECT_TRUE(CreateRectRgn(3, 3, 3, 5).isEmpty());
}

}  // namespace
