#pragma once

#include "controls/picture.h"
#include "controls/propertybag.h"
#include "platform/drawing.h"
#include "platform/messagecore.h"
#include "platform/syscolors.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

namespace tarvelo {

// The procedure every XPButton window starts with: one for all buttons, so that code
// replacing it on several keypad buttons can keep a single previous procedure.
MessageParam XPButtonWindowProc(WindowHandle hWnd, quint32 message, MessageParam wParam, MessageParam lParam);

// The painted push button of every window: a gradient face with a dark rounded border, a
// coloured rim while hovered or focused, pressed and disabled looks, an optional picture
// and a caption with an access key. It paints into a surface of its own, follows the
// pointer with a polling timer and raises its own events, whose arguments the handlers
// may change (the button acts on them as the handler left them).
//
// A button made in code starts as one read from an empty property set (system face and
// text colours, the current font); InitProperties gives the look of a newly placed one.
class XPButton : public QWidget {
    Q_OBJECT

public:
    static constexpr float kTwipsPerPixel = 15.0f;

    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The persisted property set: "TX", "ENAB", "FONT", "FOCUSR", "BCOL", "BCOLO", "FCOL",
    // "FCOLO", "MCOL", "PICN", "PICH", "UMCOL", "SOFT", "PICPOS", "FX", "HAND", "CHECK",
    // "VALUE", all written every time, in this order.
    void InitProperties(const QString& displayName);
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The button's own mouse handlers; the arguments are those of the mouse events.
    void UserControl_MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void UserControl_MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);

    OleColour BackColor() const { return backColor_; }
    void setBackColor(OleColour theCol);
    OleColour BackOver() const { return backOver_; }
    void setBackOver(OleColour theCol);
    OleColour ForeColor() const { return foreColor_; }
    void setForeColor(OleColour theCol);
    OleColour ForeOver() const { return foreOver_; }
    void setForeOver(OleColour theCol);
    OleColour MaskColor() const { return maskColor_; }
    void setMaskColor(OleColour theCol);

    QString Caption() const { return caption_; }
    void setCaption(const QString& NewValue);
    // The width at which the caption, beside a picture on its left, fits on one line with a
    // few pixels clear of the rim.
    int CaptionFitWidth() const;

    // Also reached when the host disables the widget itself.
    bool Enabled() const { return enabled_; }
    void setEnabled(bool NewValue);

    QFont Font() const { return surface_.font(); }
    void setFont(const QFont& NewFont);
    bool FontBold() const { return surface_.font().bold(); }
    void setFontBold(bool NewValue);
    bool FontItalic() const { return surface_.font().italic(); }
    void setFontItalic(bool NewValue);
    bool FontUnderline() const { return surface_.font().underline(); }
    void setFontUnderline(bool NewValue);
    // Whole points, halves to even (8.25 reads 8).
    qint16 FontSize() const;
    void setFontSize(qint16 NewValue);
    QString FontName() const { return surface_.font().family(); }
    void setFontName(const QString& NewValue);

    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool NewValue);
    WindowHandle hWnd() const { return IsWindow(handle_) ? handle_ : 0; }
    bool SoftBevel() const { return softBevel_; }
    void setSoftBevel(bool NewValue);
    Picture PictureNormal() const { return pictureNormal_; }
    void setPictureNormal(const Picture& NewPic);
    // Kept and persisted; no look draws it.
    Picture PictureOver() const { return pictureOver_; }
    void setPictureOver(const Picture& NewPic);
    // 0 left of the caption, 1 right, 2 above, 3 below, 4 centred under it.
    qint32 PicturePosition() const { return picturePosition_; }
    void setPicturePosition(qint32 newPicPos);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool NewValue);
    // 0 none, 1 raised, 2 sunken, 3 and above a drop shadow.
    qint32 SpecialEffect() const { return specialEffect_; }
    void setSpecialEffect(qint32 NewValue);
    bool CheckBoxBehaviour() const { return checkBoxBehaviour_; }
    void setCheckBoxBehaviour(bool NewValue);
    bool Value() const { return value_; }
    void setValue(bool NewValue);

    // Paint requests do nothing until Refresh, which paints once.
    void DisableRefresh();
    void Refresh();

    // Placement by the holding window, in twips of its coordinates.
    float Left() const { return float(x()) * kTwipsPerPixel; }
    void setLeft(float twips);
    float Top() const { return float(y()) * kTwipsPerPixel; }
    void setTop(float twips);
    float Width() const { return float(width()) * kTwipsPerPixel; }
    void setWidth(float twips);
    float Height() const { return float(height()) * kTwipsPerPixel; }
    void setHeight(float twips);
    // All four at once: one resize, so the caption and the mask follow one real size change.
    void Move(float left, float top, float width, float height);
    QString ToolTipText() const { return toolTip(); }
    void setToolTipText(const QString& text) { setToolTip(text); }
    QString Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // What the holding window tells the button: whether it is the window's default
    // button (drawn with the focus rim) and whether the window is being designed (colour
    // setters then also set the hover colours).
    bool DisplayAsDefault() const { return displayAsDefault_; }
    void setDisplayAsDefault(bool value);
    bool DesignMode() const { return designMode_; }
    void setDesignMode(bool value) { designMode_ = value; }

    // The drawing surface, as last painted.
    const QImage& surface() const { return surface_.image(); }

