#pragma once

#include "controls/cdottedbrush.h"
#include "controls/cncmetrics.h"
#include "controls/cmemdc.h"
#include "controls/imagelist.h"
#include "controls/isubclass.h"
#include "controls/menucolours.h"
#include "controls/picture.h"
#include "controls/propertybag.h"
#include "platform/drawing.h"
#include "platform/syscolors.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenuBar;
class QShortcut;
class QWidget;

namespace tarvelo {

struct DrawItemStruct;

// Everything the owner-drawn menus need of one menu item. Menus are named by their handle
// (MenuHandle), items by their command identifier (MenuItemID).
struct MenuItemRecord {
    QString sHelp;
    QString sText;       // the caption without markers and shortcut; "-" for a separator
    QString sAccessKey;  // the character after the first "&", upper-cased
    QString sShortcut;   // what followed the caption's tab, drawn right-aligned
    QString sItemKey;    // the menu control's name, "mnuImprimir(0)" for an array member
    qint32 lMenuID = 0;
    qint32 lData = 0;
    WindowHandle hParentPopup = 0;  // 0 for an item of the menu bar
    qint32 lIcon = -1;
    bool bIsChecked = false;
    bool bIsEnabled = true;
    bool bIsRadio = false;
    WindowHandle hOwnerMenu = 0;
    qint32 lItemWidth = 0;  // where the shortcut column starts, set by measuring
    bool bBarBreak = false;
    bool bColumnBreak = false;
    bool bIsDefault = false;
    QPointer<QAction> action;
};

// Caption syntax: "|" starts a new column with a line, "^" one without; the part after a
// tab is the shortcut text.
bool TakeMarker(QString& caption, QChar marker);
// The character after the first "&", upper-cased, even a second "&"; "" without one.
QString MenuAccessKey(const QString& text);
void SetItemCaption(MenuItemRecord& record, const QString& caption, bool separator);

// The fields ReplaceItem changes; those left empty keep their value.
struct MenuItemChanges {
    std::optional<QString> sCaption{};
    std::optional<QString> sHelptext{};
    std::optional<qint32> lItemData{};
    std::optional<qint32> lIconIndex{};
    std::optional<bool> bChecked{};
    std::optional<bool> bEnabled{};
};

// The owner-drawn menus of one window: the item store, measuring and painting of the
// items, and the window messages that drive them (the menus are OwnerDrawnMenu and
// OwnerDrawnMenuBar, which send those messages).
class PopMenu : public ISubclass {
public:
    PopMenu();
    // Detaches from the window and gives the menu items their shortcuts back.
    ~PopMenu() override;

    // The persisted property set, in this order: "OfficeXpStyle", "ActiveMenuForeColor",
    // "InActiveMenuForeColor", "MenuBackgroundColor" (the colours as written, -1 for
    // automatic), "BackgroundPicture", "Font". A value equal to its default (false, -1, no
    // picture) is left out; without a stored font the control keeps the one it has.
    void UserControl_ReadProperties(const PropertyBag& bag);
    void UserControl_WriteProperties(PropertyBag& bag) const;

    // Run-time loading on the window hWnd. The control takes part in the window's messages
    // only when `takePart` holds (the first calculator's normal window with owner-drawn
    // menus chosen); otherwise the menus stay the style's own.
    void Load(WindowHandle hWnd, bool takePart);
    bool attached() const { return attached_; }

    // Rebuilds the store from the window's menu bar, depth first; hidden items are not in
    // the menu and get no record. Keys come from the actions' (or their menus') names. The
    // items' shortcuts move to the window, so the menus leave the drawing of their text
    // to the control. Does nothing before the control is attached.
    void SubClassMenu(QMenuBar* menuBar, bool bLeaveTopLevelMenus = false);
    void Clear();
    // The record number vKey names (a number, or an item key); -1 and error 9 with the
    // source "<program>.cPopMenu" recorded when it names none.
    qint32 MenuIndex(const QVariant& vKey) const;
    // Changes the record and has its menu measure the item again; always 0.
    qint32 ReplaceItem(const QVariant& vKey, const MenuItemChanges& changes = {});
    int count() const { return static_cast<int>(items_.size()); }
    const MenuItemRecord& item(int n) const { return items_.at(static_cast<size_t>(n - 1)); }
    int FindItemByID(qint32 id) const;
    bool IsMenuBarItem(int n) const { return item(n).hParentPopup == 0; }

    bool MenuDefault(const QVariant& vKey) const;
    void setMenuDefault(const QVariant& vKey, bool bState);
    bool Enabled(const QVariant& vKey);
    void setEnabled(const QVariant& vKey, bool bEnabled);
    qint32 ItemIcon(const QVariant& vKey) const;
    void setItemIcon(const QVariant& vKey, qint32 lIconIndex);
    qint32 ItemRadio(const QVariant& vKey) const;
    void setItemRadio(const QVariant& vKey);

