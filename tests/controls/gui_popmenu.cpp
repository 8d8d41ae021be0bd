#include "controls/cncmetrics.h"
#include "controls/controlerror.h"
#include "controls/imagelist.h"
#include "controls/menucolours.h"
#include "controls/menuwidgets.h"
#include "controls/popmenu.h"
#include "host/globais.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace tarvelo;

namespace {

// What reached the window's own procedure, in order.
std::vector<QString> g_heard;

MessageParam formProcedure(WindowHandle, quint32 message, MessageParam, MessageParam)
{
    if (message == WM_COMMAND)
        g_heard.push_back(QStringLiteral("window"));
    return 0;
}

// A window with two menus: "&Arquivo" with an item with a shortcut, a separator, a hidden
// item and a third item; "&Ajuda" with one item.
struct Menus : ::testing::Test {
    QWidget form;
    WindowHandle hWnd = CreateWindowHandle(&formProcedure, &form);
    OwnerDrawnMenuBar* bar = new OwnerDrawnMenuBar(&form);
    OwnerDrawnMenu* arquivo = new OwnerDrawnMenu(QStringLiteral("&Arquivo"), bar);
    OwnerDrawnMenu* ajuda = new OwnerDrawnMenu(QStringLiteral("&Ajuda"), bar);
    QAction* imprimir = nullptr;
    QAction* form_ = nullptr;
    std::unique_ptr<PopMenu> menu = std::make_unique<PopMenu>();

