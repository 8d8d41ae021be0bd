#include "controls/xpbutton.h"

#include "controls/declares.h"
#include "controls/virtualkeys.h"
#include "controls/xpbuttonlook.h"
#include "platform/ansi.h"
#include "platform/blanks.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvelo {
namespace {

// Border and rim colours, 0x00BBGGRR.
constexpr ColourRef kBorder = 0x733C00;
constexpr ColourRef kCorner = 0x7B4D10;

struct Rim {
    ColourRef frame, bottom, top, second, sides;
};
constexpr Rim kHoverRim = {0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF};
constexpr Rim kFocusRim = {0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5};

// Below this size the rims and bevels would overlap each other and the border.
constexpr int kMinWidthForLook = 8;
constexpr int kMinHeightForLook = 4;

ColourRef translate(OleColour colour)
{
    const qint32 rgb = ResolveColour(colour);
    return rgb == -1 ? 0 : ColourRef(rgb);
}

qint16 mouseButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

qint16 mouseButtons(Qt::MouseButtons b)
{
    return qint16((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0));
}

Rect moved(const Rect& r, int dx, int dy) { return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

MessageParam XPButtonWindowProc(WindowHandle hWnd, quint32 message, MessageParam wParam, MessageParam lParam)
{
    return DefWindowProc(hWnd, message, wParam, lParam);
}

// ---- Life cycle -----------------------------------------------------------------------

XPButton::XPButton(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    overTimer_.setInterval(3);
    connect(&overTimer_, &QTimer::timeout, this, &XPButton::overTimerTick);
    handle_ = CreateWindowHandle(&XPButtonWindowProc, this);
    surface_.setBkMode(BkMode::Transparent);
    surface_.selectFont(QWidget::font());
    ReadProperties(PropertyBag());
}

XPButton::~XPButton()
{
    // While this is still a whole button, so procedures chained on it may look at it.
    DestroyWindowHandle(handle_);
}

void XPButton::InitProperties(const QString& displayName)
{
    enabled_ = true;
    showFocusRect_ = true;
    useMaskColor_ = true;
    caption_ = displayName;
    QFont f = surface_.font();
    f.setFamily(QStringLiteral("Verdana"));
    applyFont(f);
    backColor_ = backOver_ = 0xFFFFFF;
    foreColor_ = 0;
    foreOver_ = 0xFF0000;
    maskColor_ = 0xC0C0C0;
    softBevel_ = checkBoxBehaviour_ = value_ = false;
    picturePosition_ = specialEffect_ = 0;
    pictureNormal_ = pictureOver_ = Picture();
    syncing_ = true;
    QWidget::setEnabled(true);
    syncing_ = false;
    UpdateAccessKey();
    BuildPalette();
    LayoutCaption();
    handFlag_ = true;
}

void XPButton::ReadProperties(const PropertyBag& bag)
{
    bag.ReadInto<QString>(QStringLiteral("TX"), QString(), caption_);
    bag.ReadInto<bool>(QStringLiteral("ENAB"), true, enabled_);
    QFont font = surface_.font();
    bag.ReadInto<QFont>(QStringLiteral("FONT"), font, font);
    applyFont(font);
    bag.ReadInto<bool>(QStringLiteral("FOCUSR"), true, showFocusRect_);
    bag.ReadInto<OleColour>(QStringLiteral("BCOL"), GetSysColor(COLOR_BTNFACE), backColor_);
    bag.ReadInto<OleColour>(QStringLiteral("BCOLO"), backColor_, backOver_);
    bag.ReadInto<OleColour>(QStringLiteral("FCOL"), GetSysColor(COLOR_BTNTEXT), foreColor_);
    surface_.setTextColour(translate(foreColor_));
    bag.ReadInto<OleColour>(QStringLiteral("FCOLO"), foreColor_, foreOver_);
    bag.ReadInto<OleColour>(QStringLiteral("MCOL"), 0xC0C0C0u, maskColor_);
    bag.ReadInto<Picture>(QStringLiteral("PICN"), Picture(), pictureNormal_);
    bag.ReadInto<Picture>(QStringLiteral("PICH"), Picture(), pictureOver_);
    bag.ReadInto<bool>(QStringLiteral("UMCOL"), true, useMaskColor_);
    bag.ReadInto<bool>(QStringLiteral("SOFT"), false, softBevel_);
    bag.ReadInto<qint32>(QStringLiteral("PICPOS"), 0, picturePosition_);
    bag.ReadInto<qint32>(QStringLiteral("FX"), 0, specialEffect_);
    bag.ReadInto<bool>(QStringLiteral("CHECK"), false, checkBoxBehaviour_);
    bag.ReadInto<bool>(QStringLiteral("VALUE"), false, value_);
    handFlag_ = false;

    syncing_ = true;
    QWidget::setEnabled(enabled_);
    syncing_ = false;
    MeasurePicture();
    LayoutCaption();
    UpdateAccessKey();
    BuildPalette();
}

void XPButton::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("TX"), caption_);
    bag.WriteProperty(QStringLiteral("ENAB"), enabled_);
    bag.WriteProperty(QStringLiteral("FONT"), surface_.font());
    bag.WriteProperty(QStringLiteral("FOCUSR"), showFocusRect_);
    bag.WriteProperty(QStringLiteral("BCOL"), backColor_);
    bag.WriteProperty(QStringLiteral("BCOLO"), backOver_);
    bag.WriteProperty(QStringLiteral("FCOL"), foreColor_);
    bag.WriteProperty(QStringLiteral("FCOLO"), foreOver_);
    bag.WriteProperty(QStringLiteral("MCOL"), maskColor_);
    bag.WriteProperty(QStringLiteral("PICN"), QVariant::fromValue(pictureNormal_));
    bag.WriteProperty(QStringLiteral("PICH"), QVariant::fromValue(pictureOver_));
    bag.WriteProperty(QStringLiteral("UMCOL"), useMaskColor_);
    bag.WriteProperty(QStringLiteral("SOFT"), softBevel_);
    bag.WriteProperty(QStringLiteral("PICPOS"), picturePosition_);
    bag.WriteProperty(QStringLiteral("FX"), specialEffect_);
    bag.WriteProperty(QStringLiteral("HAND"), handFlag_);
    bag.WriteProperty(QStringLiteral("CHECK"), checkBoxBehaviour_);
    bag.WriteProperty(QStringLiteral("VALUE"), value_);
}

