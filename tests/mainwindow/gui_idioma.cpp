// The four languages of the window's menus, its title and the tray menu.

#include "bancada.h"

#include "host/texto.h"
#include "host/ui/frmsystray.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QStringList kSoPortugues = {QStringLiteral("mnuCheque"), QStringLiteral("mnuPromissoria"),
                                  QStringLiteral("mnuExtenso"), QStringLiteral("mnuConverte")};

QString legenda(JanelaCalcula& j, const QString& item)
{
    if (QMenu* menu = j.menu(item))
        return menu->title();
    return j.acao(item) ? j.acao(item)->text() : QStringLiteral("<no item>");
}

class Idioma : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QTemporaryDir pasta;
};

TEST_F(Idioma, EachLanguageCaptionsTheMenusTheTitleAndTheTrayAndOnlyPortugueseShowsFourCommands)
{
    struct Caso {
        const char* item;
        int idioma;
        // Captions the catalogue does not hold, and some it does.
        const char *peso, *colar, *opcoes, *enter, *salvar;
    };
    const Caso casos[] = {
        {"mnuEnglish", 2, "Ideal Weight", "&Paste", "&Options", "\"ENTER\" Key &Function", "&Save in File"},
        {"mnuSpanish", 3, "Ideal Weight", "&Paste", "&Opciones", "&Función de la Tecla \"ENTER\"", "&Guardar en Archivo"},
        {"mnuFrench", 4, "Ideal Weight", "&Paste", "&Options", "&Fonction de la touche \"ENTRÉE\"",
         "&Enregistrer dans un fichier"},
        {"mnuPortuguese", 1, "Calcular Peso Ideal (IMC)", "Colar no &Visor", "&Opções", "&Função da Tecla \"ENTER\"",
         "&Salvar em Arquivo"},
    };
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.item);
        b.comando(QString::fromLatin1(caso.item));
        EXPECT_EQ(globais().gIdioma, caso.idioma);
        const QStringList idiomas = {QStringLiteral("mnuPortuguese"), QStringLiteral("mnuEnglish"),
                                     QStringLiteral("mnuSpanish"), QStringLiteral("mnuFrench")};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(j.acao(idiomas[i])->isChecked(), i + 1 == caso.idioma) << idiomas[i].toStdString();
        for (const QString& item : kSoPortugues)
            EXPECT_EQ(j.acao(item)->isVisible(), caso.idioma == 1) << item.toStdString();

        EXPECT_EQ(legenda(j, QStringLiteral("mnuPeso")), QString::fromUtf8(caso.peso));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuColar")), QString::fromUtf8(caso.colar));
        EXPECT_EQ(legenda(j, QStringLiteral("mnu1")), QString::fromUtf8(caso.opcoes));
        EXPECT_EQ(legenda(j, QStringLiteral("mnu4")), QString::fromUtf8(caso.enter));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuSalvar")), QString::fromUtf8(caso.salvar));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuInserir")), caso.idioma == 1
                                                                 ? QStringLiteral("&Inserir Texto Durante o Cálculo")
                                                                 : QStringLiteral("&Insert Text While Calculate"));
        // Every other catalogue caption, and the names of the languages, which never change.
        EXPECT_EQ(legenda(j, QStringLiteral("mnuImprimir(2)")), fTexto(102));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuNumLock")), fTexto(216));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuFicar")), fTexto(105));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuFrench")), QStringLiteral("&Français"));
        EXPECT_EQ(legenda(j, QStringLiteral("mnuBeep")), QStringLiteral("&Beep, Beep..."));
        EXPECT_EQ(legenda(j, QStringLiteral("mnu9")), QStringLiteral("?"));
        EXPECT_EQ(j.windowTitle(), QStringLiteral(" Tarvelo"));
        EXPECT_EQ(b.host->mnuSair()->text(), fTexto(87));
    }
    // Chosen from the menu, saved at close.
    EXPECT_EQ(b.conf(QStringLiteral("Idioma")), QStringLiteral("<none>"));
}

TEST_F(Idioma, StockDialogTextsFollowTheLanguageMenu)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    const auto qt = [](const char* texto) { return QCoreApplication::translate("QPlatformTheme", texto); };
    struct Caso {
        const char* item;
        const char *sim, *cancelar, *salvar;
    } casos[] = {
        {"mnuSpanish", "&Sí", "Cancelar", "Guardar"},
        {"mnuFrench", "&Oui", "Annuler", "Enregistrer"},
        {"mnuEnglish", "&Yes", "Cancel", "Save"},
        {"mnuPortuguese", "&Sim", "Cancelar", "Salvar"},
    };
    for (const Caso& c : casos) {
        b.comando(QString::fromLatin1(c.item));
        EXPECT_EQ(qt("&Yes"), QString::fromUtf8(c.sim)) << c.item;
        EXPECT_EQ(qt("Cancel"), QString::fromUtf8(c.cancelar)) << c.item;
        EXPECT_EQ(qt("Save"), QString::fromUtf8(c.salvar)) << c.item;
    }
}

TEST_F(Idioma, TheLoadAppliesTheLanguageButLeavesTheTrayToTheHost)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario, {QString(), 2});
    const QString bandeja = b.host->mnuSair()->text();
    JanelaCalcula& j = b.abrir();
    EXPECT_TRUE(j.acao(QStringLiteral("mnuEnglish"))->isChecked());
    EXPECT_FALSE(j.acao(QStringLiteral("mnuPortuguese"))->isChecked());
    EXPECT_FALSE(j.acao(QStringLiteral("mnuExtenso"))->isVisible());
    EXPECT_EQ(legenda(j, QStringLiteral("mnuConfig")), QStringLiteral("&Settings"));
    EXPECT_EQ(b.host->mnuSair()->text(), bandeja);
}

TEST_F(Idioma, TheZeroFormatCaptionsFollowTheDecimalSymbol)
{
    for (const bool americano : {false, true}) {
        SCOPED_TRACE(americano ? "point" : "comma");
        QTemporaryDir casa;
        Usuario usuario(casa.path());
        Bancada b(usuario, {QString(), 1, americano});
        JanelaCalcula& j = b.abrir();
        // As designed, with a comma whatever the symbol, until a language is chosen.
        EXPECT_EQ(legenda(j, QStringLiteral("mnuNumeral(30)")), QStringLiteral("0,000"));
        b.comando(QStringLiteral("mnuPortuguese"));
        const QString simbolo = americano ? QStringLiteral(".") : QStringLiteral(",");
        for (int casas = 1; casas <= 8; ++casas)
            EXPECT_EQ(legenda(j, QStringLiteral("mnuNumeral(%1)").arg(casas * 10)),
                      QStringLiteral("0") + simbolo + QString(casas, QLatin1Char('0')));
    }
}

}  // namespace
