#pragma once

#include "platform/syscolors.h"

#include <QFont>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace tarvelo {

// Everything the owner-drawn menus need of one menu item. Menus are named by the address
// of their widget (the menu bar or a popup menu), which serves as their handle.
struct MenuItemRecord {
    QString sHelp;
    QString sText;       // the caption without markers and shortcut; "-" for a separator
    QString sAccessKey;  // the character after the first "&", upper-cased
    QString sShortcut;   // what followed the caption's tab, drawn right-aligned
    QString sItemKey;    // the menu control's name, "mnuImprimir(0)" for an array member
    qint32 lMenuID = 0;
    qint32 lData = 0;
    quintptr hParentPopup = 0;  // 0 for an item of the menu bar
    qint32 lIcon = -1;
    bool bIsChecked = false;
    bool bIsEnabled = true;
    bool bIsRadio = false;
    quintptr hOwnerMenu = 0;
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

// The item store and the measuring of the owner-drawn menus of one window.
class PopMenu {
public:
    // Rebuilds the store from the window's menu bar, depth first; hidden items are not
    // in the menu and get no record. Keys come from the actions' (or their menus') names.
    void SubClassMenu(QMenuBar* menuBar, bool bLeaveTopLevelMenus = false);
    void Clear();
    // The record number vKey names (a number, or an item key); -1 and error 9 with the
    // source "<program>.cPopMenu" recorded when it names none.
    qint32 MenuIndex(const QVariant& vKey) const;
    int count() const { return static_cast<int>(items_.size()); }
    const MenuItemRecord& item(int n) const { return items_.at(static_cast<size_t>(n - 1)); }
    int FindItemByAction(const QAction* action) const;
    bool IsMenuBarItem(int n) const { return item(n).hParentPopup == 0; }
    bool leavesTopLevelMenus() const { return leaveTopLevelMenus_; }

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
    // The font is kept as a copy: drawing changes its attributes from item to item.
    const QFont& Font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }

    // The item height follows the menu font's text height and the icon size.
    void RefreshMetrics(const QFont& menuFont);
    int ItemHeight() const { return itemHeight_; }
    int IconSize() const { return iconSize_; }
    void setIconSize(int size) { iconSize_ = size; }

    // Width and height of item n in `menuFont`; barHeight is the menu bar's height. The
    // widest caption and shortcut of a popup are chosen by their width in pixels, so no
    // caption runs into the shortcut column.
    void MeasureMenuItem(int n, const QFont& menuFont, int barHeight, int& itemWidth, int& itemHeight);

private:
    void scan(QWidget* menu, quintptr parent);
    int recordOf(const QVariant& vKey) const;

    std::vector<MenuItemRecord> items_;
    bool leaveTopLevelMenus_ = false;
    OleColour activeForeColor_ = 0xFFFFFFFFu;
    OleColour inActiveForeColor_ = 0xFFFFFFFFu;
    OleColour backColor_ = 0xFFFFFFFFu;
    bool officeXp_ = false;
    QFont font_;
    int itemHeight_ = 22;
    int iconSize_ = 16;
    qint32 nextId_ = 1;
};

}  // namespace tarvelo