void XPButton::resizeEvent(QResizeEvent*)
{
    buttonWidth_ = width();
    buttonHeight_ = height();
    surface_.resize(buttonWidth_, buttonHeight_, devicePixelRatio());
    LayoutCaption();
    const QRegion region = ButtonRegion(buttonWidth_, buttonHeight_);
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
    if (buttonHeight_ != 0)
        PaintButton(kNormal, true);
}

void XPButton::showEvent(QShowEvent* e)
{
    if (e->spontaneous())
        return;
    refreshAllowed_ = true;
    shownOnce_ = true;
    PaintButton(kNormal, true);
    applyPointer();
}

void XPButton::hideEvent(QHideEvent* e)
{
    if (!e->spontaneous())
        refreshAllowed_ = false;
}

void XPButton::paintEvent(QPaintEvent*)
{
    if (surface_.isNull())
        return;
    // On a screen of another scale the look is drawn again at that screen's resolution.
    if (surface_.ratio() != std::max<qreal>(1.0, devicePixelRatio())) {
        surface_.resize(buttonWidth_, buttonHeight_, devicePixelRatio());
        PaintButton(lastState_, true);
    }
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

void XPButton::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (syncing_)
        return;
    if (e->type() == QEvent::EnabledChange) {
        // Only the button's own state counts; a disabled parent leaves Enabled alone.
        const bool own = !testAttribute(Qt::WA_ForceDisabled);
        if (own != enabled_)
            setEnabled(own);
    } else if (e->type() == QEvent::FontChange) {
        if (testAttribute(Qt::WA_SetFont) && QWidget::font() != surface_.font())
            setFont(QWidget::font());
    }
}

