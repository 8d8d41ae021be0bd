#include "controls/xpbutton.h"
#include "controls/xpbuttonlook.h"
#include "demowindow.h"
#include "support/texto.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tarvelo;

namespace {

constexpr ColourRef kHostColour = 0x00FF00;
constexpr ColourRef kFace = 0x808080;
constexpr ColourRef kOverFace = 0x804040;
constexpr ColourRef kBorder = 0x733C00;
constexpr ColourRef kCorner = 0x7B4D10;

ColourRef shifted(ColourRef c, int d) { return ShiftColour(c, d, false); }
ColourRef base(ColourRef face) { return shifted(face, 48); }

QString buttonName(qint16 b) { return QString::number(b); }

// A 75 x 22 button captioned "OK" at (10, 10) of a green window, with its events logged.
class XPButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCursor::setPos(2000, 2000);
        host = std::make_unique<QWidget>();
        host->resize(120, 50);
        host->setAutoFillBackground(true);
        QPalette pal = host->palette();
        pal.setColor(QPalette::Window, toQColor(kHostColour));
        host->setPalette(pal);
        button = new XPButton(host.get());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(8);
        button->setFont(font);
        button->setCaption(QStringLiteral("OK"));
        button->setBackColor(kFace);
        button->setBackOver(kOverFace);
        button->setGeometry(10, 10, 75, 22);
        log(button);
        // Something else holds the focus, so the looks are those of an unfocused button.
        elsewhere = new QWidget(host.get());
        elsewhere->setGeometry(100, 0, 10, 10);
        elsewhere->setFocusPolicy(Qt::StrongFocus);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        elsewhere->setFocus();
    }
    void TearDown() override { QCursor::setPos(2000, 2000); }

    void log(XPButton* b)
    {
        QObject::connect(b, &XPButton::Click, [this] { events << "Click"; });
        QObject::connect(b, &XPButton::MouseDown, [this](qint16& bt, qint16&, float&, float&) {
            events << "MouseDown" + buttonName(bt);
            if (mouseDownOverride)
                bt = mouseDownOverride;
        });
        QObject::connect(b, &XPButton::MouseUp,
                         [this](qint16& bt, qint16&, float&, float&) { events << "MouseUp" + buttonName(bt); });
        QObject::connect(b, &XPButton::KeyDown, [this](qint16& code, qint16&) {
            events << "KeyDown" + QString::number(code);
            if (keyDownOverride >= 0)
                code = qint16(keyDownOverride);
        });
        QObject::connect(b, &XPButton::KeyUp, [this](qint16& code, qint16&) { events << "KeyUp" + QString::number(code); });
        QObject::connect(b, &XPButton::MouseOver, [this] { events << "MouseOver"; });
        QObject::connect(b, &XPButton::MOUSEOUT, [this] { events << "MOUSEOUT"; });
        QObject::connect(b, &XPButton::PropertyChanged, [this](const QString& key) { notices << key; });
    }

    // The surface's pixel (x, y), at the top left of the image pixels it covers on a scaled screen.
    ColourRef px(int x, int y) const
    {
        const qreal ratio = button->surface().devicePixelRatio();
        return fromQRgb(button->surface().pixel(qRound(x * ratio), qRound(y * ratio)));
    }

    // Space as X11 delivers a held key: a press, release/press pairs marked as repeats, a
    // final release.
    void holdSpace(QWidget* target, int repeats)
    {
        const auto send = [target](QEvent::Type type, bool repeat) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
            QApplication::sendEvent(target, &e);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < repeats; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
    }

    // The normal look's gradient runs down rows 3..18 at columns the caption never reaches.
    void expectGradient(ColourRef face, bool pressed)
    {
        const ColourRef b = base(face);
        const ColourRef d = shifted(b, -16);
        for (int row = 3; row <= 18; ++row) {
            const ColourRef expected = pressed ? shifted(d, GradientShift(22, 22 - row))
                                               : shifted(b, GradientShift(22, row));
            EXPECT_EQ(px(5, row), expected) << "row " << row;
            EXPECT_EQ(px(68, row), expected) << "row " << row;
        }
    }

    void expectFrame(ColourRef border, ColourRef corner)
    {
        for (const QPoint p : {QPoint(0, 10), QPoint(74, 10), QPoint(10, 0), QPoint(10, 21)})
            EXPECT_EQ(px(p.x(), p.y()), border) << p.x() << "," << p.y();
        for (const QPoint p : {QPoint(1, 1), QPoint(73, 1), QPoint(1, 20), QPoint(73, 20)})
            EXPECT_EQ(px(p.x(), p.y()), corner) << p.x() << "," << p.y();
    }

    // Row 1, rows 19/20, columns 1/2 and 72/73 at the middle of each side.
    void expectRim(ColourRef frame, ColourRef bottom, ColourRef top, ColourRef second, ColourRef sides)
    {
        EXPECT_EQ(px(1, 10), frame);
        EXPECT_EQ(px(73, 10), frame);
        EXPECT_EQ(px(10, 19), frame);
        EXPECT_EQ(px(10, 20), bottom);
        EXPECT_EQ(px(10, 1), top);
        EXPECT_EQ(px(10, 2), second);
        EXPECT_EQ(px(2, 10), sides);
        EXPECT_EQ(px(72, 10), sides);
    }

    void hover()
    {
        QCursor::setPos(button->mapToGlobal(QPoint(5, 5)));
        QTRY_VERIFY(events.contains("MouseOver"));
    }

    std::unique_ptr<QWidget> host;
    XPButton* button = nullptr;
    QWidget* elsewhere = nullptr;
    QStringList events;
    QStringList notices;
    qint16 mouseDownOverride = 0;
    int keyDownOverride = -1;
};

