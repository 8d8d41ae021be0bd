#include "controls/menuwidgets.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace tarvelo {

namespace {

constexpr char kIdProperty[] = "tarveloMenuItemId";
// Identifiers go up to just below the system commands (0xF000 and above) and then start
// again; a program never holds that many items at once.
constexpr qint32 kLastItemId = 0xEFFF;
constexpr int kMenuCheckWidth = 12;
constexpr int kMenuBarItemRoom = 6;

bool isMenu(const QWidget* w) { return qobject_cast<const QMenu*>(w) || qobject_cast<const QMenuBar*>(w); }

MessageParam send(const QWidget* menu, quint32 message, MessageParam wParam, MessageParam lParam)
{
    return SendMessage(MenuOwnerWindow(menu), message, wParam, lParam);
}

// The action a menu is about to size or draw, when it is one of its own.
QAction* actionBeingStyled(const QWidget* widget)
{
    const auto* memo = dynamic_cast<const StyledAction*>(widget);
    QAction* action = memo ? memo->styledAction() : nullptr;
    return action && widget->actions().contains(action) ? action : nullptr;
}

// Whether the window draws the items of this menu or menu bar: it answers for the first
// of them.
bool ownerDrawnItems(const QWidget* menu)
{
    if (!dynamic_cast<const StyledAction*>(menu) || menu->actions().isEmpty())
        return false;
    MeasureItemStruct request;
    request.itemID = static_cast<quint32>(MenuItemID(menu->actions().first()));
    return send(menu, WM_MEASUREITEM, 0, reinterpret_cast<MessageParam>(&request)) != 0;
}

bool ownerDrawnPopup(const QWidget* widget) { return qobject_cast<const QMenu*>(widget) && ownerDrawnItems(widget); }

// The arrow of an item that opens a submenu, which a platform menu draws beside the
// window's own drawing.
void drawSubmenuArrow(DeviceContext& dc, bool enabled)
{
    const ColourRef colour = GetSysColor(enabled ? COLOR_MENUTEXT : COLOR_BTNSHADOW);
    const int x = dc.width() - 12;
    const int y = dc.height() / 2;
    for (int k = 0; k < 4; ++k)
        dc.line(x + k, y - 3 + k, x + k, y + 4 - k, colour);
}

// The menus' own actions only: a submenu's items also reach the menus above it.
void reportMenuActivity(QMenu* menu)
{
    QObject::connect(menu, &QMenu::hovered, menu, [menu](QAction* action) {
        if (menu->actions().contains(action))
            send(menu, WM_MENUSELECT, MenuItemID(action) & 0xFFFF, MenuHandle(menu));
    });
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu] { send(menu, WM_INITMENUPOPUP, MenuHandle(menu), 0); });
    QObject::connect(menu, &QMenu::aboutToHide, menu,
                     [menu] { send(menu, WM_MENUSELECT, MessageParam(kMenuClosed) << 16, 0); });
}

}  // namespace

qint32 MenuItemID(QAction* action)
{
    static qint32 next = 0;
    if (!action)
        return 0;
    const QVariant id = action->property(kIdProperty);
    if (id.isValid())
        return id.toInt();
    next = next >= kLastItemId ? 1 : next + 1;
    action->setProperty(kIdProperty, next);
    return next;
}

WindowHandle MenuHandle(QWidget* menu)
{
    if (!menu)
        return 0;
    const WindowHandle h = WindowFromObject(menu);
    return h ? h : CreateWindowHandle(nullptr, menu);
}

QWidget* MenuFromHandle(WindowHandle hMenu)
{
    auto* w = qobject_cast<QWidget*>(WindowObject(hMenu));
    return w && isMenu(w) ? w : nullptr;
}

QAction* MenuItemByID(WindowHandle hMenu, qint32 id)
{
    const QWidget* menu = MenuFromHandle(hMenu);
    if (!menu || id == 0)
        return nullptr;
    for (QAction* action : menu->actions())
        if (action->property(kIdProperty).toInt() == id)
            return action;
    return nullptr;
}

quint32 GetMenuItemState(WindowHandle hMenu, qint32 id)
{
    QAction* action = MenuItemByID(hMenu, id);
    if (!action)
        return 0;
    const QWidget* menu = MenuFromHandle(hMenu);
    QAction* active = nullptr;
    if (const auto* popup = qobject_cast<const QMenu*>(menu))
        active = popup->activeAction();
    else if (const auto* bar = qobject_cast<const QMenuBar*>(menu))
        active = bar->activeAction();
    quint32 state = 0;
    if (action->isChecked())
        state |= MFS_CHECKED;
    if (!action->isEnabled())
        state |= MFS_GRAYED;
    if (action == active)
        state |= MFS_HILITE;
    if (action->isSeparator())
        state |= MFT_SEPARATOR;
    return state;
}

