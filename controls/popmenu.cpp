#include "controls/popmenu.h"

#include "controls/controlerror.h"
#include "controls/menuwidgets.h"
#include "controls/msubclass.h"
#include "host/globais.h"
#include "platform/numbertext.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>

namespace tarvelo {

namespace {

// Makes every menu that shows the action lay its items out again.
void remeasure(QAction* action)
{
    if (!action)
        return;
    for (QObject* shown : action->associatedObjects()) {
        QActionEvent changed(QEvent::ActionChanged, action);
        QCoreApplication::sendEvent(shown, &changed);
    }
}

int textWidth(DeviceContext& dc, const QString& text)
{
    Rect r;
    dc.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
    return r.width();
}

QString keyOf(const QAction* action)
{
    if (action->menu() && !action->menu()->objectName().isEmpty())
        return action->menu()->objectName();
    return action->objectName();
}

// The caption with its shortcut after a tab, as the menus show it.
QString captionOf(const QAction* action, const QKeySequence& shortcut)
{
    const QString text = shortcut.toString(QKeySequence::NativeText);
    return text.isEmpty() ? action->text() : action->text() + QLatin1Char('\t') + text;
}

// A menu bar caption is painted 5 pixels in; after it the title wants a pixel clear of the
// frame of an open title and room for that frame and its shadow, of which the bar gives 6
// itself. No more: the small window's bar holds its three titles in every language.
constexpr int kBarCaptionRoom = 3;

// System commands the window carries out itself.
bool isSystemCommand(qint32 id)
{
    for (const qint32 command : {0xF000, 0xF010, 0xF020, 0xF030, 0xF120, 0xF060})
        if (id == command)
            return true;
    return false;
}

}  // namespace

bool TakeMarker(QString& caption, QChar marker)
{
    const qsizetype at = caption.indexOf(marker);
    if (at < 0 || caption.contains(QString(2, marker)))
        return false;
    caption.remove(at, 1);
    return true;
}

QString MenuAccessKey(const QString& text)
{
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    if (amp < 0 || amp == text.size() - 1)
        return QString();
    return text.at(amp + 1).toUpper();
}

void SetItemCaption(MenuItemRecord& record, const QString& caption, bool separator)
{
    if (separator) {
        record.sText = QStringLiteral("-");
        return;
    }
    QString text = caption;
    record.bBarBreak = TakeMarker(text, QLatin1Char('|'));
    record.bColumnBreak = TakeMarker(text, QLatin1Char('^'));
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        record.sShortcut = text.mid(tab + 1);
        text.truncate(tab);
    }
    record.sAccessKey = MenuAccessKey(text);
    record.sText = text;
}

PopMenu::PopMenu() : memDC_(1, 1)
{
    metrics_.GetMetrics();
    font_ = metrics_.Font(eFontNum::Menu);
}

PopMenu::~PopMenu()
{
    giveShortcutsBack();
}

void PopMenu::Load(WindowHandle hWnd, bool takePart)
{
    hWnd_ = hWnd;
    RefreshMetrics();
    if (!takePart)
        return;
    for (const quint32 message :
         {WM_MENUSELECT, WM_MEASUREITEM, WM_DRAWITEM, WM_COMMAND, WM_INITMENUPOPUP, WM_WININICHANGE}) {
        try {
            SubclassAttach(*this, hWnd, message);
            attached_ = true;
        } catch (const SubclassError&) {
            // That one message goes without the control.
        }
    }
    brush_.Create();
}

void PopMenu::Clear()
{
    items_.clear();
    commandLinks_ = std::make_unique<QObject>();
}

void PopMenu::SubClassMenu(QMenuBar* menuBar, bool bLeaveTopLevelMenus)
{
    Clear();
    if (!attached_ || !menuBar)
        return;
    menuBar_ = menuBar;
    leaveTopLevelMenus_ = bLeaveTopLevelMenus;
    scan(menuBar, 0);
    for (const MenuItemRecord& record : items_)
        remeasure(record.action);
    menuBar->update();
}