// ---- Looks ----------------------------------------------------------------------------

TEST_F(XPButtonTest, NormalLookGradientBorderAndBevel)
{
    expectGradient(kFace, false);
    expectFrame(kBorder, kCorner);
    const ColourRef b = base(kFace);
    EXPECT_EQ(px(10, 20), shifted(b, -48));
    EXPECT_EQ(px(10, 19), shifted(b, -32));
    EXPECT_EQ(px(73, 10), shifted(b, -36));
    EXPECT_EQ(px(72, 10), shifted(b, -24));
    EXPECT_EQ(px(10, 1), shifted(b, +16));
    EXPECT_EQ(px(10, 2), shifted(b, +10));
    EXPECT_EQ(px(1, 10), shifted(b, -5));
    EXPECT_EQ(px(2, 10), shifted(b, -10));
}

// Run once more on a screen scaled by 2 (see tests/CMakeLists.txt), with the other looks.
TEST_F(XPButtonTest, LookIsDrawnAtTheScreensResolution)
{
    const qreal ratio = button->devicePixelRatio();
    EXPECT_EQ(button->surface().devicePixelRatio(), ratio);
    EXPECT_EQ(button->surface().size(), button->size() * ratio);
    if (ratio < 2)
        return;
    // The border's row covers two image rows. Every line of the look covers whole 2 x 2
    // blocks; only the caption, drawn at the image's resolution, splits some.
    EXPECT_EQ(fromQRgb(button->surface().pixel(20, 1)), kBorder);
    const QImage& image = button->surface();
    int splitBlocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            splitBlocks += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(splitBlocks, 0) << "the caption was drawn at 1x and doubled";
}

TEST_F(XPButtonTest, RoundedCornersLieOutsideTheWindow)
{
    const QImage shot = host->grab().toImage();
    const auto at = [&](int x, int y) { return fromQRgb(shot.pixel(10 + x, 10 + y)); };
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(74, 21), QPoint(73, 21), QPoint(74, 20)})
        EXPECT_EQ(at(p.x(), p.y()), kHostColour) << p.x() << "," << p.y();
    EXPECT_EQ(at(2, 0), kBorder);
    EXPECT_EQ(at(1, 1), kCorner);
    EXPECT_EQ(at(5, 10), px(5, 10));
}

TEST_F(XPButtonTest, HoverLookUsesBackOverAndTheOrangeRimUntilThePointerLeaves)
{
    hover();
    expectGradient(kOverFace, false);
    expectRim(0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF);
    EXPECT_EQ(button->BackColor(), kFace);

    QCursor::setPos(host->mapToGlobal(QPoint(110, 45)));
    QTRY_VERIFY(events.contains("MOUSEOUT"));
    expectGradient(kFace, false);
    EXPECT_EQ(px(10, 1), shifted(base(kFace), +16));
    EXPECT_EQ(events.filter("MouseOver").size(), 1);
}

TEST_F(XPButtonTest, FocusAndDefaultButtonShowTheBlueRim)
{
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    expectRim(0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5);
    expectGradient(kFace, false);

    button->setShowFocusRect(false);
    EXPECT_EQ(px(10, 1), shifted(base(kFace), +16)) << "the bevel again";
    button->setShowFocusRect(true);
    elsewhere->setFocus();
    EXPECT_EQ(px(10, 1), shifted(base(kFace), +16));
    button->setDisplayAsDefault(true);
    EXPECT_EQ(px(10, 1), 0xFFE7CEu);
}