// ---- Properties ---------------------------------------------------------------------

void XPButton::setBackColor(OleColour theCol)
{
    backColor_ = theCol;
    if (designMode_)
        backOver_ = theCol;
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("BCOL"));
}

void XPButton::setBackOver(OleColour theCol)
{
    backOver_ = theCol;
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("BCOLO"));
}

void XPButton::setForeColor(OleColour theCol)
{
    foreColor_ = theCol;
    if (designMode_)
        foreOver_ = theCol;
    surface_.setTextColour(translate(theCol));
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("FCOL"));
}

void XPButton::setForeOver(OleColour theCol)
{
    foreOver_ = theCol;
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("FCOLO"));
}

void XPButton::setMaskColor(OleColour theCol)
{
    maskColor_ = theCol;
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("MCOL"));
}

int XPButton::CaptionFitWidth() const
{
    // The caption's box leaves a pixel on the left and 8 on the right; two more a side
    // keep the letters off the rim.
    constexpr int kMargins = 1 + 8 + 4;
    DeviceContext measure(1, 1);
    measure.selectFont(surface_.font());
    Rect r;
    measure.DrawText(heldInAnsi(caption_), r, DT_CALCRECT | DT_SINGLELINE);
    return pictureWidth_ + r.width() + kMargins;
}

void XPButton::setCaption(const QString& NewValue)
{
    caption_ = NewValue;
    UpdateAccessKey();
    LayoutCaption();
    PaintButton(kNormal, true);
    emit PropertyChanged(QStringLiteral("TX"));
}

void XPButton::setEnabled(bool NewValue)
{
    enabled_ = NewValue;
    PaintButton(kNormal, true);
    // The window follows at once, also before the first show, so a disabled button can
    // take neither the focus nor a click.
    syncing_ = true;
    QWidget::setEnabled(NewValue);
    syncing_ = false;
    applyPointer();
    emit PropertyChanged(QStringLiteral("ENAB"));
}

void XPButton::applyFont(const QFont& font)
{
    surface_.selectFont(font);
    syncing_ = true;
    QWidget::setFont(font);
    syncing_ = false;
}

void XPButton::setFont(const QFont& NewFont)
{
    applyFont(NewFont);
    LayoutCaption();
    PaintButton(kNormal, true);
    emit PropertyChanged(QStringLiteral("FONT"));
}

void XPButton::setFontBold(bool NewValue)
{
    QFont f = surface_.font();
    f.setBold(NewValue);
    applyFont(f);
    LayoutCaption();
    PaintButton(kNormal, true);
}

void XPButton::setFontItalic(bool NewValue)
{
    QFont f = surface_.font();
    f.setItalic(NewValue);
    applyFont(f);
    LayoutCaption();
    PaintButton(kNormal, true);
}

void XPButton::setFontUnderline(bool NewValue)
{
    QFont f = surface_.font();
    f.setUnderline(NewValue);
    applyFont(f);
    LayoutCaption();
    PaintButton(kNormal, true);
}

qint16 XPButton::FontSize() const
{
    const double points = surface_.font().pointSizeF();
    return points > 0 ? qint16(std::nearbyint(points)) : 0;
}

void XPButton::setFontSize(qint16 NewValue)
{
    if (NewValue > 0) {
        QFont f = surface_.font();
        f.setPointSize(NewValue);
        applyFont(f);
    }
    LayoutCaption();
    PaintButton(kNormal, true);
}

void XPButton::setFontName(const QString& NewValue)
{
    QFont f = surface_.font();
    f.setFamily(NewValue);
    applyFont(f);
    LayoutCaption();
    PaintButton(kNormal, true);
}

void XPButton::setShowFocusRect(bool NewValue)
{
    showFocusRect_ = NewValue;
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("FOCUSR"));
}

void XPButton::setSoftBevel(bool NewValue)
{
    softBevel_ = NewValue;
    BuildPalette();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("SOFT"));
}

void XPButton::setPictureNormal(const Picture& NewPic)
{
    pictureNormal_ = NewPic;
    MeasurePicture();
    LayoutCaption();
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("PICN"));
}