void PopMenu::scan(QWidget* menu, WindowHandle parent)
{
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        MenuItemRecord record;
        record.action = action;
        record.lMenuID = MenuItemID(action);
        record.hOwnerMenu = MenuHandle(menu);
        record.hParentPopup = parent;
        record.bIsChecked = action->isChecked();
        record.bIsEnabled = action->isEnabled();
        record.sItemKey = keyOf(action);
        const QShortcut* moved = movedShortcut(action);
        SetItemCaption(record, captionOf(action, moved ? moved->key() : action->shortcut()), action->isSeparator());
        moveShortcut(record);
        reportCommands(action);
        items_.push_back(record);
        if (QMenu* popup = action->menu())
            scan(popup, MenuHandle(popup));
    }
}

// The menus would add a column of their own for a shortcut the item still carries, so the
// window takes it over and the record keeps its text for drawing.
void PopMenu::moveShortcut(MenuItemRecord& record)
{
    QAction* action = record.action;
    if (action->shortcut().isEmpty() || !menuBar_)
        return;
    auto* shortcut = new QShortcut(action->shortcut(), menuBar_->window());
    shortcut->setContext(action->shortcutContext());
    QObject::connect(shortcut, &QShortcut::activated, action, [action] {
        if (action->isEnabled() && action->isVisible())
            action->trigger();
    });
    delete movedShortcut(action);
    std::erase_if(shortcuts_, [action](const MovedShortcut& m) { return m.action == action; });
    shortcuts_.push_back({action, shortcut});
    action->setShortcut(QKeySequence());
}

// The window connects its own handlers to the items when it builds its menus, so a
// connection made now runs after them: the window hears the command first, as a window
// procedure does before the control.
void PopMenu::reportCommands(QAction* action)
{
    if (action->isSeparator() || action->menu())
        return;
    QObject::connect(action, &QAction::triggered, commandLinks_.get(),
                     [this, action] { SendMessage(hWnd_, WM_COMMAND, MenuItemID(action) & 0xFFFF, 0); });
}

void PopMenu::giveShortcutsBack()
{
    for (const MovedShortcut& moved : shortcuts_) {
        if (moved.action && moved.shortcut && moved.action->shortcut().isEmpty())
            moved.action->setShortcut(moved.shortcut->key());
        delete moved.shortcut;
    }
    shortcuts_.clear();
}

QShortcut* PopMenu::movedShortcut(const QAction* action) const
{
    for (const MovedShortcut& moved : shortcuts_)
        if (moved.action == action)
            return moved.shortcut;
    return nullptr;
}

int PopMenu::FindItemByID(qint32 id) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].lMenuID == id)
            return static_cast<int>(i) + 1;
    return 0;
}

qint32 PopMenu::MenuIndex(const QVariant& vKey) const
{
    qint32 n = -1;
    const bool text = vKey.typeId() == QMetaType::QString;
    const std::optional<double> number = text ? numberValue(vKey.toString()) : std::optional<double>();
    bool ok = false;
    const double value = text ? number.value_or(0) : vKey.toDouble(&ok);
    if ((text && number) || (!text && ok)) {
        const std::optional<qint32> whole = toLong(value);
        if (whole && *whole >= 1 && *whole <= count())
            n = *whole;
    } else {
        const QString key = vKey.toString();
        for (int i = 0; i < count() && n < 0; ++i)
            if (items_[static_cast<size_t>(i)].sItemKey == key)
                n = i + 1;
    }
    if (n < 0)
        RecordError(9, ErrorSource(QStringLiteral("cPopMenu")));
    return n;
}

