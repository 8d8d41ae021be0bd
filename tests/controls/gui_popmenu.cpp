#include "controls/controlerror.h"
#include "controls/menucolours.h"
#include "controls/popmenu.h"
#include "host/globais.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// Two menus: "&Arquivo" with an item with a shortcut, a separator and a third item;
// "&Ajuda" with one item. A hidden item and a control array in between.
struct Menus : ::testing::Test {
    QMenuBar bar;
    QMenu* arquivo = bar.addMenu(QStringLiteral("&Arquivo"));
    QMenu* ajuda = bar.addMenu(QStringLiteral("&Ajuda"));
    PopMenu menu;

    void SetUp() override
    {
        arquivo->setObjectName(QStringLiteral("mnu1"));
        ajuda->setObjectName(QStringLiteral("mnu9"));
        add(arquivo, "mnuImprimir(0)", "Imprimir com fonte &Pequena", QKeySequence(Qt::CTRL | Qt::Key_P));
        arquivo->addSeparator();
        add(arquivo, "mnuOculto", "Oculto")->setVisible(false);
        add(arquivo, "mnuForm", "Formato do &Número");
        add(ajuda, "mnuAjuda", "&Ajuda", QKeySequence(Qt::Key_F1));
        menu.SubClassMenu(&bar);
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
    ASSERT_EQ(menu.count(), 6);
    const char* keys[] = {"mnu1", "mnuImprimir(0)", "", "mnuForm", "mnu9", "mnuAjuda"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(menu.item(n).sItemKey, QString::fromLatin1(keys[n - 1])) << n;
    EXPECT_EQ(menu.item(1).hParentPopup, 0u);
    EXPECT_EQ(menu.item(5).hParentPopup, 0u);
    EXPECT_EQ(menu.item(2).hParentPopup, reinterpret_cast<quintptr>(arquivo));
    EXPECT_EQ(menu.item(6).hOwnerMenu, reinterpret_cast<quintptr>(ajuda));

    const MenuItemRecord& imprimir = menu.item(2);
    EXPECT_EQ(imprimir.sText, QStringLiteral("Imprimir com fonte &Pequena"));
    EXPECT_EQ(imprimir.sShortcut, QKeySequence(Qt::CTRL | Qt::Key_P).toString(QKeySequence::NativeText));
    EXPECT_EQ(imprimir.sAccessKey, QStringLiteral("P"));
    EXPECT_EQ(menu.item(3).sText, QStringLiteral("-"));
    EXPECT_EQ(menu.item(4).sAccessKey, QStringLiteral("N"));
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
    EXPECT_EQ(menu.MenuIndex(QStringLiteral("mnuForm")), 4);
    EXPECT_EQ(menu.MenuIndex(2), 2);
    EXPECT_EQ(menu.MenuIndex(QStringLiteral("3")), 3);
    EXPECT_EQ(CurrentError().number, 0);
    for (const QVariant& key : {QVariant(0), QVariant(7), QVariant(QStringLiteral("mnuform"))}) {
        ClearError();
        EXPECT_EQ(menu.MenuIndex(key), -1) << key.toString().toStdString();
        EXPECT_EQ(CurrentError().number, 9);
        EXPECT_EQ(CurrentError().source, QStringLiteral("tarvelo.cPopMenu"));
    }
    EXPECT_EQ(menu.ItemIcon(0), 0);
}

TEST_F(Menus, KeyedPropertiesChangeTheirRecord)
{
    menu.setItemIcon(QStringLiteral("mnuForm"), 37);
    EXPECT_EQ(menu.ItemIcon(QStringLiteral("mnuForm")), 37);
    menu.setItemRadio(QStringLiteral("mnuImprimir(0)"));
    EXPECT_EQ(menu.ItemRadio(QStringLiteral("mnuImprimir(0)")), -1);
    EXPECT_EQ(menu.ItemRadio(QStringLiteral("mnuForm")), 0);
    menu.setEnabled(QStringLiteral("mnuAjuda"), false);
    EXPECT_FALSE(menu.item(6).action->isEnabled());
    menu.item(6).action->setEnabled(true);
    EXPECT_TRUE(menu.Enabled(QStringLiteral("mnuAjuda")));
    menu.setItemIcon(QStringLiteral("nada"), 3);
    EXPECT_EQ(CurrentError().number, 9);
}

TEST_F(Menus, MeasuringHeightsSeparatorsAndTheShortcutColumn)
{
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    const QFontMetrics metrics(font);
    menu.RefreshMetrics(font);
    EXPECT_EQ(menu.ItemHeight(), std::max(metrics.height() + 6, 22));

    int w = 0;
    int h = 0;
    menu.MeasureMenuItem(3, font, 20, w, h);
    EXPECT_EQ(w, 32);
    EXPECT_EQ(h, 8);
    menu.setOfficeXpStyle(true);
    menu.MeasureMenuItem(3, font, 20, w, h);
    EXPECT_EQ(h, 3);

    // The widest caption by pixels, not by characters.
    const int caption = std::max(metrics.horizontalAdvance(QStringLiteral("Imprimir com fonte Pequena")),
                                 metrics.horizontalAdvance(QStringLiteral("Formato do Número")));
    const int shortcut = metrics.horizontalAdvance(menu.item(2).sShortcut);
    menu.MeasureMenuItem(4, font, 20, w, h);
    EXPECT_EQ(h, menu.ItemHeight() + 2);
    EXPECT_EQ(menu.item(2).lItemWidth, 32 + caption + 1 + 4);
    EXPECT_EQ(menu.item(4).lItemWidth, 32 + caption + 1 + 4);
    EXPECT_EQ(w, 32 + caption + 1 + shortcut + 16);

    menu.MeasureMenuItem(1, font, 20, w, h);
    EXPECT_EQ(h, 20);
    EXPECT_EQ(w, metrics.horizontalAdvance(QStringLiteral("Arquivo")) + 2);
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
