#include "controls/popmenu.h"

#include "controls/controlerror.h"
#include "host/globais.h"
#include "platform/numbertext.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>

namespace tarvelo {

namespace {

// The caption as drawn: "&" marks the next character, "&&" stands for one "&".
QString visibleText(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(visibleText(text));
}

QString keyOf(const QAction* action)
{
    if (action->menu() && !action->menu()->objectName().isEmpty())
        return action->menu()->objectName();
    return action->objectName();
}

// The caption with its shortcut after a tab, as the menus show it.
QString captionOf(const QAction* action)
{
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    return shortcut.isEmpty() ? action->text() : action->text() + QLatin1Char('\t') + shortcut;
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

void PopMenu::Clear()
{
    items_.clear();
}

void PopMenu::SubClassMenu(QMenuBar* menuBar, bool bLeaveTopLevelMenus)
{
    Clear();
    leaveTopLevelMenus_ = bLeaveTopLevelMenus;
    if (menuBar)
        scan(menuBar, 0);
}

void PopMenu::scan(QWidget* menu, quintptr parent)
{
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        MenuItemRecord record;
        record.action = action;
        record.lMenuID = nextId_++;
        record.hOwnerMenu = reinterpret_cast<quintptr>(menu);
        record.hParentPopup = parent;
        record.bIsChecked = action->isChecked();
        record.bIsEnabled = action->isEnabled();
        record.sItemKey = keyOf(action);
        SetItemCaption(record, captionOf(action), action->isSeparator());
        items_.push_back(record);
        if (QMenu* popup = action->menu())
            scan(popup, reinterpret_cast<quintptr>(popup));
    }
}

int PopMenu::FindItemByAction(const QAction* action) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].action == action)
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

OleColour PopMenu::ActiveMenuForeColor() const
{
    if (activeForeColor_ != 0xFFFFFFFFu)
        return activeForeColor_;
    return systemColour(officeXp_ ? COLOR_MENUTEXT : COLOR_HIGHLIGHTTEXT);
}

OleColour PopMenu::InActiveMenuForeColor() const
{
    return inActiveForeColor_ != 0xFFFFFFFFu ? inActiveForeColor_ : systemColour(COLOR_MENUTEXT);
}

OleColour PopMenu::MenuBackgroundColor() const
{
    if (backColor_ != 0xFFFFFFFFu)
        return backColor_;
    return systemColour(officeXp_ ? COLOR_WINDOW : COLOR_MENU);
}

void PopMenu::RefreshMetrics(const QFont& menuFont)
{
    const int h = QFontMetrics(menuFont).height();
    itemHeight_ = h > iconSize_ + 6 ? h + 6 : iconSize_ + 6;
}

void PopMenu::MeasureMenuItem(int n, const QFont& menuFont, int barHeight, int& itemWidth, int& itemHeight)
{
    if (n < 1 || n > count())
        return;
    const MenuItemRecord& record = item(n);
    const bool bar = IsMenuBarItem(n);
    itemHeight = bar ? barHeight : itemHeight_ + (officeXp_ ? 2 : 0);
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

    QFont font = menuFont;
    if (record.bIsDefault)
        font.setBold(true);
    if (bar) {
        itemWidth = width + textWidth(font, record.sText) + 2;
        return;
    }

    int widestCaption = 0;
    int widestShortcut = 0;
    std::vector<size_t> siblings;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].hOwnerMenu != record.hOwnerMenu)
            continue;
        siblings.push_back(i);
        widestCaption = std::max(widestCaption, textWidth(font, items_[i].sText));
        widestShortcut = std::max(widestShortcut, textWidth(font, items_[i].sShortcut));
    }
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

}  // namespace tarvelo