signals:
    void Click();
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void KeyPress(qint16& KeyAscii);
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseOver();
    void MOUSEOUT();
    // A persisted property changed (under its key), so the holder knows to save it.
    void PropertyChanged(const QString& key);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    enum : quint8 { kNormal = 0, kPressed = 2 };

    void PaintButton(quint8 state, bool force);
    void paintNormal();
    void paintPressed();
    void paintDisabled();
    void BuildPalette(OleColour face);
    void BuildPalette() { BuildPalette(backColor_); }
    ColourRef shift(ColourRef colour, int delta) const;
    void UpdateAccessKey();
    void MeasurePicture();
    void LayoutCaption();
    void MeasureCaption();
    void PlacePicture();
    void DrawCaption(quint8 mode);
    void DrawCaptionEffect(const Rect& r);
    void drawCaptionText(const Rect& r);
    void DrawPicture(quint8 mode);
    void DrawPictureEffect(int offset);
    void blit(int x, int y, std::optional<ColourRef> brush, bool grey, bool blend);
    bool IsMouseOver(const QPoint& globalPos) const;
    void clicked();
    void overTimerTick();
    void applyPointer();
    void applyFont(const QFont& font);

    // Persisted state.
    QString caption_;
    bool enabled_ = true;
    OleColour backColor_ = 0;
    OleColour backOver_ = 0;
    OleColour foreColor_ = 0;
    OleColour foreOver_ = 0;
    OleColour maskColor_ = 0;
    bool useMaskColor_ = false;
    bool showFocusRect_ = false;
    bool softBevel_ = false;
    Picture pictureNormal_;
    Picture pictureOver_;
    qint32 picturePosition_ = 0;
    qint32 specialEffect_ = 0;
    bool checkBoxBehaviour_ = false;
    bool value_ = false;
    bool handFlag_ = false;

    // Window and drawing state.
    WindowHandle handle_ = 0;
    DeviceContext surface_;
    QTimer overTimer_;
    int buttonWidth_ = 0;
    int buttonHeight_ = 0;
    quint8 lastState_ = 0;
    QString lastCaption_;
    bool refreshAllowed_ = true;
    bool shownOnce_ = false;
    bool hoverActive_ = false;
    bool hasFocus_ = false;
    quint8 lastMouseButton_ = 0;
    quint8 lastKeyDown_ = 0;
    quint8 lastCaptionMode_ = 0;
    int shortcutId_ = 0;
    bool displayAsDefault_ = false;
    bool designMode_ = false;
    bool pressSeen_ = false;      // a press came since the last release
    bool suppressClick_ = false;  // the press under way is a double click's second
    bool syncing_ = false;        // our own change of the widget's enabled state or font
    QString tag_;

    // Palette.
    ColourRef faceColour_ = 0;
    ColourRef baseColour_ = 0;
    ColourRef shadowColour_ = 0;
    ColourRef textColour_ = 0;
    ColourRef textOverColour_ = 0;
    ColourRef maskRgb_ = 0;

    // Layout.
    Rect layoutBox_;
    bool captionMeasured_ = false;
    Rect captionRect_;
    Rect pressedCaptionRect_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int pictureLeft_ = 0;
    int pictureTop_ = 0;
};

}  // namespace tarvelo