int MenuItemTop(WindowHandle hMenu, qint32 id)
{
    QAction* action = MenuItemByID(hMenu, id);
    const QWidget* menu = MenuFromHandle(hMenu);
    if (const auto* popup = qobject_cast<const QMenu*>(menu); popup && action)
        return popup->actionGeometry(action).top();
    if (const auto* bar = qobject_cast<const QMenuBar*>(menu); bar && action)
        return bar->actionGeometry(action).top();
    return 0;
}

WindowHandle MenuOwnerWindow(const QWidget* menu)
{
    for (const QWidget* w = menu ? menu->parentWidget() : nullptr; w; w = w->parentWidget())
        if (!isMenu(w))
            return WindowFromObject(w);
    return 0;
}

OwnerDrawnMenu::OwnerDrawnMenu(const QString& title, QWidget* parent) : QMenu(title, parent)
{
    setStyle(OwnerDrawStyle::instance());
    reportMenuActivity(this);
}

void OwnerDrawnMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenu::initStyleOption(option, action);
    remember(action);
}

OwnerDrawnMenuBar::OwnerDrawnMenuBar(QWidget* parent) : QMenuBar(parent)
{
    // A desktop-wide menu bar would never ask the style.
    setNativeMenuBar(false);
    setStyle(OwnerDrawStyle::instance());
    connect(this, &QMenuBar::hovered, this, [this](QAction* action) {
        if (actions().contains(action))
            send(this, WM_MENUSELECT, MenuItemID(action) & 0xFFFF, MenuHandle(this));
    });
}

void OwnerDrawnMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenuBar::initStyleOption(option, action);
    remember(action);
}

void OwnerDrawnMenuBar::changeEvent(QEvent* event)
{
    QMenuBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        send(this, WM_WININICHANGE, 0, 0);
}

OwnerDrawStyle* OwnerDrawStyle::instance()
{
    static QPointer<OwnerDrawStyle> style;
    if (!style) {
        style = new OwnerDrawStyle;
        style->setParent(qApp);
    }
    return style;
}

QSize OwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const
{
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_MenuItem && type != CT_MenuBarItem)
        return base;
    QAction* action = actionBeingStyled(widget);
    if (!action)
        return base;
    MeasureItemStruct request;
    request.itemID = static_cast<quint32>(MenuItemID(action));
    request.itemWidth = base.width();
    request.itemHeight = base.height();
    if (!send(widget, WM_MEASUREITEM, 0, reinterpret_cast<MessageParam>(&request)))
        return base;
    // As a platform menu does, the item gets some room on top of what the window asked for
    // (a check mark's width in a popup, less on the bar): the window's own layout starts
    // its text a little to the right.
    return QSize(request.itemWidth + (type == CT_MenuItem ? kMenuCheckWidth : kMenuBarItemRoom), request.itemHeight);
}

void OwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    // The window paints its bar titles on the button face: the rest of the bar takes the same
    // colour, so no seam shows after the last title.
    if (element == CE_MenuBarEmptyArea && qobject_cast<const QMenuBar*>(widget) && ownerDrawnItems(widget)) {
        painter->fillRect(option->rect, toQColor(GetSysColor(COLOR_BTNFACE)));
        return;
    }
    QAction* action = (element == CE_MenuItem || element == CE_MenuBarItem) ? actionBeingStyled(widget) : nullptr;
    if (action && !option->rect.isEmpty()) {
        DeviceContext dc(option->rect.width(), option->rect.height());
        DrawItemStruct request;
        request.itemID = static_cast<quint32>(MenuItemID(action));
        const QStyle::State state = option->state;
        if (!(state & State_Enabled))
            request.itemState |= ODS_GRAYED | ODS_DISABLED;
        if (action->isChecked())
            request.itemState |= ODS_CHECKED;
        // A menu bar title is hot under the pointer and pressed while its menu is open.
        if (state & State_Sunken)
            request.itemState |= ODS_SELECTED;
        else if (state & State_Selected)
            request.itemState |= element == CE_MenuBarItem ? ODS_HOTLIGHT : ODS_SELECTED;
        request.hwndItem = MenuHandle(const_cast<QWidget*>(widget));
        request.hDC = &dc;
        request.rcItem = Rect{0, 0, option->rect.width(), option->rect.height()};
        if (!dc.isNull() && send(widget, WM_DRAWITEM, 0, reinterpret_cast<MessageParam>(&request))) {
            if (element == CE_MenuItem && action->menu())
                drawSubmenuArrow(dc, state & State_Enabled);
            painter->drawImage(option->rect.topLeft(), dc.image());
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// A popup whose items the window draws gets the one-pixel frame of a platform menu.
int OwnerDrawStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_MenuPanelWidth && ownerDrawnPopup(widget))
        return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void OwnerDrawStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    if (element == PE_FrameMenu && ownerDrawnPopup(widget)) {
        painter->setPen(toQColor(GetSysColor(COLOR_BTNSHADOW)));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace tarvelo