void XPButton::setPictureOver(const Picture& NewPic)
{
    pictureOver_ = NewPic;
    if (hoverActive_)
        PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("PICO"));
}

void XPButton::setPicturePosition(qint32 newPicPos)
{
    picturePosition_ = newPicPos;
    emit PropertyChanged(QStringLiteral("PICPOS"));
    LayoutCaption();
    PaintButton(lastState_, true);
}

void XPButton::setUseMaskColor(bool NewValue)
{
    useMaskColor_ = NewValue;
    if (!pictureNormal_.isNull())
        PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("UMCOL"));
}

void XPButton::setSpecialEffect(qint32 NewValue)
{
    specialEffect_ = NewValue;
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("FX"));
}

void XPButton::setCheckBoxBehaviour(bool NewValue)
{
    checkBoxBehaviour_ = NewValue;
    PaintButton(lastState_, true);
    emit PropertyChanged(QStringLiteral("CHECK"));
}

void XPButton::setValue(bool NewValue)
{
    if (NewValue == value_)
        return;
    value_ = NewValue;
    if (checkBoxBehaviour_)
        PaintButton(kNormal, true);
    else
        PaintButton(NewValue ? kPressed : kNormal, false);
    emit PropertyChanged(QStringLiteral("VALUE"));
}

void XPButton::DisableRefresh() { refreshAllowed_ = false; }

void XPButton::Refresh()
{
    BuildPalette();
    LayoutCaption();
    refreshAllowed_ = true;
    PaintButton(lastState_, true);
}

void XPButton::Move(float left, float top, float width, float height)
{
    setGeometry(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel), qRound(width / kTwipsPerPixel),
                qRound(height / kTwipsPerPixel));
}

void XPButton::setLeft(float twips) { move(qRound(twips / kTwipsPerPixel), y()); }
void XPButton::setTop(float twips) { move(x(), qRound(twips / kTwipsPerPixel)); }
void XPButton::setWidth(float twips) { resize(qRound(twips / kTwipsPerPixel), height()); }
void XPButton::setHeight(float twips) { resize(width(), qRound(twips / kTwipsPerPixel)); }

void XPButton::setDisplayAsDefault(bool value)
{
    displayAsDefault_ = value;
    PaintButton(lastState_, true);
}