TEST_F(XPButtonTest, PressedLookIsLightestAtTheBottom)
{
    button->setValue(true);
    expectGradient(kFace, true);
    expectFrame(kBorder, kCorner);
    const ColourRef b = base(kFace), d = shifted(b, -16);
    EXPECT_EQ(px(10, 20), shifted(d, +16));
    EXPECT_EQ(px(10, 19), shifted(d, +10));
    EXPECT_EQ(px(73, 10), shifted(d, +5));
    EXPECT_EQ(px(72, 10), b);
    EXPECT_EQ(px(10, 1), shifted(d, -32));
    EXPECT_EQ(px(10, 2), shifted(d, -24));
    EXPECT_EQ(px(1, 10), shifted(d, -32));
    EXPECT_EQ(px(2, 10), shifted(d, -22));
    EXPECT_TRUE(button->Value());
}

TEST_F(XPButtonTest, DisabledLookIsFlat)
{
    button->setEnabled(false);
    const ColourRef b = base(kFace);
    EXPECT_EQ(px(5, 5), shifted(b, -24));
    EXPECT_EQ(px(68, 15), shifted(b, -24));
    expectFrame(shifted(b, -84), shifted(b, -72));
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(XPButtonTest, SoftBevelHalvesTheShifts)
{
    button->setSoftBevel(true);
    const ColourRef b = ShiftColour(kFace, 48, true);
    EXPECT_EQ(px(5, 18), ShiftColour(b, GradientShift(22, 18), true));
    EXPECT_EQ(px(10, 20), ShiftColour(b, -48, true));
    expectFrame(kBorder, kCorner);
}

TEST_F(XPButtonTest, DegenerateSizesPaintOnlyFaceAndBorder)
{
    for (const int w : {0, 1, 2, 3, 7, 8})
        for (const int h : {0, 1, 2, 3, 4}) {
            button->resize(w, h);
            button->setValue(true);
            button->setValue(false);
            button->setEnabled(false);
            button->setEnabled(true);
            const QImage& s = button->surface();
            for (int y = 0; y < s.height(); ++y)
                for (int x = 0; x < s.width(); ++x) {
                    const ColourRef c = fromQRgb(s.pixel(x, y));
                    EXPECT_TRUE(c == kFace || c == kBorder || c == kCorner || w >= 8)
                        << w << "x" << h << " at " << x << "," << y << ": " << std::hex << c;
                }
        }
}

// ---- Mouse and keyboard ---------------------------------------------------------------

TEST_F(XPButtonTest, LeftClickShowsThePressedLookThenClicks)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(px(10, 1), shifted(shifted(base(kFace), -16), -32)) << "pressed while held";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(events, QStringList({"MouseDown1", "MouseUp1", "Click"}));
    expectGradient(kFace, false);
}

TEST_F(XPButtonTest, OtherButtonsNeverClick)
{
    struct Case {
        Qt::MouseButton button;
        bool pressedLook;
        QStringList expected;
    };
    const Case cases[] = {
        {Qt::RightButton, false, {"MouseDown2", "MouseUp2"}},
        {Qt::MiddleButton, true, {"MouseDown4", "MouseUp4"}},
    };
    for (const Case& c : cases) {
        events.clear();
        QTest::mousePress(button, c.button, {}, QPoint(20, 10));
        EXPECT_EQ(px(10, 1) == shifted(shifted(base(kFace), -16), -32), c.pressedLook);
        QTest::mouseRelease(button, c.button, {}, QPoint(20, 10));
        EXPECT_EQ(events, c.expected);
    }
}

TEST_F(XPButtonTest, DoubleClickClicksOnce)
{
    // Through the window, as the platform delivers it: press, release, press, double click,
    // release.
    QTest::mouseDClick(host->windowHandle(), Qt::LeftButton, {}, button->mapTo(host.get(), QPoint(20, 10)));
    events.removeAll("MouseOver");  // the pointer passing in and out is not the point here
    events.removeAll("MOUSEOUT");
    EXPECT_EQ(events, QStringList({"MouseDown1", "MouseUp1", "Click", "MouseDown1", "MouseUp1"}));
}

TEST_F(XPButtonTest, AMouseDownHandlerTurningTheButtonRightPreventsThePress)
{
    mouseDownOverride = 2;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(events, QStringList({"MouseDown1", "MouseUp1"}));
    expectGradient(kFace, false);
}