qint32 PopMenu::ReplaceItem(const QVariant& vKey, const MenuItemChanges& changes)
{
    const qint32 n = MenuIndex(vKey);
    if (n < 1)
        return 0;
    MenuItemRecord& record = items_[static_cast<size_t>(n - 1)];
    if (changes.sCaption)
        SetItemCaption(record, *changes.sCaption, *changes.sCaption == QLatin1String("-"));
    if (changes.sHelptext)
        record.sHelp = *changes.sHelptext;
    if (changes.lItemData)
        record.lData = *changes.lItemData;
    if (changes.lIconIndex)
        record.lIcon = *changes.lIconIndex;
    if (changes.bChecked)
        record.bIsChecked = *changes.bChecked;
    if (changes.bEnabled)
        record.bIsEnabled = *changes.bEnabled;
    remeasure(record.action);
    return 0;
}

int PopMenu::recordOf(const QVariant& vKey) const
{
    const qint32 n = MenuIndex(vKey);
    return n >= 1 ? n : 0;
}

bool PopMenu::MenuDefault(const QVariant& vKey) const
{
    const int n = recordOf(vKey);
    return n > 0 && item(n).bIsDefault;
}

void PopMenu::setMenuDefault(const QVariant& vKey, bool bState)
{
    if (const int n = recordOf(vKey))
        items_[static_cast<size_t>(n - 1)].bIsDefault = bState;
}

bool PopMenu::Enabled(const QVariant& vKey)
{
    const int n = recordOf(vKey);
    if (n == 0)
        return false;
    MenuItemRecord& record = items_[static_cast<size_t>(n - 1)];
    if (record.action)
        record.bIsEnabled = record.action->isEnabled();
    return record.bIsEnabled;
}

void PopMenu::setEnabled(const QVariant& vKey, bool bEnabled)
{
    const int n = recordOf(vKey);
    if (n == 0)
        return;
    MenuItemRecord& record = items_[static_cast<size_t>(n - 1)];
    record.bIsEnabled = bEnabled;
    if (record.action)
        record.action->setEnabled(bEnabled);
}

qint32 PopMenu::ItemIcon(const QVariant& vKey) const
{
    const int n = recordOf(vKey);
    return n > 0 ? item(n).lIcon : 0;
}

void PopMenu::setItemIcon(const QVariant& vKey, qint32 lIconIndex)
{
    if (const int n = recordOf(vKey))
        items_[static_cast<size_t>(n - 1)].lIcon = lIconIndex;
}

qint32 PopMenu::ItemRadio(const QVariant& vKey) const
{
    const int n = recordOf(vKey);
    return n > 0 && item(n).bIsRadio ? -1 : 0;
}

void PopMenu::setItemRadio(const QVariant& vKey)
{
    if (const int n = recordOf(vKey))
        items_[static_cast<size_t>(n - 1)].bIsRadio = true;
}

void PopMenu::UserControl_ReadProperties(const PropertyBag& bag)
{
    bag.ReadInto<bool>(QStringLiteral("OfficeXpStyle"), false, officeXp_);
    bag.ReadInto<OleColour>(QStringLiteral("ActiveMenuForeColor"), kAutomatic, activeForeColor_);
    bag.ReadInto<OleColour>(QStringLiteral("InActiveMenuForeColor"), kAutomatic, inActiveForeColor_);
    bag.ReadInto<OleColour>(QStringLiteral("MenuBackgroundColor"), kAutomatic, backColor_);
    Picture picture;
    bag.ReadInto<Picture>(QStringLiteral("BackgroundPicture"), Picture(), picture);
    setBackgroundPicture(picture);
    // Left without a font, the items would be drawn in none.
    const QVariant font = bag.ReadProperty(QStringLiteral("Font"));
    if (font.metaType() == QMetaType::fromType<QFont>())
        setFont(font.value<QFont>());
}

void PopMenu::UserControl_WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("OfficeXpStyle"), officeXp_, false);
    bag.WriteProperty(QStringLiteral("ActiveMenuForeColor"), activeForeColor_, kAutomatic);
    bag.WriteProperty(QStringLiteral("InActiveMenuForeColor"), inActiveForeColor_, kAutomatic);
    bag.WriteProperty(QStringLiteral("MenuBackgroundColor"), backColor_, kAutomatic);
    bag.WriteProperty(QStringLiteral("BackgroundPicture"), QVariant::fromValue(backgroundPicture_),
                      QVariant::fromValue(Picture()));
    bag.WriteProperty(QStringLiteral("Font"), font_);
}

