// The window's menus, title and tray menu in the interface language.

#include "mainwindow/janelacalcula.h"

#include "controls/controlerror.h"
#include "host/globais.h"
#include "host/texto.h"
#include "host/ui/frmsystray.h"
#include "platform/numbermask.h"

namespace tarvelo {
namespace {

// The items captioned from the text catalogue, by topic, in the order they are set.
struct ItemTopico {
    const char* item;
    int topico;
};
constexpr ItemTopico kTopicos[] = {
    {"mnu1", 88},           {"mnuOutra", 89},        {"mnuWindows", 90},      {"mnuData", 91},
    {"mnuTempo", 92},       {"mnuJuro", 93},         {"mnuCopiar", 94},       {"mnuUndo", 217},
    {"mnuRedo", 219},       {"mnuUtil", 83},         {"mnuFita", 96},         {"mnuEditar", 97},
    {"mnuLocalizar", 98},   {"mnuLimpar", 99},       {"mnuMostraBack", 169},  {"mnuBackup", 170},
    {"mnuImprimir(0)", 100}, {"mnuImprimir(1)", 101}, {"mnuImprimir(2)", 102}, {"mnuConfig", 103},
    {"mnuOcultar", 104},    {"mnuFicar", 105},       {"mnuSystray", 11},      {"mnuMonit", 106},
    {"mnuVisivel", 107},    {"mnuForm", 108},        {"mnuNumeral(0)", 109},  {"mnuNumeral(1)", 110},
    {"mnuNumeral(2)", 111}, {"mnuEsquema", 112},     {"mnuCor1", 113},        {"mnuCor2", 114},
    {"mnuCor3", 115},       {"mnuCor4", 116},        {"mnuSomEscolher", 117}, {"mnuSemSom", 118},
    {"mnuSom", 120},        {"mnuIdioma", 121},      {"mnu4", 122},           {"mnuEnter", 123},
    {"mnuIgual", 124},      {"mnuAjuda", 125},       {"mnuCalc", 126},        {"mnuEmail", 128},
    {"mnuAgrupar", 174},    {"mnuMatricial", 175},   {"mnuRegra", 177},       {"mnuGrande", 214},
    {"mnuNumLock", 216},
};

// Captions the catalogue does not hold: the same in every language, or Portuguese and one
// English text for the other three.
struct ItemFixo {
    const char* item;
    const char* portugues;
    const char* outros;
};
constexpr ItemFixo kFixos[] = {
    {"mnuPeso", "Calcular Peso Ideal (IMC)", "Ideal Weight"},
    {"mnuInserir", "&Inserir Texto Durante o Cálculo", "&Insert Text While Calculate"},
    {"mnuColar", "Colar no &Visor", "&Paste"},
    {"mnuHotKey", "&HotKeys (CTRL + Teclado Numérico)", "&HotKeys (CTRL + Numeric Keyboard)"},
    {"mnu9", "?", "?"},
    {"mnuPortuguese", "&Português", "&Português"},
    {"mnuEnglish", "&English", "&English"},
    {"mnuSpanish", "E&spañol", "E&spañol"},
    {"mnuFrench", "&Français", "&Français"},
    {"mnuBeep", "&Beep, Beep...", "&Beep, Beep..."},
    {"mnuXP", "Office &XP menu", "Office &XP menu"},
};

// The menu icons, by item, as numbers of the window's image list.
struct IconeItem {
    const char* item;
    int imagem;
};
constexpr IconeItem kIcones[] = {
    {"mnuOutra", 1},        {"mnuWindows", 2},      {"mnuData", 3},         {"mnuTempo", 4},
    {"mnuJuro", 5},         {"mnuRegra", 6},        {"mnuCopiar", 7},       {"mnuExtenso", 8},
    {"mnuCheque", 9},       {"mnuPromissoria", 10}, {"mnuUtil", 11},        {"mnuFita", 12},
    {"mnuEditar", 13},      {"mnuLocalizar", 14},   {"mnuAgrupar", 15},     {"mnuLimpar", 16},
    {"mnuBackup", 17},      {"mnuMostraBack", 18},  {"mnuImprimir(0)", 19}, {"mnuImprimir(1)", 20},
    {"mnuImprimir(2)", 21}, {"mnuSomEscolher", 22}, {"mnuBeep", 22},        {"mnuSemSom", 23},
    {"mnuSom", 24},         {"mnuIdioma", 25},      {"mnuPortuguese", 26},  {"mnuEnglish", 27},
    {"mnuSpanish", 28},     {"mnu4", 29},           {"mnuEnter", 30},       {"mnuIgual", 31},
    {"mnuAjuda", 32},       {"mnuCalc", 33},        {"mnuEmail", 35},       {"mnuForm", 37},
    {"mnuEsquema", 38},     {"mnuMatricial", 39},   {"mnuSalvar", 40},      {"mnuConverte", 41},
    {"mnuUndo", 42},        {"mnuRedo", 43},        {"mnuFrench", 44},      {"mnuPeso", 45},
    {"mnuColar", 46},
};

// The number formats and the colour schemes are each one choice among their items.
constexpr const char* kRadios[] = {
    "mnuNumeral(0)",  "mnuNumeral(1)",  "mnuNumeral(2)",  "mnuNumeral(10)", "mnuNumeral(20)",
    "mnuNumeral(30)", "mnuNumeral(40)", "mnuNumeral(50)", "mnuNumeral(60)", "mnuNumeral(70)",
    "mnuNumeral(80)", "mnuCor1",        "mnuCor2",        "mnuCor3",        "mnuCor4",
};

}  // namespace

void JanelaCalcula::AplicarIdioma(bool manterLegendas)
{
    const Globais& g = globais();
    // At load the host captioned its tray menu when it started.
    if (form_.Visible)
        host_.fTraduzir(false);
    // A second calculator keeps the caption its load gave it; the mini window's caption
    // is its display.
    if (primeiraCalculadora() && !form_.ModoMini)
        form_.setCaption(QStringLiteral(" Tarvelo"));

    if (!manterLegendas) {
        const bool portugues = g.gIdioma == 1;
        // Amounts in words and the converter exist in Portuguese only.
        for (MenuItem* item : {&mnuCheque, &mnuPromissoria, &mnuExtenso, &mnuConverte})
            item->setVisible(portugues);

        auto legendar = [this](const QString& nome, const QString& legenda) {
            if (MenuItem* item = itemMenu(nome))
                item->setCaption(legenda);
        };
        for (const ItemFixo& f : kFixos)
            legendar(QString::fromLatin1(f.item), QString::fromUtf8(portugues ? f.portugues : f.outros));
        for (const ItemTopico& t : kTopicos)
            legendar(QString::fromLatin1(t.item), fTexto(t.topico));
        legendar(QStringLiteral("mnuSalvar"), QLatin1Char('&') + fTexto(208));
        // Zero with one to eight decimals, in the decimal symbol of the moment.
        for (int casas = 1; casas <= 8; ++casas) {
            const QString mascara = QStringLiteral("0.") + QString(casas, QLatin1Char('0'));
            legendar(QStringLiteral("mnuNumeral(%1)").arg(casas * 10), formatNumber(0.0, mascara));
        }
    }
    // The owner-drawn menus read the captions as they now are: every change of language
    // sets them up again. The menu control takes part only in the first calculator's
    // normal window while Conf/"MenuXP" is True (see Form_Load).
    if (PopMenu1.attached()) {
        carregarIcones();
        PopMenu1.setImageList(Image1.hIml());
        PopMenu1.SubClassMenu(menuBar());
        for (const IconeItem& i : kIcones)
            PopMenu1.setItemIcon(QString::fromLatin1(i.item), i.imagem);
        for (const char* item : kRadios)
            PopMenu1.setItemRadio(QString::fromLatin1(item));
    }
}

void JanelaCalcula::carregarIcones()
{
    if (Image1.hIml() != 0 && Image1.ImageCount() > 0)
        return;
    try {
        if (Image1.Create())
            Image1.LoadFromFile(QStringLiteral(":/menuicons.til"));
    } catch (const ControlError&) {
        // Menus without icons are still menus.
    }
}

void JanelaCalcula::mnuPortuguese_Click() { escolherIdioma(1); }
void JanelaCalcula::mnuEnglish_Click() { escolherIdioma(2); }
void JanelaCalcula::mnuSpanish_Click() { escolherIdioma(3); }
void JanelaCalcula::mnuFrench_Click() { escolherIdioma(4); }

void JanelaCalcula::escolherIdioma(int idioma)
{
    mnuPortuguese.setChecked(idioma == 1);
    mnuEnglish.setChecked(idioma == 2);
    mnuSpanish.setChecked(idioma == 3);
    mnuFrench.setChecked(idioma == 4);
    globais().gIdioma = idioma;
    traduzirDialogos(idioma);
    AplicarIdioma(false);
}

}  // namespace tarvelo
