#pragma once

#include "platform/drawing.h"
#include "platform/messagecore.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>

namespace tarvelo {

// The menus of a window as the window's message procedure hears of them.
//
// Qt keeps the menus (keyboard navigation, mnemonics, submenus); these subclasses tell
// the window what happens in them with the messages a platform menu would send (the
// commands come from PopMenu, which knows when the window's own handlers are connected),
// and let the window measure and draw their items itself. A window that answers no measuring or
// drawing request gets the menus of the application's style.

inline constexpr quint32 WM_WININICHANGE = 0x001A;
inline constexpr quint32 WM_COMMAND = 0x0111;
inline constexpr quint32 WM_INITMENUPOPUP = 0x0117;
inline constexpr quint32 WM_MENUSELECT = 0x011F;

inline constexpr quint32 ODT_MENU = 1;
inline constexpr quint32 ODA_DRAWENTIRE = 1;
inline constexpr quint32 ODS_SELECTED = 0x0001;
inline constexpr quint32 ODS_GRAYED = 0x0002;
inline constexpr quint32 ODS_DISABLED = 0x0004;
inline constexpr quint32 ODS_CHECKED = 0x0008;
inline constexpr quint32 ODS_HOTLIGHT = 0x0040;

// Item state and type as GetMenuItemState reports them.
inline constexpr quint32 MFS_GRAYED = 0x0003;
inline constexpr quint32 MFS_CHECKED = 0x0008;
inline constexpr quint32 MFS_HILITE = 0x0080;
inline constexpr quint32 MFT_SEPARATOR = 0x0800;
// The high word of WM_MENUSELECT's wParam when the menu closes.
inline constexpr quint32 kMenuClosed = 0xFFFF;

// WM_MEASUREITEM's lParam points to one of these: the window writes the size into it and
// returns non-zero; the size it is given is the style's own.
struct MeasureItemStruct {
    quint32 CtlType = ODT_MENU;
    quint32 CtlID = 0;
    quint32 itemID = 0;
    int itemWidth = 0;
    int itemHeight = 0;
    quintptr itemData = 0;
};

// WM_DRAWITEM's lParam: the window paints the item into hDC within rcItem and returns
// non-zero. hwndItem is the handle of the menu that holds the item.
struct DrawItemStruct {
    quint32 CtlType = ODT_MENU;
    quint32 CtlID = 0;
    quint32 itemID = 0;
    quint32 itemAction = ODA_DRAWENTIRE;
    quint32 itemState = 0;
    WindowHandle hwndItem = 0;
    DeviceContext* hDC = nullptr;
    Rect rcItem;
    quintptr itemData = 0;
};

// The command identifier of a menu item: given at its first request, kept for the action's
// life, below the range of system commands and never 0.
qint32 MenuItemID(QAction* action);
// The handle of a menu bar or popup menu, made at its first request.
WindowHandle MenuHandle(QWidget* menu);
// The menu widget with that handle, null when it is gone.
QWidget* MenuFromHandle(WindowHandle hMenu);
// The item of the menu with that identifier, null when the menu has none.
QAction* MenuItemByID(WindowHandle hMenu, qint32 id);
// MFS_CHECKED, MFS_GRAYED and MFS_HILITE (the item under the keyboard or mouse), and
// MFT_SEPARATOR; 0 for an item the menu does not hold.
quint32 GetMenuItemState(WindowHandle hMenu, qint32 id);
// The top of the item's place in its menu; 0 for an item the menu does not hold.
int MenuItemTop(WindowHandle hMenu, qint32 id);
// The window the menu belongs to: the first widget above it that is no menu.
WindowHandle MenuOwnerWindow(const QWidget* menu);

// Remembers which action the menu was last asked to style, which is the one Qt sizes or
// draws next.
class StyledAction {
public:
    QAction* styledAction() const { return action_; }

protected:
    void remember(const QAction* action) const { action_ = const_cast<QAction*>(action); }

private:
    mutable QPointer<QAction> action_;
};

class OwnerDrawnMenu : public QMenu, public StyledAction {
    Q_OBJECT
public:
    explicit OwnerDrawnMenu(const QString& title, QWidget* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

class OwnerDrawnMenuBar : public QMenuBar, public StyledAction {
    Q_OBJECT
public:
    explicit OwnerDrawnMenuBar(QWidget* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void changeEvent(QEvent* event) override;
};

// Turns the sizing and drawing of the items of the menus above into WM_MEASUREITEM and
// WM_DRAWITEM to their window; what the window does not answer the base style does.
class OwnerDrawStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Over `base` (which it then owns), or over the application's style.
    explicit OwnerDrawStyle(QStyle* base = nullptr) : QProxyStyle(base) {}
    // One over the application's style for the whole program, made at the first request.
    static OwnerDrawStyle* instance();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

};

}  // namespace tarvelo