OleColour PopMenu::ActiveMenuForeColor() const
{
    if (activeForeColor_ != kAutomatic)
        return activeForeColor_;
    return systemColour(officeXp_ ? COLOR_MENUTEXT : COLOR_HIGHLIGHTTEXT);
}

OleColour PopMenu::InActiveMenuForeColor() const
{
    return inActiveForeColor_ != kAutomatic ? inActiveForeColor_ : systemColour(COLOR_MENUTEXT);
}

OleColour PopMenu::MenuBackgroundColor() const
{
    if (backColor_ != kAutomatic)
        return backColor_;
    return systemColour(officeXp_ ? COLOR_WINDOW : COLOR_MENU);
}

void PopMenu::setBackgroundPicture(const Picture& sPic)
{
    ClearBackgroundPicture();
    if (sPic.isNull())
        return;
    const QImage& image = sPic.image();
    if (!pictureDC_.resize(image.width(), image.height()))
        return;
    // An icon's clear parts show the face of the box that holds the picture.
    pictureDC_.fill(0, 0, image.width(), image.height(), GetSysColor(COLOR_BTNFACE));
    QPainter(&pictureDC_.image()).drawImage(0, 0, image);
    backgroundPicture_ = sPic;
}

void PopMenu::ClearBackgroundPicture()
{
    backgroundPicture_ = Picture();
    pictureDC_ = DeviceContext();
}

void PopMenu::setImageList(HImageList hIml)
{
    hIml_ = hIml;
    int cx = 0;
    int cy = 0;
    if (hIml != 0)
        iconSize_ = ImageList_GetImageCount(hIml) > 0 && ImageList_GetIconSize(hIml, cx, cy) ? cy : 0;
}

void PopMenu::RefreshMetrics()
{
    metrics_.GetMetrics();
    memDC_.selectFont(metrics_.FontHandle(eFontNum::Menu));
    Rect r;
    memDC_.DrawText(u"yY", r, DT_CALCRECT);
    const int h = r.height();
    itemHeight_ = h > iconSize_ + 6 ? h + 6 : iconSize_ + 6;
    if (menuBar_)
        menuBar_->update();
}

QFont PopMenu::measuringFont(const MenuItemRecord& record)
{
    return record.bIsDefault ? metrics_.BoldenedFontHandle(eFontNum::Menu) : metrics_.FontHandle(eFontNum::Menu);
}

void PopMenu::MeasureMenuItem(qint32 itemID, int& itemWidth, int& itemHeight)
{
    const int n = FindItemByID(itemID);
    if (n == 0)
        return;
    const MenuItemRecord& record = item(n);
    const bool bar = IsMenuBarItem(n);
    if (!bar)
        itemHeight = itemHeight_ + (officeXp_ ? 2 : 0);
    int width = 0;
    if (bar) {
        const QString trimmed = record.sText.trimmed();
        if (trimmed == QLatin1String("-") || trimmed.isEmpty()) {
            itemWidth = 4;
            return;
        }
        width = record.lIcon > -1 ? 18 : 0;
    } else if (record.sText == QLatin1String("-")) {
        itemHeight = officeXp_ ? 3 : 8;
        itemWidth = 32;
        return;
    } else {
        width = record.sText.isEmpty() ? iconSize_ - 6 : 32;
    }

    const QFont font = memDC_.selectFont(measuringFont(record));
    if (bar) {
        itemWidth = width + textWidth(memDC_, record.sText) + kBarCaptionRoom;
        memDC_.selectFont(font);
        return;
    }
    int widestCaption = 0;
    int widestShortcut = 0;
    std::vector<size_t> siblings;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].hOwnerMenu != record.hOwnerMenu)
            continue;
        siblings.push_back(i);
        widestCaption = std::max(widestCaption, textWidth(memDC_, items_[i].sText));
        widestShortcut = std::max(widestShortcut, textWidth(memDC_, items_[i].sShortcut));
    }
    memDC_.selectFont(font);
    width += widestCaption;
    const bool windows9x = globais().gPlataforma == 1;
    if (widestShortcut > 0) {
        width += 1;
        for (const size_t i : siblings)
            items_[i].lItemWidth = width + 4;
        if (!windows9x)
            width += widestShortcut;
    }
    itemWidth = width + (windows9x ? 10 : 16);
}