    void SetUp() override
    {
        g_heard.clear();
        bar->addMenu(arquivo);
        bar->addMenu(ajuda);
        arquivo->setObjectName(QStringLiteral("mnu1"));
        ajuda->setObjectName(QStringLiteral("mnu9"));
        imprimir = add(arquivo, "mnuImprimir(0)", "Imprimir com fonte &Pequena", QKeySequence(Qt::CTRL | Qt::Key_P));
        arquivo->addSeparator();
        add(arquivo, "mnuOculto", "Oculto")->setVisible(false);
        form_ = add(arquivo, "mnuForm", "Formato do &Número");
        add(ajuda, "mnuAjuda", "&Ajuda", QKeySequence(Qt::Key_F1));
        menu->Load(hWnd, true);
        menu->SubClassMenu(bar);
        ClearError();
    }
    QAction* add(QMenu* m, const char* name, const char* text, QKeySequence shortcut = {})
    {
        QAction* a = m->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(shortcut);
        return a;
    }
};

TEST_F(Menus, TheScanGivesOneRecordPerShownItemDepthFirst)
{
    ASSERT_EQ(menu->count(), 6);
    const char* keys[] = {"mnu1", "mnuImprimir(0)", "", "mnuForm", "mnu9", "mnuAjuda"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(menu->item(n).sItemKey, QString::fromLatin1(keys[n - 1])) << n;
    EXPECT_EQ(menu->item(1).hParentPopup, 0);
    EXPECT_EQ(menu->item(5).hParentPopup, 0);
    EXPECT_EQ(menu->item(2).hParentPopup, MenuHandle(arquivo));
    EXPECT_EQ(menu->item(6).hOwnerMenu, MenuHandle(ajuda));

    const MenuItemRecord& record = menu->item(2);
    const QString ctrlP = QKeySequence(Qt::CTRL | Qt::Key_P).toString(QKeySequence::NativeText);
    EXPECT_EQ(record.sText, QStringLiteral("Imprimir com fonte &Pequena"));
    EXPECT_EQ(record.sShortcut, ctrlP);
    EXPECT_EQ(record.sAccessKey, QStringLiteral("P"));
    EXPECT_EQ(menu->item(3).sText, QStringLiteral("-"));
    EXPECT_EQ(menu->item(4).sAccessKey, QStringLiteral("N"));

    // The window holds the shortcut now, so the menu adds no column of its own; a new scan
    // (after a change of language) still knows it, and the end of the control gives it back.
    EXPECT_TRUE(imprimir->shortcut().isEmpty());
    menu->SubClassMenu(bar);
    EXPECT_EQ(menu->item(2).sShortcut, ctrlP);
    menu.reset();
    EXPECT_EQ(imprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

TEST(MenuCaption, MarkersShortcutsAndAccessKeys)
{
    const struct {
        const char* caption;
        const char* text;
        const char* shortcut;
        const char* accessKey;
        bool barBreak;
        bool columnBreak;
    } cases[] = {
        {"&Abrir\tCtrl+A", "&Abrir", "Ctrl+A", "A", false, false},
        {"Coluna^", "Coluna", "", "", false, true},
        {"Nova|Linha", "NovaLinha", "", "", true, false},
        {"Dois||Traços", "Dois||Traços", "", "", false, false},
        {"Fim&", "Fim&", "", "", false, false},
        {"A&&B &C", "A&&B &C", "", "&", false, false},
    };
    for (const auto& c : cases) {
        MenuItemRecord r;
        SetItemCaption(r, QString::fromUtf8(c.caption), false);
        EXPECT_EQ(r.sText, QString::fromUtf8(c.text)) << c.caption;
        EXPECT_EQ(r.sShortcut, QString::fromUtf8(c.shortcut)) << c.caption;
        EXPECT_EQ(r.sAccessKey, QString::fromUtf8(c.accessKey)) << c.caption;
        EXPECT_EQ(r.bBarBreak, c.barBreak) << c.caption;
        EXPECT_EQ(r.bColumnBreak, c.columnBreak) << c.caption;
    }
}

TEST_F(Menus, MenuIndexFindsNumbersAndKeysAndRecordsErrorNine)
{
    EXPECT_EQ(menu->MenuIndex(QStringLiteral("mnuForm")), 4);
    EXPECT_EQ(menu->MenuIndex(2), 2);
    EXPECT_EQ(menu->MenuIndex(QStringLiteral("3")), 3);
    EXPECT_EQ(CurrentError().number, 0);
    for (const QVariant& key : {QVariant(0), QVariant(7), QVariant(QStringLiteral("mnuform"))}) {
        ClearError();
        EXPECT_EQ(menu->MenuIndex(key), -1) << key.toString().toStdString();
        EXPECT_EQ(CurrentError().number, 9);
        EXPECT_EQ(CurrentError().source, QStringLiteral("tarvelo.cPopMenu"));
    }
    EXPECT_EQ(menu->ItemIcon(0), 0);
    EXPECT_EQ(menu->ReplaceItem(QStringLiteral("nada"), {.sCaption = QStringLiteral("x")}), 0);
}

TEST_F(Menus, KeyedPropertiesAndReplaceItemChangeTheirRecord)
{
    menu->setItemIcon(QStringLiteral("mnuForm"), 37);
    EXPECT_EQ(menu->ItemIcon(QStringLiteral("mnuForm")), 37);
    menu->setItemRadio(QStringLiteral("mnuImprimir(0)"));
    EXPECT_EQ(menu->ItemRadio(QStringLiteral("mnuImprimir(0)")), -1);
    EXPECT_EQ(menu->ItemRadio(QStringLiteral("mnuForm")), 0);
    menu->setEnabled(QStringLiteral("mnuAjuda"), false);
    EXPECT_FALSE(menu->item(6).action->isEnabled());
    menu->item(6).action->setEnabled(true);
    EXPECT_TRUE(menu->Enabled(QStringLiteral("mnuAjuda")));
    menu->setItemIcon(QStringLiteral("nada"), 3);
    EXPECT_EQ(CurrentError().number, 9);

    menu->ReplaceItem(QStringLiteral("mnuForm"), {.sCaption = QStringLiteral("&Outro\tF9"), .lIconIndex = 2});
    EXPECT_EQ(menu->item(4).sText, QStringLiteral("&Outro"));
    EXPECT_EQ(menu->item(4).sShortcut, QStringLiteral("F9"));
    EXPECT_EQ(menu->item(4).lIcon, 2);
    EXPECT_EQ(menu->item(4).sItemKey, QStringLiteral("mnuForm"));
}

TEST_F(Menus, TheMenusTakeTheSizesTheControlMeasures)
{
    DeviceContext dc(1, 1);
    dc.selectFont(QApplication::font("QMenu"));
    const auto width = [&dc](const QString& text) {
        Rect r;
        dc.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
        return r.width();
    };
    EXPECT_EQ(menu->ItemHeight(), std::max(dc.lineHeight() + 6, 22));

    menu->setOfficeXpStyle(true);
    const auto geometryOf = [this](QAction* action) {
        menu->ReplaceItem(2);  // the menu lays its items out again
        return arquivo->actionGeometry(action);
    };
    EXPECT_EQ(geometryOf(imprimir).height(), menu->ItemHeight() + 2);
    EXPECT_EQ(geometryOf(arquivo->actions().at(1)).height(), 3);
    menu->setOfficeXpStyle(false);
    EXPECT_EQ(geometryOf(arquivo->actions().at(1)).height(), 8);

    // The widest caption by pixels, not by characters.
    const int caption = std::max(width(QStringLiteral("Imprimir com fonte &Pequena")),
                                 width(QStringLiteral("Formato do &Número")));
    const int shortcut = width(menu->item(2).sShortcut);
    int w = 0;
    int h = 0;
    menu->MeasureMenuItem(MenuItemID(form_), w, h);
    EXPECT_EQ(menu->item(2).lItemWidth, 32 + caption + 1 + 4);
    EXPECT_EQ(menu->item(4).lItemWidth, 32 + caption + 1 + 4);
    EXPECT_EQ(w, 32 + caption + 1 + shortcut + 16);
    EXPECT_EQ(geometryOf(form_).width(), w + 12);  // and a check mark's width, as menus add

    // A menu bar title keeps the bar's height.
    h = 17;
    menu->MeasureMenuItem(MenuItemID(arquivo->menuAction()), w, h);
    EXPECT_EQ(h, 17);

    // An item shown after the scan has no record: the style sizes and draws it.
    MeasureItemStruct request;
    request.itemID = static_cast<quint32>(MenuItemID(arquivo->addAction(QStringLiteral("Depois"))));
    EXPECT_EQ(SendMessage(hWnd, WM_MEASUREITEM, 0, reinterpret_cast<MessageParam>(&request)), 0);
}

// The bar as it shows with "&Arquivo" open: one colour from end to end, and the pressed
// frame of the open title clear of its caption.
TEST_F(Menus, TheBarIsOneColourAndAnOpenTitleIsFramedRoundItsWholeCaption)
{
    menu->setOfficeXpStyle(true);
    menu->setInActiveMenuForeColor(0);
    form.resize(400, 100);
    bar->resize(400, bar->sizeHint().height());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    bar->setActiveAction(arquivo->menuAction());
    ASSERT_TRUE(arquivo->isVisible());
    const QImage shown = bar->grab().toImage();
    arquivo->hide();
    const auto pixel = [&shown](int x, int y) { return fromQRgb(shown.pixel(x, y)); };

    const ColourRef face = GetSysColor(COLOR_BTNFACE);
    const QRect open = bar->actionGeometry(arquivo->menuAction());
    const QRect next = bar->actionGeometry(ajuda->menuAction());
    const int y = open.center().y();
    for (const int x : {0, open.right() + 1, next.left() - 1, next.right() + 1, bar->width() - 1})
        EXPECT_EQ(pixel(x, y), face) << "x " << x;

    const int frame = open.left() + open.width() - 3;
    EXPECT_EQ(pixel(frame, y), GetSysColor(COLOR_BTNSHADOW));
    int lastInk = -1;
    for (int x = open.left(); x < frame; ++x)
        for (int row = open.top(); row <= open.bottom(); ++row)
            if (pixel(x, row) == 0)
                lastInk = x;
    ASSERT_GT(lastInk, open.left());
    EXPECT_LT(lastInk, frame - 1) << "the caption runs into the frame";
}

TEST_F(Menus, MenuActivityReachesTheWindowFirstAndThenTheEvents)
{
    std::vector<QString> events;
    // The window's own handler is connected before the control scans the menus.
    QObject::connect(imprimir, &QAction::triggered, [] { g_heard.push_back(QStringLiteral("handler")); });
    menu->SubClassMenu(bar);
    menu->Click = [](qint32& n) { g_heard.push_back(QStringLiteral("Click %1").arg(n)); };
    menu->ItemHighlight = [&events](qint32& n, bool& enabled, bool& separator) {
        events.push_back(QStringLiteral("ItemHighlight %1 %2 %3").arg(n).arg(enabled).arg(separator));
        enabled = false;  // the record's own flag
    };
    menu->InitPopupMenu = [&events](qint32& n) { events.push_back(QStringLiteral("InitPopupMenu %1").arg(n)); };
    menu->MenuExit = [&events] { events.push_back(QStringLiteral("MenuExit")); };
    menu->WinIniChange = [&events] { events.push_back(QStringLiteral("WinIniChange")); };

    imprimir->trigger();
    EXPECT_EQ(g_heard, (std::vector<QString>{"handler", "window", "Click 2"}));

    emit arquivo->aboutToShow();
    emit arquivo->hovered(form_);
    emit arquivo->hovered(ajuda->menuAction());  // not an item of this menu
    emit bar->hovered(arquivo->menuAction());     // opens a popup: no command of its own
    emit arquivo->aboutToHide();
    SendMessage(hWnd, WM_WININICHANGE);
    EXPECT_EQ(events, (std::vector<QString>{"InitPopupMenu 1", "ItemHighlight 4 1 0", "MenuExit", "MenuExit",
                                            "WinIniChange"}));
    EXPECT_FALSE(menu->item(4).bIsEnabled);
    EXPECT_EQ(menu->count(), 6);
    EXPECT_EQ(menu->MenuIndex(QStringLiteral("mnuAjuda")), 6);
}

// The desktop's menu font for a test, and the earlier one back afterwards.
struct DesktopMenuFont {
    QFont before = QApplication::font("QMenu");
    explicit DesktopMenuFont(int pixels, int weight = 400)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setWeight(static_cast<QFont::Weight>(weight));
        QApplication::setFont(font, "QMenu");
    }
    ~DesktopMenuFont() { QApplication::setFont(before, "QMenu"); }
};

TEST(NCMetrics, FontsComeFromTheDesktopsDescriptions)
{
    const struct {
        int height;
        double points;
    } sizes[] = {{-11, 8.25}, {0, 8}, {13, 13}};
    for (const auto& s : sizes) {
        const FontDescription described{.faceName = QStringLiteral("Arial"), .height = s.height};
        EXPECT_DOUBLE_EQ(described.object().pointSizeF(), s.points) << s.height;
    }

    const struct {
        int weight;
        int boldened;
        bool bold;
    } weights[] = {{400, 700, false}, {600, 700, true}, {700, 900, true}, {900, 900, true}};
    for (const auto& w : weights) {
        const DesktopMenuFont desktop(11, w.weight);
        cNCMetrics metrics;
        ASSERT_TRUE(metrics.GetMetrics());
        EXPECT_EQ(metrics.BoldenedFontHandle(eFontNum::Menu).weight(), w.boldened) << w.weight;
        const QFont object = metrics.Font(eFontNum::Menu);
        EXPECT_EQ(object.bold(), w.bold) << w.weight;
        EXPECT_DOUBLE_EQ(object.pointSizeF(), 8.25);
        EXPECT_EQ(object.family(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(metrics.FontHandle(eFontNum::Menu).pixelSize(), 11);
    }
}

// The menus measure in the desktop's menu font as it was last read: a change reaches them
// with the message that tells of changed settings.
TEST_F(Menus, TheItemsFollowTheDesktopsMenuFontWhenItsSettingsChange)
{
    const int before = menu->ItemHeight();
    const DesktopMenuFont desktop(30);
    DeviceContext dc(1, 1);
    dc.selectFont(QApplication::font("QMenu"));
    ASSERT_GT(dc.lineHeight() + 6, before);
    int w = 0;
    int h = 0;
    menu->MeasureMenuItem(MenuItemID(arquivo->menuAction()), w, h);
    const int narrow = w;

    SendMessage(hWnd, WM_WININICHANGE);
    EXPECT_EQ(menu->ItemHeight(), dc.lineHeight() + 6);
    menu->MeasureMenuItem(MenuItemID(arquivo->menuAction()), w, h);
    EXPECT_GT(w, narrow);
}

TEST(PopMenuProperties, TheSetIsWrittenInOrderWithoutItsDefaultsAndReadBack)
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::green);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    PopMenu designed;
    designed.setOfficeXpStyle(true);
    designed.setActiveMenuForeColor(0);
    designed.setMenuBackgroundColor(0xFFFFFF);
    designed.setBackgroundPicture(Picture::bitmap(tile));
    designed.setFont(tahoma);
    PropertyBag bag;
    designed.UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"OfficeXpStyle", "ActiveMenuForeColor", "MenuBackgroundColor",
                                        "BackgroundPicture", "Font"}));

