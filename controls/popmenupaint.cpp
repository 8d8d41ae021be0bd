// Painting the owner-drawn menu items: the classic look and the Office XP look.

#include "controls/declares.h"
#include "controls/menucolours.h"
#include "controls/menuwidgets.h"
#include "controls/popmenu.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tarvelo {

namespace {

ColourRef rgbOf(OleColour colour) { return static_cast<ColourRef>(ResolveColour(colour)); }
ColourRef sys(int index) { return GetSysColor(index); }

Rect shrunk(Rect r, int by) { return Rect{r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// The check mark and the radio bullet, centred in the cell.
void drawMark(DeviceContext& d, const Rect& cell, bool radio, ColourRef colour)
{
    const int cx = cell.left + cell.width() / 2;
    const int cy = cell.top + cell.height() / 2;
    if (radio) {
        QPainter p(&d.image());
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(colour));
        p.drawEllipse(QRect(cx - 3, cy - 3, 6, 6));
        return;
    }
    for (int k = 0; k < 3; ++k) {
        d.line(cx - 3, cy - 1 + k, cx, cy + 2 + k, colour);
        d.line(cx, cy + 2 + k, cx + 5, cy - 3 + k, colour);
    }
}

}  // namespace

bool PopMenu::HandleDrawItem(const DrawItemStruct& dis)
{
    const int n = FindItemByID(static_cast<qint32>(dis.itemID));
    // Menu bar titles left to the menus are drawn by the style.
    if (n == 0 || !dis.hDC || (IsMenuBarItem(n) && leaveTopLevelMenus_))
        return false;
    PaintMenuItem(dis, n);
    return true;
}

// Every item is drawn on the off-screen surface and reaches the menu in one copy.
void PopMenu::PaintMenuItem(const DrawItemStruct& dis, int n)
{
    const MenuItemRecord& record = item(n);
    const int w = dis.rcItem.width();
    const int h = dis.rcItem.height();
    surface_.setWidth(w + 1);
    surface_.setHeight(h + 1);
    DeviceContext* d = surface_.hdc();
    if (!d)
        return;
    const bool bar = IsMenuBarItem(n);
    const qint32 id = static_cast<qint32>(dis.itemID);
    if (bar)
        d->fill(0, 0, d->width(), d->height(), sys(COLOR_BTNFACE));
    else if (!pictureDC_.isNull())
        // Anchored at the top of the menu, so the tiles run on from item to item.
        TileBitmap(*d, 0, 0, w + 1, h + 1, pictureDC_, pictureDC_.width(), pictureDC_.height(),
                   MenuItemTop(dis.hwndItem, id));
    else
        d->fill(0, 0, d->width(), d->height(), rgbOf(MenuBackgroundColor()));
    if (officeXp_ && !bar)
        FillIconColumn(*d, Rect{0, 0, itemHeight_ + 4, d->height()});
    Rect r{0, 1, w, h};
    d->setBkMode(BkMode::Transparent);

    const quint32 state = GetMenuItemState(dis.hwndItem, id);
    if (state & MFT_SEPARATOR) {
        Rect s = r;
        s.top += (s.bottom - s.top - 2) / 2;
        s.bottom = s.top + 2;
        s.left += 12;
        s.right -= 12;
        if (officeXp_)
            DrawItemEdge(*d, Rect{itemHeight_ + 8, s.top + 1, s.right + 20, s.top + 1}, BDR_SUNKENOUTER,
                         BF_TOP | BF_BOTTOM, true);
        else
            DrawItemEdge(*d, s, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM, false);
    } else {
        const QFont f0 = d->font();
        selectItemFont(*d, record, state & MFS_CHECKED);
        if (bar)
            paintBarItem(*d, dis, record, r);
        else
            paintPopupItem(*d, record, r, w, h, state);
        d->selectFont(f0);
    }
    BitBlt(*dis.hDC, dis.rcItem.left, dis.rcItem.top, w + 1, bar ? h : h + 1, *d, 0, 0, SRCCOPY);
}

// The font keeps the attributes of the item drawn before it until an item that is neither
// the default item nor checked brings back the desktop's menu font.
void PopMenu::selectItemFont(DeviceContext& d, const MenuItemRecord& record, bool checked)
{
    if (record.bIsDefault && !checked) {
        font_.setBold(true);
    } else if (checked && (record.lIcon > 0 || record.bIsRadio)) {
        font_.setUnderline(true);
    } else if (!checked) {
        const QFont menuFont = metrics_.Font(eFontNum::Menu);
        font_.setUnderline(false);
        font_.setBold(menuFont.bold());
        font_.setPointSizeF(menuFont.pointSizeF());
        font_.setFamily(menuFont.family());
    }
    d.selectFont(font_);
}

void PopMenu::paintBarItem(DeviceContext& d, const DrawItemStruct& dis, const MenuItemRecord& record, Rect r)
{
    Rect b = r;
    b.left = 2;
    if (dis.itemState & ODS_HOTLIGHT) {
        if (officeXp_) {
            FillSelection(d, b);
            DrawItemEdge(d, b, 0, 0, true);
        } else {
            DrawItemEdge(d, b, BDR_RAISEDINNER, BF_RECT, false);
        }
    } else if (dis.itemState & ODS_SELECTED) {
        if (officeXp_ && IsHighColour()) {
            // Pressed: open at the bottom, with a shadow fading out to the right.
            const ColourRef shadow = sys(COLOR_BTNSHADOW);
            d.line(b.left - 2, b.bottom, b.left - 2, b.top, shadow);
            d.line(b.left - 2, b.top, b.right - 3, b.top, shadow);
            d.line(b.right - 3, b.top, b.right - 3, b.bottom, shadow);
            const OleColour face = systemColour(COLOR_BTNFACE);
            d.line(b.right - 2, b.top + 4, b.right - 2, b.bottom, BlendColour(0, face, 128));
            d.line(b.right - 1, b.top + 5, b.right - 1, b.bottom, BlendColour(0, face, 64));
            d.line(b.right, b.top + 6, b.right, b.bottom, BlendColour(0, face, 32));
        } else {
            DrawItemEdge(d, b, BDR_SUNKENOUTER, BF_RECT, false);
        }
    }
    // The caption starts 5 pixels in: the small window's bar has no room for a wider margin
    // round the frame of an open title.
    b = shrunk(b, 1);
    b.left += 3;
    d.setTextColour(rgbOf(InActiveMenuForeColor()));
    DrawItemText(d, record.sText, b, DT_VCENTER | DT_SINGLELINE, !record.bIsEnabled);
}

void PopMenu::paintPopupItem(DeviceContext& d, const MenuItemRecord& record, Rect r, int w, int h, quint32 state)
{
    const bool checked = state & MFS_CHECKED;
    const bool disabled = (state & MFS_GRAYED) == MFS_GRAYED;
    const bool hot = state & MFS_HILITE;
    const bool hasIcon = record.lIcon > -1;
    const int iconCell = checked || hasIcon ? h : 0;

    if (hot && !disabled) {
        if (officeXp_) {
            Rect s = r;
            s.left = 1;
            s.right = w - 2;
            FillSelection(d, s);
            DrawItemEdge(d, s, 0, 0, true);
        } else {
            Rect s = r;
            s.left = iconCell;
            d.FillRect(s, Brush::solid(sys(COLOR_HIGHLIGHT)));
        }
    }
    const ColourRef active = rgbOf(ActiveMenuForeColor());
    const ColourRef inactive = rgbOf(InActiveMenuForeColor());
    d.setTextColour(disabled ? sys(COLOR_3DHIGHLIGHT) : hot ? active : inactive);

    const Rect c{1, 1, h - 1, h};
    if (!hasIcon || checked) {
        if (!hot) {
            d.setBkMode(BkMode::Opaque);
            const OleColour background = MenuBackgroundColor();
            if (officeXp_)
                d.FillRect(shrunk(c, 1), Brush::solid(XpCheckBoxColour(background)));
            else if (IsHighColour())
                d.FillRect(c, Brush::solid(lighter_.LighterColour(background)));
            else
                brush_.Rectangle(d, c.left, c.top, c.width(), c.height(), 1, PATCOPY, true, background,
                                 systemColour(COLOR_3DHIGHLIGHT));
            d.setBkMode(BkMode::Transparent);
        }
        if (officeXp_)
            DrawItemEdge(d, shrunk(c, 1), BDR_SUNKENOUTER, BF_RECT, true);
        else
            DrawItemEdge(d, c, BDR_SUNKENOUTER, BF_RECT, false);
    }
    if (checked && !hasIcon) {
        const bool radio = record.bIsRadio;
        if (disabled && !officeXp_)
            drawMark(d, Rect{c.left + 1, c.top + 1, c.right + 1, c.bottom + 1}, radio, sys(COLOR_3DHIGHLIGHT));
        drawMark(d, c, radio, disabled ? sys(COLOR_BTNSHADOW) : hot ? inactive : d.textColour());
    }

    const int size = iconSize_;
    const int x = c.left + (c.width() + 1 - size) / 2;
    const int y = c.top + (c.height() + 1 - size) / 2;
    if (hasIcon) {
        if (!checked && hot && !disabled && !officeXp_)
            DrawItemEdge(d, c, BDR_RAISEDINNER, BF_RECT, false);
        if (disabled) {
            DrawIconEffect(d, record.lIcon, x, y, size, false);
        } else if (!checked && officeXp_ && hot) {
            // Lifted above its own shadow.
            DrawIconEffect(d, record.lIcon, x + 1, y + 1, size, true);
            DrawListIcon(d, record.lIcon, x - 1, y - 1);
        } else {
            DrawListIcon(d, record.lIcon, x, y);
        }
    }

    Rect t = r;
    t.left = h + 2 + (officeXp_ ? 8 : 0);
    DrawItemText(d, record.sText, t, DT_VCENTER | DT_SINGLELINE, disabled);
    if (!record.sShortcut.isEmpty()) {
        t.left = record.lItemWidth - 8;
        t.right = w - 16;
        DrawItemText(d, record.sShortcut, t, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, disabled);
    }
}

void PopMenu::DrawItemEdge(DeviceContext& d, Rect rect, unsigned edge, unsigned flags, bool flat) const
{
    if (!flat) {
        d.DrawEdge(rect, edge, flags);
        return;
    }
    const bool box = rect.top < rect.bottom;
    const ColourRef colour = sys(box ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW);
    d.line(rect.left, rect.top, rect.right - 1, rect.top, colour);
    if (box) {
        d.line(rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, colour);
        d.line(rect.right - 1, rect.bottom - 1, rect.left, rect.bottom - 1, colour);
        d.line(rect.left, rect.bottom - 1, rect.left, rect.top, colour);
    }
}

void PopMenu::DrawItemText(DeviceContext& d, const QString& text, Rect rect, unsigned format, bool disabled) const
{
    if (!disabled) {
        d.DrawText(text, rect, format);
        return;
    }
    if (!officeXp_) {
        Rect moved{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        d.setTextColour(sys(COLOR_3DHIGHLIGHT));
        d.DrawText(text, moved, format);
    }
    d.setTextColour(sys(COLOR_BTNSHADOW));
    d.DrawText(text, rect, format);
}

void PopMenu::DrawListIcon(DeviceContext& d, int image, int x, int y) const
{
    ImageList_Draw(hIml_, image, d, x, y, ILD_TRANSPARENT);
}

void PopMenu::DrawIconEffect(DeviceContext& d, int image, int x, int y, int size, bool shadow) const
{
    const std::optional<Icon> icon = ImageList_GetIcon(hIml_, image, ILD_NORMAL);
    if (!icon)
        return;
    const std::optional<ColourRef> brush = shadow ? std::optional(sys(COLOR_BTNSHADOW)) : std::nullopt;
    d.DrawState(brush, icon->image, x, y, size, size, DST_ICON | (shadow ? DSS_MONO : DSS_DISABLED));
}

void PopMenu::FillIconColumn(DeviceContext& d, const Rect& rect)
{
    fillPattern(d, rect, XpIconColumnColour(MenuBackgroundColor()));
}

void PopMenu::FillSelection(DeviceContext& d, const Rect& rect)
{
    fillPattern(d, rect, XpSelectionColour(MenuBackgroundColor()));
}

// With few colours the fill is a dotted pattern of the background and the 3D highlight,
// one pixel larger to the right and below.
void PopMenu::fillPattern(DeviceContext& d, const Rect& rect, ColourRef colour)
{
    d.setBkMode(BkMode::Opaque);
    if (IsHighColour())
        d.FillRect(rect, Brush::solid(colour));
    else
        brush_.Rectangle(d, rect.left, rect.top, rect.width() + 1, rect.height() + 1, 1, PATCOPY, true,
                         MenuBackgroundColor(), systemColour(COLOR_3DHIGHLIGHT));
    d.setBkMode(BkMode::Transparent);
}

bool PopMenu::IsHighColour()
{
    if (!highColour_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && screen->depth() > 0)
            highColour_ = screen->depth() > 8;
    }
    return highColour_.value_or(false);
}

}  // namespace tarvelo
