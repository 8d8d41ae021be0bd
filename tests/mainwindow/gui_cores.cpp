// The colour schemes: the menu, the double click on the keypad frame and the load.

#include "bancada.h"

#include "controls/xpbutton.h"
#include "mainwindow/frameteclado.h"
#include "mainwindow/visorfita.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

QColor rgb(Cor cor)
{
    return QColor(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}

struct Esquema {
    const char* item;
    Cor janela, teclado, fita, visor, operador, sobre;
};
// The keypad frame of Padrão and Marrom is the system's button face.
constexpr Cor kFace = 0xC8D0D4;
constexpr Esquema kPadrao{"mnuCor1", 0xE0E0E0, kFace, 0xFFFFFF, 0xFFFFC0, 0xC0C0C0, 0xC0C0C0};
constexpr Esquema kMarrom{"mnuCor2", 0xE0E0E0, kFace, 0x80C0FF, 0xC0E0FF, 0xC0C0C0, 0xC0C0C0};
constexpr Esquema kVerde{"mnuCor3", 0xE0E0E0, 0xC0FFC0, 0xC0FFC0, 0x80FF80, 0xFFFF80, 0xFFFF80};
constexpr Esquema kRosa{"mnuCor4", 0xFFC0FF, 0xFF80FF, 0xC0FFFF, 0xFFFFFF, 0x80C0FF, 0xC0E0FF};

// The window shows the scheme: its item alone ticked and every coloured element in it.
void mostra(Bancada& b, const Esquema& e)
{
    SCOPED_TRACE(e.item);
    JanelaCalcula& j = *b.janela();
    frmCalcula& f = b.form();
    for (const char* item : {"mnuCor1", "mnuCor2", "mnuCor3", "mnuCor4"})
        EXPECT_EQ(j.acao(QString::fromLatin1(item))->isChecked(), qstrcmp(item, e.item) == 0) << item;
    EXPECT_EQ(j.centralWidget()->palette().color(QPalette::Window), rgb(e.janela));
    EXPECT_EQ(static_cast<FrameTeclado*>(j.fraTeclado())->backColor(), rgb(e.teclado));
    EXPECT_EQ(f.txtFita.BackColor(), e.fita);
    EXPECT_EQ(j.txtFita()->palette().color(QPalette::Base), rgb(e.fita));
    EXPECT_EQ(j.lblVisor(3)->palette().color(QPalette::Window), rgb(e.visor));
    EXPECT_EQ(j.lblVisor(1)->palette().color(QPalette::Window), rgb(e.visor));
    for (const KeyButton* k : {&f.chkDividir, &f.chkVezes, &f.chkMenos, &f.chkMais}) {
        EXPECT_EQ(j.botao(*k)->BackColor(), e.operador);
        EXPECT_EQ(j.botao(*k)->BackOver(), e.sobre);
    }
    // The other keys keep their colours in every scheme.
    EXPECT_EQ(j.botao(f.chkNum[5])->BackColor(), 0x8000000Fu);
}

// A double click as the platform delivers it: a click, then a press, the double click and
// its release.
void duploClique(QWidget* alvo, QPoint ponto)
{
    QTest::mouseClick(alvo, Qt::LeftButton, {}, ponto);
    QTest::mousePress(alvo, Qt::LeftButton, {}, ponto);
    QTest::mouseDClick(alvo, Qt::LeftButton, {}, ponto);
    QTest::mouseRelease(alvo, Qt::LeftButton, {}, ponto);
}

class Cores : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QTemporaryDir pasta;
};

TEST_F(Cores, FourDoubleClicksOnTheKeypadFrameCycleTheSchemesAndReturn)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    mostra(b, kPadrao);
    // The frame's own background, left of and above the keys.
    const QPoint fundo(2, 5);
    ASSERT_EQ(j.fraTeclado()->childAt(fundo), nullptr);

    for (const Esquema* e : {&kMarrom, &kRosa, &kVerde, &kPadrao}) {
        duploClique(j.fraTeclado(), fundo);
        mostra(b, *e);
        EXPECT_EQ(b.conf(QStringLiteral("Cor")), QString(QLatin1Char(e->item[6])));
    }
    // Each double click beeps once, through the click that comes before it.
    EXPECT_EQ(b.bipes, 4);
    // A click on a key is the key's, not the frame's.
    QTest::mouseClick(j.botao(b.form().chkNum[5]), Qt::LeftButton);
    EXPECT_EQ(b.bipes, 4);
}

TEST_F(Cores, TheMenuAppliesASchemeWhateverCameBeforeAndSavesItEveryTime)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    b.abrir();
    for (const Esquema* e : {&kVerde, &kMarrom, &kRosa, &kMarrom, &kMarrom}) {
        b.comando(QString::fromLatin1(e->item));
        mostra(b, *e);
    }
    usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QStringLiteral("x"));
    b.comando(QStringLiteral("mnuCor2"));
    EXPECT_EQ(b.conf(QStringLiteral("Cor")), QStringLiteral("2"));
}

TEST_F(Cores, TheLoadAppliesTheSavedSchemeAndAnythingElseKeepsTheDesign)
{
    const std::pair<const char*, const Esquema*> casos[] = {
        {"3", &kVerde}, {"4", &kRosa}, {"1", &kPadrao}, {"9", &kPadrao}, {nullptr, &kPadrao}};
    for (const auto& [guardado, esquema] : casos) {
        SCOPED_TRACE(guardado ? guardado : "(none)");
        QTemporaryDir casa;
        Usuario usuario(casa.path());
        if (guardado)
            usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QString::fromLatin1(guardado));
        Bancada b(usuario);
        b.abrir();
        mostra(b, *esquema);
        EXPECT_EQ(b.conf(QStringLiteral("Cor")), guardado ? QString::fromLatin1(guardado) : QStringLiteral("<none>"));
    }
    // The mini window keeps the designed colours.
    QTemporaryDir casa;
    Usuario usuario(casa.path());
    usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QStringLiteral("3"));
    Bancada mini(usuario, {QStringLiteral("mini")});
    mini.abrir();
    EXPECT_EQ(mini.form().txtFita.BackColor(), kPadrao.fita);
}

}  // namespace