TEST_F(XPButtonTest, DraggingOffAndBackTogglesThePressedLook)
{
    const ColourRef pressedTop = shifted(shifted(base(kOverFace), -16), -32);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(100, 10));
    expectGradient(kFace, false);  // off the button
    QTest::mouseMove(button, QPoint(20, 10));
    EXPECT_EQ(px(10, 1), pressedTop) << "back on it: pressed, in the hover colours";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(events.contains("MouseOver"));
    EXPECT_EQ(events.count("Click"), 1);
}

TEST_F(XPButtonTest, CheckBoxBehaviourTogglesAndStaysPressed)
{
    button->setCheckBoxBehaviour(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(button->Value());
    expectGradient(kFace, true);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(button->Value());
    expectGradient(kFace, false);
    EXPECT_FALSE(notices.contains("VALUE")) << "a click toggles the field without a notice";
}

TEST_F(XPButtonTest, HoldingSpaceClicksOnce)
{
    holdSpace(button, 3);
    EXPECT_EQ(events.count("Click"), 1);
    EXPECT_EQ(events.count("KeyDown32"), 4);
    EXPECT_EQ(events.count("KeyUp32"), 1);
    EXPECT_EQ(events.last(), "Click");

    events.clear();
    keyDownOverride = 0;
    holdSpace(button, 0);
    EXPECT_FALSE(events.contains("Click")) << "a KeyDown handler cleared the key";
}

TEST_F(XPButtonTest, ADisabledButtonNeverClicks)
{
    // Disabled before its first show: it can neither take the focus nor click.
    QWidget other;
    auto* late = new XPButton(&other);
    late->setGeometry(0, 0, 75, 22);
    late->setEnabled(false);
    log(late);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    late->setFocus();
    EXPECT_FALSE(late->hasFocus());
    holdSpace(late, 0);
    QTest::mouseClick(late, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(events.contains("Click"));

    // The host's own disabling of the widget reaches Enabled; a disabled parent does not.
    static_cast<QWidget*>(button)->setEnabled(false);
    EXPECT_FALSE(button->Enabled());
    static_cast<QWidget*>(button)->setEnabled(true);
    host->setEnabled(false);
    EXPECT_TRUE(button->Enabled());
}

TEST_F(XPButtonTest, AccessKeyClicks)
{
    button->setCaption(QStringLiteral("&Ok"));
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    QTest::keyClick(host.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(events, QStringList({"Click"}));
    button->setCaption(QStringLiteral("O&&k"));
    QTest::keyClick(host.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(events.count("Click"), 1);
}

// ---- Properties -----------------------------------------------------------------------

TEST_F(XPButtonTest, ValueNoticesAndRepaints)
{
    notices.clear();
    button->setValue(false);
    EXPECT_TRUE(notices.isEmpty()) << "an equal value does nothing";
    button->setValue(true);
    EXPECT_EQ(notices, QStringList({"VALUE"}));

    // At run time a new face leaves the hover face alone; a designer copies it.
    button->setBackColor(0x0000FF);
    EXPECT_EQ(button->BackOver(), kOverFace);
    button->setDesignMode(true);
    button->setBackColor(0x00FFFF);
    EXPECT_EQ(button->BackOver(), 0x00FFFFu);
    EXPECT_EQ(notices, QStringList({"VALUE", "BCOL", "BCOL"}));
}

TEST_F(XPButtonTest, DisableRefreshHoldsPaintsUntilRefresh)
{
    const ColourRef before = px(5, 10);
    button->DisableRefresh();
    button->setBackColor(0x0000FF);
    button->setCaption(QStringLiteral("Other"));
    EXPECT_EQ(px(5, 10), before);
    button->Refresh();
    EXPECT_EQ(px(5, 10), shifted(base(0x0000FF), GradientShift(22, 10)));
}

TEST_F(XPButtonTest, FontSizeReadsWholePointsHalvesToEven)
{
    const std::pair<double, int> cases[] = {{8.25, 8}, {12.75, 13}, {8.5, 8}, {9.5, 10}};
    for (const auto& [points, expected] : cases) {
        QFont f = button->Font();
        f.setPointSizeF(points);
        button->setFont(f);
        EXPECT_EQ(button->FontSize(), expected) << points;
    }
    button->setFontSize(9);
    EXPECT_EQ(button->Font().pointSizeF(), 9.0);
}

TEST_F(XPButtonTest, PlacementIsInTwips)
{
    button->setLeft(300);
    button->setTop(150);
    button->setWidth(1125);
    button->setHeight(330);
    EXPECT_EQ(button->geometry(), QRect(20, 10, 75, 22));
    EXPECT_EQ(button->Left(), 300.0f);
    EXPECT_EQ(button->Height(), 330.0f);
}

MessageParam g_lastMessage = 0;
WindowProcedure g_classProc = nullptr;
MessageParam keypadProc(WindowHandle h, quint32 m, MessageParam w, MessageParam l)
{
    g_lastMessage = m;
    return CallWindowProc(g_classProc, h, m, w, l);
}

TEST_F(XPButtonTest, EveryButtonWindowSharesOneProcedureAndEndsWithTheButton)
{
    auto* second = new XPButton(host.get());
    ASSERT_NE(button->hWnd(), 0);
    EXPECT_NE(button->hWnd(), second->hWnd());
    EXPECT_EQ(GetWindowProcedure(button->hWnd()), &XPButtonWindowProc);
    EXPECT_EQ(GetWindowProcedure(second->hWnd()), &XPButtonWindowProc);

    const WindowHandle h = second->hWnd();
    g_classProc = SetWindowProcedure(h, &keypadProc);
    SendMessage(h, WM_HOTKEY, 1, 0);
    EXPECT_EQ(g_lastMessage, MessageParam(WM_HOTKEY));
    delete second;
    EXPECT_EQ(g_lastMessage, MessageParam(WM_NCDESTROY));
    EXPECT_FALSE(IsWindow(h));
}

// ---- Persistence ----------------------------------------------------------------------

const QStringList kKeys = {"TX",   "ENAB", "FONT",  "FOCUSR", "BCOL",   "BCOLO", "FCOL", "FCOLO", "MCOL",
                           "PICN", "PICH", "UMCOL", "SOFT",   "PICPOS", "FX",    "HAND", "CHECK", "VALUE"};

TEST_F(XPButtonTest, WrittenPropertiesReadBackIntoTheSameButton)
{
    XPButton placed(host.get());
    placed.InitProperties(QStringLiteral("cmdImprimir"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    placed.setFont(f);
    placed.setCaption(QStringLiteral("&Imprimir"));
    placed.setEnabled(false);
    placed.setShowFocusRect(false);
    placed.setBackColor(systemColour(COLOR_BTNFACE));
    placed.setBackOver(0x00C0FF);
    placed.setForeColor(0x112233);
    placed.setForeOver(0x445566);
    placed.setMaskColor(0xFF00FF);
    placed.setPictureNormal(Picture::icon(demoIcon()));
    placed.setUseMaskColor(false);
    placed.setSoftBevel(true);
    placed.setPicturePosition(3);
    placed.setSpecialEffect(2);
    placed.setCheckBoxBehaviour(true);
    placed.setValue(true);

    PropertyBag first;
    placed.WriteProperties(first);
    EXPECT_EQ(first.names(), kKeys);
    EXPECT_EQ(first.ReadProperty("HAND").toBool(), true);

    XPButton loaded(host.get());
    loaded.ReadProperties(first);
    PropertyBag second;
    loaded.WriteProperties(second);
    EXPECT_EQ(second.ReadProperty("HAND").toBool(), false) << "a loaded button was not placed new";
    for (const QString& key : kKeys) {
        if (key == "HAND")
            continue;
        EXPECT_EQ(second.ReadProperty(key), first.ReadProperty(key)) << key.toStdString();
    }
    EXPECT_EQ(loaded.FontSize(), 10);
    EXPECT_FALSE(loaded.isEnabled());
}

TEST_F(XPButtonTest, MissingOrUnreadableValuesFallBack)
{
    PropertyBag bag;
    bag.WriteProperty("TX", "Sair");
    XPButton loaded(host.get());
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.BackColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(loaded.BackOver(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(loaded.ForeColor(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(loaded.MaskColor(), 0xC0C0C0u);
    EXPECT_TRUE(loaded.Enabled());
    EXPECT_TRUE(loaded.ShowFocusRect());
    EXPECT_TRUE(loaded.UseMaskColor());

    loaded.setBackColor(0x123456);
    bag.WriteProperty("BCOL", "not a colour");
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.BackColor(), 0x123456u) << "a value that does not convert keeps the old one";
}

// ---- The demo window --------------------------------------------------------------------

TEST(DemoWindow, ShowsEveryLook)
{
    DemoWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.pressKeys();
    const auto top = [](XPButton* b) { return fromQRgb(b->surface().pixel(10, 1)); };
    const ColourRef b = base(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(top(window.normal), shifted(b, 16));
    EXPECT_EQ(top(window.defaultButton), 0xFFE7CEu);
    EXPECT_EQ(top(window.pressed), shifted(shifted(b, -16), -32));
    EXPECT_EQ(top(window.toggled), shifted(shifted(b, -16), -32));
    EXPECT_EQ(fromQRgb(window.disabled->surface().pixel(5, 5)), shifted(b, -24));
}

}  // namespace