    PopMenu loaded;
    loaded.UserControl_ReadProperties(bag);
    EXPECT_TRUE(loaded.OfficeXpStyle());
    EXPECT_EQ(loaded.ActiveMenuForeColor(), 0u);
    EXPECT_EQ(loaded.InActiveMenuForeColor(), systemColour(COLOR_MENUTEXT));
    EXPECT_EQ(loaded.MenuBackgroundColor(), 0xFFFFFFu);
    EXPECT_EQ(loaded.BackgroundPicture(), designed.BackgroundPicture());
    EXPECT_EQ(loaded.Font().family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(loaded.Font().pointSizeF(), 8.25);

    // Nothing stored: the defaults, and the desktop's menu font rather than none.
    PopMenu fresh;
    fresh.UserControl_ReadProperties(PropertyBag());
    EXPECT_FALSE(fresh.OfficeXpStyle());
    EXPECT_EQ(fresh.ActiveMenuForeColor(), systemColour(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(fresh.MenuBackgroundColor(), systemColour(COLOR_MENU));
    EXPECT_TRUE(fresh.BackgroundPicture().isNull());
    cNCMetrics desktop;
    desktop.GetMetrics();
    EXPECT_EQ(fresh.Font(), desktop.Font(eFontNum::Menu));
    PropertyBag again;
    fresh.UserControl_WriteProperties(again);
    EXPECT_EQ(again.names(), QStringList{"Font"});
}

// A picture of 3 x 5 pixels, each of its own colour, tiled behind the items of the
// classic look: the grid is anchored at the menu's top, so it runs on from item to item.
TEST_F(Menus, ABackgroundPictureIsTiledBehindThePopupItems)
{
    QImage tile(3, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(10 + 40 * x, 10 + 40 * y, 200));
    menu->setMenuBackgroundColor(0xFFFFFF);
    menu->setBackgroundPicture(Picture::bitmap(tile));
    const auto shown = [this] {
        arquivo->popup(QPoint(0, 0));
        const QImage image = arquivo->grab().toImage();
        arquivo->hide();
        return image;
    };

    const QImage tiled = shown();
    for (QAction* item : {imprimir, form_}) {
        const QRect r = arquivo->actionGeometry(item);
        for (const QPoint at : {QPoint(r.width() - 4, 0), QPoint(r.width() - 5, 1), QPoint(r.width() - 9, 0)}) {
            const QPoint inMenu = r.topLeft() + at;
            EXPECT_EQ(tiled.pixel(inMenu), tile.pixel(at.x() % 3, inMenu.y() % 5))
                << item->objectName().toStdString() << " at " << at.x() << "," << at.y();
        }
    }

    menu->setBackgroundPicture(Picture());
    EXPECT_TRUE(menu->BackgroundPicture().isNull());
    const QRect r = arquivo->actionGeometry(form_);
    EXPECT_EQ(fromQRgb(shown().pixel(r.left() + r.width() - 4, r.top())), 0xFFFFFFu);
}

TEST(PopMenuGate, AControlThatTakesNoPartLeavesTheMenusToTheStyle)
{
    QWidget form;
    const WindowHandle hWnd = CreateWindowHandle(&formProcedure, &form);
    auto* bar = new OwnerDrawnMenuBar(&form);
    auto* owned = new OwnerDrawnMenu(QStringLiteral("&Arquivo"), bar);
    bar->addMenu(owned);
    QAction* item = owned->addAction(QStringLiteral("&Item"));
    item->setShortcut(Qt::Key_F5);
    QMenu plain(QStringLiteral("&Arquivo"));
    plain.addAction(QStringLiteral("&Item"))->setShortcut(Qt::Key_F5);

    PopMenu menu;
    menu.Load(hWnd, false);
    menu.SubClassMenu(bar);
    EXPECT_FALSE(menu.attached());
    EXPECT_EQ(menu.count(), 0);
    EXPECT_TRUE(EnumProps(hWnd).empty());
    EXPECT_EQ(GetWindowProcedure(hWnd), &formProcedure);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(owned->sizeHint(), plain.sizeHint());
}

TEST(PopMenuImages, TheIconSizeFollowsTheImageList)
{
    PopMenu menu;
    const HImageList empty = ImageList_Create(16, 16, ILC_MASK | 32, 1, 1);
    menu.setImageList(empty);
    EXPECT_EQ(menu.IconSize(), 0);
    const HImageList icons = ImageList_Create(20, 20, ILC_MASK | 32, 1, 1);
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ImageList_AddIcon(icons, Icon{picture, QPoint(), true});
    menu.setImageList(icons);
    EXPECT_EQ(menu.IconSize(), 20);
    ImageList_Destroy(empty);
    ImageList_Destroy(icons);
}

// The Office XP look as the menu shows it: the icon column, the selection with its outline,
// the icon, the check box with its mark and the radio bullet.
TEST_F(Menus, TheOfficeXpLookPaintsTheItemsItself)
{
    const HImageList icons = ImageList_Create(16, 16, ILC_MASK | 32, 1, 1);
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 200));
    ImageList_AddIcon(icons, Icon{picture, QPoint(), true});
    menu->setImageList(icons);
    menu->setOfficeXpStyle(true);
    menu->setMenuBackgroundColor(0xFFFFFF);
    menu->setActiveMenuForeColor(0);
    menu->setInActiveMenuForeColor(0);
    menu->setItemIcon(QStringLiteral("mnuImprimir(0)"), 0);
    form_->setCheckable(true);
    form_->setChecked(true);
    menu->setItemRadio(QStringLiteral("mnuForm"));

    arquivo->popup(QPoint(0, 0));
    arquivo->setActiveAction(imprimir);
    const QImage shown = arquivo->grab().toImage();
    arquivo->hide();
    const auto pixel = [&shown](const QRect& item, int x, int y) {
        return fromQRgb(shown.pixel(item.left() + x, item.top() + y));
    };

    const QRect hot = arquivo->actionGeometry(imprimir);
    const int mid = hot.height() / 2;
    EXPECT_EQ(pixel(hot, 1, mid), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(hot, hot.width() - 3, mid), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(hot, hot.height() + 4, mid), XpSelectionColour(0xFFFFFF));
    // The icon lifted one pixel up and left, over its shadow.
    const int x = 1 + (hot.height() - 2 + 1 - 16) / 2;
    const int y = 1 + (hot.height() - 1 + 1 - 16) / 2;
    EXPECT_EQ(pixel(hot, x - 1, y - 1), rgbColour(0, 0, 200));
    EXPECT_EQ(pixel(hot, x + 15, y + 15), GetSysColor(COLOR_BTNSHADOW));

    const QRect radio = arquivo->actionGeometry(form_);
    EXPECT_EQ(pixel(radio, 1, 1), XpIconColumnColour(0xFFFFFF));
    EXPECT_EQ(pixel(radio, 2, 2), GetSysColor(COLOR_HIGHLIGHT));  // the check box outline
    EXPECT_EQ(pixel(radio, 3, 3), XpCheckBoxColour(0xFFFFFF));
    const int cx = 1 + (radio.height() - 2) / 2;
    const int cy = 1 + (radio.height() - 1) / 2;
    EXPECT_EQ(pixel(radio, cx - 1, cy - 1), 0u);  // the bullet
    EXPECT_EQ(pixel(radio, radio.width() - 20, mid), 0xFFFFFFu);
    ImageList_Destroy(icons);
}

TEST(MenuColours, BlendsLighterColoursAndTheXpSelection)
{
    EXPECT_EQ(BlendColour(0x000000, 0xFFFFFF, 128), rgbColour(127, 127, 127));
    EXPECT_EQ(BlendColour(0x0000FF, 0x00FF00, 255), 0x0000FFu);
    const ColourRef highlight = GetSysColor(COLOR_HIGHLIGHT);
    const auto mix = [](int a, int b) { return static_cast<int>(std::nearbyint(80 * a / 255.0 + 175 * b / 255.0)); };
    EXPECT_EQ(XpSelectionColour(0xFFFFFF),
              rgbColour(mix(redOf(highlight), 255), mix(greenOf(highlight), 255), mix(blueOf(highlight), 255)));

    const Hls red = RGBToHLS(255, 0, 0);
    EXPECT_FLOAT_EQ(red.h, 0);
    EXPECT_FLOAT_EQ(red.l, 0.5f);
    EXPECT_EQ(HLSToRGB(red.h, red.s, red.l), 0x0000FFu);
    EXPECT_EQ(HLSToRGB(4.0f, 1.0f, 0.5f), 0xFF0000u);  // blue, BBGGRR

    LighterColourCache lighter;
    EXPECT_EQ(lighter.LighterColour(rgbColour(100, 100, 100)), rgbColour(120, 120, 120));
    EXPECT_EQ(lighter.LighterColour(0xFFFFFF), rgbColour(204, 204, 204));
    EXPECT_FLOAT_EQ(MaxOfThree(1, 3, 2), 3);
    EXPECT_FLOAT_EQ(MinOfThree(2, 1, 3), 1);
}

}  // namespace