void XPButton::applyPointer()
{
    if (enabled_)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

// ---- Painting -----------------------------------------------------------------------

ColourRef XPButton::shift(ColourRef colour, int delta) const { return ShiftColour(colour, delta, softBevel_); }

void XPButton::BuildPalette(OleColour face)
{
    faceColour_ = translate(face);
    textColour_ = translate(foreColor_);
    textOverColour_ = translate(foreOver_);
    shadowColour_ = shift(faceColour_, -64);
    maskRgb_ = translate(maskColor_);
    baseColour_ = shift(faceColour_, +48);
}

void XPButton::PaintButton(quint8 state, bool force)
{
    if (checkBoxBehaviour_ && value_)
        state = kPressed;
    if (!force && caption_ == lastCaption_ && state == lastState_)
        return;
    if (buttonHeight_ == 0 || !refreshAllowed_)
        return;
    lastState_ = state;
    lastCaption_ = caption_;
    if (surface_.isNull())
        return;
    if (!captionMeasured_)
        MeasureCaption();

    const int W = buttonWidth_, H = buttonHeight_;
    if (hoverActive_)
        BuildPalette(backOver_);
    surface_.fill(0, 0, W, H, faceColour_);
    if (W < kMinWidthForLook || H < kMinHeightForLook) {
        // Too small for a rim or a caption: a flat face in its border.
        if (!enabled_)
            surface_.fill(0, 0, W, H, shift(baseColour_, -24));
        surface_.frame(0, 0, W, H, enabled_ ? kBorder : shift(baseColour_, -84));
    } else if (!enabled_) {
        paintDisabled();
    } else if (state == kPressed) {
        paintPressed();
    } else {
        paintNormal();
    }
    if (hoverActive_)
        BuildPalette();
    update();
}

void XPButton::paintNormal()
{
    const int W = buttonWidth_, H = buttonHeight_;
    DeviceContext& dc = surface_;
    for (int i = 1; i <= H; ++i)
        dc.line(0, i, W, i, shift(baseColour_, GradientShift(H, i)));
    DrawCaption(hoverActive_ ? 1 : 0);
    dc.frame(0, 0, W, H, kBorder);
    dc.SetPixel(1, 1, kCorner);
    dc.SetPixel(1, H - 2, kCorner);
    dc.SetPixel(W - 2, 1, kCorner);
    dc.SetPixel(W - 2, H - 2, kCorner);

    const bool focusRim = showFocusRect_ && (hasFocus_ || displayAsDefault_);
    if (hoverActive_ || focusRim) {
        const Rim& rim = hoverActive_ ? kHoverRim : kFocusRim;
        dc.frame(1, 2, W - 2, H - 4, rim.frame);
        dc.line(2, H - 2, W - 2, H - 2, rim.bottom);
        dc.line(2, 1, W - 2, 1, rim.top);
        dc.line(1, 2, W - 1, 2, rim.second);
        dc.line(2, 3, 2, H - 3, rim.sides);
        dc.line(W - 3, 3, W - 3, H - 3, rim.sides);
    } else {
        dc.line(2, H - 2, W - 2, H - 2, shift(baseColour_, -48));
        dc.line(1, H - 3, W - 2, H - 3, shift(baseColour_, -32));
        dc.line(W - 2, 2, W - 2, H - 2, shift(baseColour_, -36));
        dc.line(W - 3, 3, W - 3, H - 3, shift(baseColour_, -24));
        dc.line(2, 1, W - 2, 1, shift(baseColour_, +16));
        dc.line(1, 2, W - 2, 2, shift(baseColour_, +10));
        dc.line(1, 2, 1, H - 2, shift(baseColour_, -5));
        dc.line(2, 3, 2, H - 3, shift(baseColour_, -10));
    }
    DrawPicture(0);
}

void XPButton::paintPressed()
{
    const int W = buttonWidth_, H = buttonHeight_;
    DeviceContext& dc = surface_;
    const ColourRef d = shift(baseColour_, -16);
    for (int i = 1; i <= H; ++i)
        dc.line(0, H - i, W, H - i, shift(d, GradientShift(H, i)));
    DrawCaption(2);
    dc.frame(0, 0, W, H, kBorder);
    dc.SetPixel(1, 1, kCorner);
    dc.SetPixel(1, H - 2, kCorner);
    dc.SetPixel(W - 2, 1, kCorner);
    dc.SetPixel(W - 2, H - 2, kCorner);
    dc.line(2, H - 2, W - 2, H - 2, shift(d, +16));
    dc.line(1, H - 3, W - 2, H - 3, shift(d, +10));
    dc.line(W - 2, 2, W - 2, H - 2, shift(d, +5));
    dc.line(W - 3, 3, W - 3, H - 3, baseColour_);
    dc.line(2, 1, W - 2, 1, shift(d, -32));
    dc.line(1, 2, W - 2, 2, shift(d, -24));
    dc.line(1, 2, 1, H - 2, shift(d, -32));
    dc.line(2, 2, 2, H - 2, shift(d, -22));
    DrawPicture(1);
}

void XPButton::paintDisabled()
{
    const int W = buttonWidth_, H = buttonHeight_;
    DeviceContext& dc = surface_;
    dc.fill(0, 0, W, H, shift(baseColour_, -24));
    DrawCaption(5);
    dc.frame(0, 0, W, H, shift(baseColour_, -84));
    const ColourRef corner = shift(baseColour_, -72);
    dc.SetPixel(1, 1, corner);
    dc.SetPixel(1, H - 2, corner);
    dc.SetPixel(W - 2, 1, corner);
    dc.SetPixel(W - 2, H - 2, corner);
    DrawPicture(2);
}

void XPButton::UpdateAccessKey()
{
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    const QChar key = AccessKeyOf(caption_);
    if (key.isNull())
        return;
    const QKeySequence sequence = QKeySequence::mnemonic(QStringLiteral("&") + key);
    if (!sequence.isEmpty())
        shortcutId_ = grabShortcut(sequence);
}

void XPButton::MeasurePicture()
{
    if (pictureNormal_.isNull()) {
        pictureWidth_ = pictureHeight_ = 0;
        return;
    }
    pictureWidth_ = himetricToPixels(pictureNormal_.widthHimetric());
    pictureHeight_ = himetricToPixels(pictureNormal_.heightHimetric());
}

void XPButton::LayoutCaption()
{
    const int W = buttonWidth_, H = buttonHeight_, pw = pictureWidth_, ph = pictureHeight_;
    switch (picturePosition_) {
    case 0: layoutBox_ = Rect{pw + 1, 1, W - 8, H - 2}; break;
    case 1: layoutBox_ = Rect{1, 1, W - pw - 8, H - 2}; break;
    case 2: layoutBox_ = Rect{1, ph + 1, W - 8, H - 2}; break;
    case 3: layoutBox_ = Rect{1, 1, W - 8, H - ph - 2}; break;
    case 4: layoutBox_ = Rect{1, 1, W - 8, H - 2}; break;
    default: break;  // the box of the previous layout
    }
    // Measuring the caption is the costly part: a button being set up changes its caption,
    // font and size several times before it is first painted, so it waits for the paint.
    captionMeasured_ = false;
}

void XPButton::MeasureCaption()
{
    const int W = buttonWidth_, H = buttonHeight_, pw = pictureWidth_, ph = pictureHeight_;
    Rect m = layoutBox_;
    surface_.DrawText(heldInAnsi(caption_), m, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);

    int dx = 0, dy = 0;
    switch (picturePosition_) {
    case 1:
        dx = (W - m.right - pw - 4) / 2;
        dy = (H - m.bottom) / 2;
        break;
    case 3:
        dx = (W - m.right) / 2;
        dy = (H - m.bottom - ph - 4) / 2;
        break;
    case 0:
    case 2:
    case 4:
        dx = (W - m.right) / 2;
        dy = (H - m.bottom) / 2;
        break;
    default: break;
    }
    captionRect_ = moved(m, dx, dy);
    pressedCaptionRect_ = moved(captionRect_, 1, 1);
    PlacePicture();
    captionMeasured_ = true;
}

void XPButton::PlacePicture()
{
    if (pictureNormal_.isNull() && pictureOver_.isNull())
        return;
    const int W = buttonWidth_, H = buttonHeight_, pw = pictureWidth_, ph = pictureHeight_;
    if (!trimBlanks(caption_).isEmpty() && picturePosition_ != 4) {
        switch (picturePosition_) {
        case 0:
            pictureLeft_ = captionRect_.left - pw - 4;
            pictureTop_ = (H - ph) / 2;
            break;
        case 1:
            pictureLeft_ = captionRect_.right + 4;
            pictureTop_ = (H - ph) / 2;
            break;
        case 2:
            pictureLeft_ = (W - pw) / 2;
            pictureTop_ = captionRect_.top - ph - 2;
            break;
        case 3:
            pictureLeft_ = (W - pw) / 2;
            pictureTop_ = captionRect_.bottom + 2;
            break;
        default: break;
        }
        return;
    }
    pictureLeft_ = (W - pw) / 2;
    pictureTop_ = (H - ph) / 2;
}

void XPButton::drawCaptionText(const Rect& r)
{
    // Measured and drawn as the platform's 8-bit text drawing shows the caption.
    Rect box = r;
    surface_.DrawText(heldInAnsi(caption_), box, DT_CENTER | DT_WORDBREAK);
}

void XPButton::DrawCaption(quint8 mode)
{
    lastCaptionMode_ = mode;
    switch (mode) {
    case 0:
    case 1:
        DrawCaptionEffect(captionRect_);
        surface_.setTextColour(mode == 0 ? textColour_ : textOverColour_);
        drawCaptionText(captionRect_);
        break;
    case 2:
        // No colour of its own: the caption keeps the colour the previous look left.
        drawCaptionText(pressedCaptionRect_);
        break;
    case 5:
        surface_.setTextColour(shift(baseColour_, -104));
        drawCaptionText(captionRect_);
        break;
    default: break;
    }
}

void XPButton::DrawCaptionEffect(const Rect& r)
{
    const int e = specialEffect_;
    if (e <= 0)
        return;
    surface_.setTextColour(shift(baseColour_, e == 2 ? +40 : -40));
    drawCaptionText(moved(r, 1, 1));
    if (e < 3) {
        surface_.setTextColour(shift(baseColour_, e == 2 ? -40 : +40));
        drawCaptionText(moved(r, -1, -1));
    }
}

void XPButton::blit(int x, int y, std::optional<ColourRef> brush, bool grey, bool blend)
{
    const std::optional<ColourRef> transparent = useMaskColor_ ? std::optional<ColourRef>(maskRgb_) : std::nullopt;
    BlitPicture(surface_, x, y, pictureWidth_, pictureHeight_, pictureNormal_, transparent, brush, grey, blend, maskRgb_);
}

void XPButton::DrawPicture(quint8 mode)
{
    if (pictureNormal_.isNull())
        return;
    const int x = pictureLeft_, y = pictureTop_;
    switch (mode) {
    case 0:
        if (hoverActive_) {
            DrawPictureEffect(-1);
            blit(x + 1, y + 1, shadowColour_, false, false);
            blit(x - 1, y - 1, std::nullopt, false, false);
        } else {
            DrawPictureEffect(0);
            blit(x, y, std::nullopt, false, true);
        }
        break;
    case 1:
        DrawPictureEffect(+1);
        blit(x + 1, y + 1, std::nullopt, false, false);
        break;
    case 2: blit(x + 1, y + 1, std::nullopt, true, false); break;
    default: break;
    }
    if (picturePosition_ == 4)
        DrawCaption(lastCaptionMode_);
}

void XPButton::DrawPictureEffect(int offset)
{
    const int e = specialEffect_;
    if (e <= 0)
        return;
    const int x = pictureLeft_ + offset, y = pictureTop_ + offset;
    blit(x + 1, y + 1, shift(baseColour_, e == 2 ? +40 : -40), false, false);
    if (e < 3)
        blit(x - 1, y - 1, shift(baseColour_, e == 2 ? -40 : +40), false, false);
}

// ---- Input --------------------------------------------------------------------------

bool XPButton::IsMouseOver(const QPoint& globalPos) const { return QApplication::widgetAt(globalPos) == this; }

void XPButton::UserControl_MouseDown(qint16& Button, qint16& Shift, float& X, float& Y)
{
    emit MouseDown(Button, Shift, X, Y);
    lastMouseButton_ = quint8(Button);
    if (Button != 2)
        PaintButton(kPressed, false);
}

void XPButton::UserControl_MouseUp(qint16& Button, qint16& Shift, float& X, float& Y)
{
    emit MouseUp(Button, Shift, X, Y);
    if (Button != 2)
        PaintButton(kNormal, false);
}

void XPButton::mousePressEvent(QMouseEvent* e)
{
    pressSeen_ = true;
    qint16 button = mouseButton(e->button());
    qint16 shiftKeys = qint16(shiftState(e->modifiers()));
    float x = float(e->position().x()), y = float(e->position().y());
    UserControl_MouseDown(button, shiftKeys, x, y);
}

void XPButton::mouseReleaseEvent(QMouseEvent* e)
{
    pressSeen_ = false;
    const bool inside = rect().contains(e->position().toPoint());
    qint16 button = mouseButton(e->button());
    qint16 shiftKeys = qint16(shiftState(e->modifiers()));
    float x = float(e->position().x()), y = float(e->position().y());
    UserControl_MouseUp(button, shiftKeys, x, y);
    if (e->buttons() != Qt::NoButton)
        return;
    // The click of a press and release on the button; the second click of a double
    // click is not one.
    if (std::exchange(suppressClick_, false))
        return;
    if (inside)
        clicked();
}

void XPButton::mouseDoubleClickEvent(QMouseEvent*)
{
    if (lastMouseButton_ != 1)
        return;
    if (!pressSeen_) {
        qint16 button = 1, shiftKeys = 0;
        float x = 0, y = 0;
        UserControl_MouseDown(button, shiftKeys, x, y);
    }
    suppressClick_ = true;
}

void XPButton::mouseMoveEvent(QMouseEvent* e)
{
    qint16 button = mouseButtons(e->buttons());
    qint16 shiftKeys = qint16(shiftState(e->modifiers()));
    float x = float(e->position().x()), y = float(e->position().y());
    emit MouseMove(button, shiftKeys, x, y);
    if (button != 0 && button != 1)
        return;
    if (!IsMouseOver(e->globalPosition().toPoint())) {
        PaintButton(kNormal, false);
    } else if (button == 0 && !hoverActive_) {
        overTimer_.start();
        hoverActive_ = true;
        PaintButton(kNormal, true);
        emit MouseOver();
    } else if (button == 1) {
        // The pressed look in the hover colours; hover tracking restarts with the next
        // move without a button.
        hoverActive_ = true;
        PaintButton(kPressed, false);
        hoverActive_ = false;
    }
}

void XPButton::overTimerTick()
{
    if (IsMouseOver(QCursor::pos()))
        return;
    overTimer_.stop();
    hoverActive_ = false;
    PaintButton(kNormal, true);
    emit MOUSEOUT();
}

void XPButton::clicked()
{
    if (lastMouseButton_ != 1 || !enabled_)
        return;
    if (checkBoxBehaviour_)
        value_ = !value_;
    PaintButton(kNormal, true);
    repaint();  // the released look is on screen before the handler runs
    emit Click();
}

void XPButton::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    qint16 keyCode = qint16(virtualKeyCode(e->key(), e->modifiers()));
    qint16 shiftKeys = qint16(shiftState(e->modifiers()));
    if (keyCode != 0) {
        emit KeyDown(keyCode, shiftKeys);
        if (keyCode >= 0 && keyCode <= 255)
            lastKeyDown_ = quint8(keyCode);
        switch (keyCode) {
        case 32: PaintButton(kPressed, false); break;
        case 37:
        case 38: focusNextPrevChild(false); break;
        case 39:
        case 40: focusNextPrevChild(true); break;
        default: break;
        }
    }
    const QString text = e->text();
    if (text.size() == 1) {
        const QByteArray ansi = toAnsi(text);
        qint16 keyAscii = qint16(quint8(ansi.isEmpty() ? '?' : ansi[0]));
        emit KeyPress(keyAscii);
    }
}