    OleColour ActiveMenuForeColor() const;
    void setActiveMenuForeColor(OleColour colour) { activeForeColor_ = colour; }
    OleColour InActiveMenuForeColor() const;
    void setInActiveMenuForeColor(OleColour colour) { inActiveForeColor_ = colour; }
    OleColour MenuBackgroundColor() const;
    void setMenuBackgroundColor(OleColour colour) { backColor_ = colour; }
    bool OfficeXpStyle() const { return officeXp_; }
    void setOfficeXpStyle(bool state) { officeXp_ = state; }
    // A copy of the caller's font: painting changes its attributes from item to item. The
    // desktop's menu font until one is given.
    const QFont& Font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    // A picture tiled behind the items of the popup menus, its tiles running on from item to
    // item; an empty picture clears it.
    const Picture& BackgroundPicture() const { return backgroundPicture_; }
    void setBackgroundPicture(const Picture& sPic);
    void ClearBackgroundPicture();
    // The images of the item icons; the icon size becomes the height of image 0 (0 for an
    // empty list).
    void setImageList(HImageList hIml);

    // Reads the desktop's fonts again; the item height follows the menu font's text height
    // and the icon size.
    void RefreshMetrics();
    int ItemHeight() const { return itemHeight_; }
    int IconSize() const { return iconSize_; }

    // The size of the item with that identifier; a menu bar item keeps the height it is
    // given. The widest caption and shortcut of a popup are chosen by their width in
    // pixels, so no caption runs into the shortcut column.
    void MeasureMenuItem(qint32 itemID, int& itemWidth, int& itemHeight);
    // Paints the item the request names; false when no record has it.
    bool HandleDrawItem(const DrawItemStruct& dis);

    // Events; the arguments are the control's own values, passed by reference.
    std::function<void(qint32& itemNumber)> Click;
    std::function<void(qint32& itemNumber, bool& bEnabled, bool& bSeparator)> ItemHighlight;
    std::function<void(qint32& itemNumber, bool& bEnabled, bool& bSeparator)> SystemMenuItemHighlight;
    std::function<void()> MenuExit;
    std::function<void(qint32& parentItemNumber)> InitPopupMenu;
    std::function<void()> WinIniChange;

    qint32 MsgResponse() override;
    MessageParam WindowProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam) override;

private:
    void scan(QWidget* menu, WindowHandle parent);
    void moveShortcut(MenuItemRecord& record);
    void reportCommands(QAction* action);
    void giveShortcutsBack();
    QShortcut* movedShortcut(const QAction* action) const;
    int recordOf(const QVariant& vKey) const;
    QFont measuringFont(const MenuItemRecord& record);
    void ReportCommand(qint32 id);
    void ReportHighlight(qint32 id);
    void ReportPopup(WindowHandle hPopup);

    // Painting (popmenupaint.cpp).
    void PaintMenuItem(const DrawItemStruct& dis, int n);
    void paintBarItem(DeviceContext& d, const DrawItemStruct& dis, const MenuItemRecord& record, Rect r);
    void paintPopupItem(DeviceContext& d, const MenuItemRecord& record, Rect r, int w, int h, quint32 state);
    void selectItemFont(DeviceContext& d, const MenuItemRecord& record, bool checked);
    void DrawItemEdge(DeviceContext& d, Rect rect, unsigned edge, unsigned flags, bool flat) const;
    void DrawItemText(DeviceContext& d, const QString& text, Rect rect, unsigned format, bool disabled) const;
    void DrawListIcon(DeviceContext& d, int image, int x, int y) const;
    void DrawIconEffect(DeviceContext& d, int image, int x, int y, int size, bool shadow) const;
    void FillIconColumn(DeviceContext& d, const Rect& rect);
    void FillSelection(DeviceContext& d, const Rect& rect);
    void fillPattern(DeviceContext& d, const Rect& rect, ColourRef colour);
    bool IsHighColour();

    std::vector<MenuItemRecord> items_;
    WindowHandle hWnd_ = 0;
    bool attached_ = false;
    QPointer<QMenuBar> menuBar_;
    bool leaveTopLevelMenus_ = false;
    // The shortcuts taken off the menu items, with the item each triggers.
    struct MovedShortcut {
        QPointer<QAction> action;
        QPointer<QShortcut> shortcut;
    };
    std::vector<MovedShortcut> shortcuts_;
    // Holds the connections that turn the items' commands into WM_COMMAND.
    std::unique_ptr<QObject> commandLinks_ = std::make_unique<QObject>();

    static constexpr OleColour kAutomatic = 0xFFFFFFFFu;
    OleColour activeForeColor_ = kAutomatic;
    OleColour inActiveForeColor_ = kAutomatic;
    OleColour backColor_ = kAutomatic;
    bool officeXp_ = false;
    cNCMetrics metrics_;
    QFont font_;
    DeviceContext memDC_;  // measures text in the menu font
    Picture backgroundPicture_;
    DeviceContext pictureDC_;  // the background picture as the tiles copy it; null without one
    HImageList hIml_ = 0;
    int itemHeight_ = 22;
    int iconSize_ = 16;

    cMemDC surface_;
    cDottedBrush brush_;
    LighterColourCache lighter_;
    std::optional<bool> highColour_;
};

}  // namespace tarvelo