qint32 PopMenu::MsgResponse()
{
    const quint32 message = CurrentMessage();
    return message == WM_DRAWITEM || message == WM_MEASUREITEM ? emrConsume : emrPreprocess;
}

MessageParam PopMenu::WindowProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam)
{
    switch (iMsg) {
    case WM_WININICHANGE:
        RefreshMetrics();
        for (int n = 1; n <= count(); ++n)
            ReplaceItem(n);
        if (WinIniChange)
            WinIniChange();
        return 0;
    case WM_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DrawItemStruct*>(lParam);
        if (dis && dis->CtlType == ODT_MENU && HandleDrawItem(*dis))
            return 1;
        return CallPreviousWndProc(hWnd, iMsg, wParam, lParam);
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MeasureItemStruct*>(lParam);
        if (!mis || mis->CtlType != ODT_MENU)
            return CallPreviousWndProc(hWnd, iMsg, wParam, lParam);
        // Items without a record (shown after the scan) and menu bar titles left to the
        // menus are not the control's: they keep the style's own size and look.
        const int n = FindItemByID(static_cast<qint32>(mis->itemID));
        if (n == 0 || (IsMenuBarItem(n) && leaveTopLevelMenus_))
            return CallPreviousWndProc(hWnd, iMsg, wParam, lParam);
        MeasureMenuItem(static_cast<qint32>(mis->itemID), mis->itemWidth, mis->itemHeight);
        return 1;
    }
    case WM_COMMAND:
        if (lParam == 0)
            ReportCommand(static_cast<qint32>(wParam & 0xFFFF));
        return 0;
    case WM_INITMENUPOPUP:
        if (((lParam >> 16) & 0xFFFF) == 0)
            ReportPopup(static_cast<WindowHandle>(wParam));
        return 0;
    case WM_MENUSELECT: {
        const qint32 id = static_cast<qint32>(wParam & 0xFFFF);
        // An item that opens a popup has no command of its own.
        const QAction* action = MenuItemByID(static_cast<WindowHandle>(lParam), id);
        if (action && !action->menu())
            ReportHighlight(id);
        else if (MenuExit)
            MenuExit();
        return 0;
    }
    default:
        return 0;
    }
}

void PopMenu::ReportCommand(qint32 id)
{
    if (isSystemCommand(id))
        return;
    qint32 n = FindItemByID(id);
    if (n >= 1 && Click)
        Click(n);
}

void PopMenu::ReportHighlight(qint32 id)
{
    qint32 n = FindItemByID(id);
    if (n < 1) {
        // Not an item of ours: the window has no system menu, so it counts as enabled.
        bool enabled = true;
        bool separator = false;
        if (SystemMenuItemHighlight)
            SystemMenuItemHighlight(id, enabled, separator);
        return;
    }
    const size_t at = static_cast<size_t>(n - 1);
    bool separator = items_[at].sText == QLatin1String("-");
    bool enabled = items_[at].bIsEnabled;
    if (ItemHighlight)
        ItemHighlight(n, enabled, separator);
    // The handler's value is the record's own flag.
    if (at < items_.size())
        items_[at].bIsEnabled = enabled;
}

void PopMenu::ReportPopup(WindowHandle hPopup)
{
    for (int n = count(); n >= 1; --n) {
        const QAction* action = item(n).action;
        if (action && action->menu() && MenuHandle(action->menu()) == hPopup) {
            if (InitPopupMenu)
                InitPopupMenu(n);
            return;
        }
    }
}

}  // namespace tarvelo