void XPButton::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    // X11 repeats a held key as release and press pairs; only the real release counts,
    // so holding the space bar gives one click.
    if (e->isAutoRepeat())
        return;
    qint16 keyCode = qint16(virtualKeyCode(e->key(), e->modifiers()));
    qint16 shiftKeys = qint16(shiftState(e->modifiers()));
    if (keyCode == 0)
        return;
    emit KeyUp(keyCode, shiftKeys);
    if (keyCode == 32 && lastKeyDown_ == 32 && enabled_) {
        if (checkBoxBehaviour_)
            value_ = !value_;
        PaintButton(kNormal, false);
        repaint();
        emit Click();
    }
}

void XPButton::focusInEvent(QFocusEvent*)
{
    hasFocus_ = true;
    PaintButton(lastState_, true);
}

void XPButton::focusOutEvent(QFocusEvent*)
{
    hasFocus_ = false;
    PaintButton(lastState_, true);
}

bool XPButton::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == shortcutId_ && shortcutId_ != 0) {
            if (se->isAmbiguous()) {
                setFocus(Qt::ShortcutFocusReason);  // several buttons share the key: move between them
            } else {
                lastMouseButton_ = 1;
                clicked();
            }
            return true;
        }
    }
    return QWidget::event(e);
}

}  // namespace tarvelo
