// The calculator window driven as the user drives it: keys, clicks, menus, close and the
// next start, on the offscreen platform.

#include "programateste.h"

#include "calc/linhafita.h"
#include "controls/xpbutton.h"
#include "mainwindow/frameteclado.h"
#include "mainwindow/geometria.h"
#include "mainwindow/mapafita.h"
#include "mainwindow/visorfita.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// The tape after its dated header (the header's two lines).
QString semCabecalho(const QString& fita)
{
    const qsizetype fim = fita.indexOf(QLatin1String("\r\n"), fita.indexOf(QLatin1String("\r\n")) + 2);
    return fim < 0 ? QString() : fita.mid(fim + 2);
}

QString linhas(std::initializer_list<const char*> texto)
{
    QString s;
    for (const char* linha : texto)
        s += QString::fromUtf8(linha) + QLatin1String("\r\n");
    return s;
}

class Janela : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    // Types as a user does: into whatever the window gives the keyboard to.
    static void digitar(JanelaCalcula& janela, const QString& texto)
    {
        QWidget* alvo = QApplication::focusWidget();
        if (!alvo || alvo->window() != &janela)
            alvo = janela.centralWidget();
        QTest::keyClicks(alvo, texto);
    }
    static void tecla(JanelaCalcula& janela, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* alvo = QApplication::focusWidget();
        if (!alvo || alvo->window() != &janela)
            alvo = janela.centralWidget();
        QTest::keyClick(alvo, k, m);
    }
    static void clicar(JanelaCalcula& janela, const KeyButton& k, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(janela.botao(k), b);
    }

    QTemporaryDir pasta;
};

TEST_F(Janela, TypedKeysReachTheEngineAndTheTapeViewShowsEveryLine)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    frmCalcula& f = programa.form();

    digitar(janela, QStringLiteral("100+8%"));
    digitar(janela, QStringLiteral("5+3*2"));
    tecla(janela, Qt::Key_Return);

    const QString esperado = linhas({
        "                     100 +", "                       8 %", " 002                      ",
        "                     108 T", " =========================", "                       5 +",
        "                       3 ×", "                       2 =", " 003                      ",
        "                      16 T", " =========================",
    });
    const QString fita = f.txtFita.Text();
    EXPECT_EQ(semCabecalho(fita), esperado) << visivel(semCabecalho(fita));
    // The view holds the same text, a line per tape line.
    EXPECT_EQ(janela.txtFita()->toPlainText(), MapaFita::textoVista(fita));
    EXPECT_EQ(janela.lblVisor(0)->text(), QStringLiteral("16"));
    EXPECT_EQ(janela.lblVisor(1)->text(), QStringLiteral("000"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("16"));
    // Every key that went down came up: no keypad key is left looking pressed.
    for (const KeyButton* k : {&f.chkIgual, &f.chkMais, &f.chkVezes, &f.chkPercent, &f.chkNum[5]})
        EXPECT_FALSE(janela.botao(*k)->Value()) << janela.botao(*k)->objectName().toStdString();
}

TEST_F(Janela, AKeyOnALongTapeRedrawsOnlyTheLinesItTouches)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    frmCalcula& f = programa.form();
    for (int i = 0; i < 60; ++i)
        digitar(janela, QStringLiteral("1234567+"));
    digitar(janela, QStringLiteral("="));
    // A day's worth of tape, put in as a whole.
    f.txtFita.setText(f.txtFita.Text().repeated(10));
    ASSERT_GT(f.txtFita.length(), 15000);

    struct Mudanca {
        int posicao, removidos, inseridos;
    };
    std::vector<Mudanca> mudancas;
    QObject::connect(janela.txtFita()->document(), &QTextDocument::contentsChange,
                     [&](int posicao, int removidos, int inseridos) { mudancas.push_back({posicao, removidos, inseridos}); });
    digitar(janela, QStringLiteral("5+3*2"));
    tecla(janela, Qt::Key_Return);

    ASSERT_FALSE(mudancas.empty());
    const int fim = janela.txtFita()->document()->characterCount();
    for (const Mudanca& m : mudancas) {
        EXPECT_GT(m.posicao, fim - 300) << "a change at " << m.posicao << " of " << fim;
        EXPECT_LT(m.removidos, 300);
    }
    EXPECT_EQ(janela.txtFita()->toPlainText(), MapaFita::textoVista(f.txtFita.Text()));
}

TEST_F(Janela, TheLockedTapeIsBlueAndBoldTheEditedTapeBlackAndPlain)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    const auto aparencia = [&janela] {
        const VisorFita* fita = janela.txtFita();
        return std::pair(fita->palette().color(QPalette::Text), fita->font().bold());
    };
    EXPECT_EQ(aparencia(), std::pair(QColor(0, 0, 255), true));
    programa.form().mnuEditar_Click();
    EXPECT_EQ(aparencia(), std::pair(QColor(0, 0, 0), false));
    programa.form().mnuEditar_Click();
    EXPECT_EQ(aparencia(), std::pair(QColor(0, 0, 255), true));
}

// A window made wider gives the width to the tape, the display and the keypad, whose keys
// share it; the tape shows its last line after every new size and zoom.
TEST_F(Janela, AResizedWindowFillsItsWidthAndTheTapeKeepsItsLastLineInView)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    for (int i = 1; i <= 40; ++i)
        digitar(janela, QString::number(i) + QLatin1Char('+'));
    // The tape's last line with text lies wholly between the view's top and bottom.
    const auto fimEmVista = [&janela] {
        const VisorFita* fita = janela.txtFita();
        QTextBlock bloco = fita->document()->lastBlock();
        while (bloco.isValid() && bloco.text().trimmed().isEmpty())
            bloco = bloco.previous();
        const QRect linha = fita->cursorRect(QTextCursor(bloco));
        return fita->verticalScrollBar()->maximum() > 0 && linha.top() >= 0
               && linha.bottom() < fita->viewport()->height();
    };
    ASSERT_TRUE(fimEmVista());

    const QWidget* area = janela.centralWidget();
    const auto margemDireita = [area](const QWidget* w) { return area->width() - w->geometry().right(); };
    const QWidget* teclado = janela.fraTeclado();
    const XPButton* igual = janela.botao(programa.form().chkIgual);
    const XPButton* sete = janela.botao(programa.form().chkNum[7]);
    const int fita = margemDireita(janela.txtFita());
    const int visor = margemDireita(janela.lblVisor(0));
    const int quadro = margemDireita(teclado);
    const int tecla = teclado->width() - igual->geometry().right();
    const int larguraTecla = sete->width();

    const QSize tamanho = janela.size();
    // Wider and shorter, narrower, and back to the width it had.
    const std::pair<int, int> mudancas[] = {{240, 45}, {-60, 90}, {0, 0}};
    for (const auto& [mais, menos] : mudancas) {
        janela.resize(tamanho.width() + mais, tamanho.height() - menos);
        ASSERT_TRUE(esperarAte([&] { return area->width() == janela.width(); }));
        EXPECT_NEAR(margemDireita(janela.txtFita()), fita, 1) << mais;
        EXPECT_NEAR(margemDireita(janela.lblVisor(0)), visor, 1) << mais;
        EXPECT_NEAR(margemDireita(teclado), quadro, 1) << mais;
        EXPECT_NEAR(teclado->width() - igual->geometry().right(), tecla, 2) << mais;
        EXPECT_EQ(sete->width() > larguraTecla, mais > 0) << mais;
        EXPECT_TRUE(fimEmVista()) << mais;
    }
    janela.txtFita()->verticalScrollBar()->setValue(0);
    ASSERT_FALSE(fimEmVista());
    janela.acao(QStringLiteral("mnuGrande"))->trigger();
    EXPECT_TRUE(fimEmVista());
}

// 7350 twips is the window's height with its frame: the client area is what the frame leaves.
TEST_F(Janela, TheDesignedHeightIsTheWindowsHeightWithItsFrame)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    // Qt's offscreen screen frames its windows thinly.
    ASSERT_TRUE(janela.moldura());
    EXPECT_EQ(janela.height(), alturaCliente(7350, janela.moldura()));
    EXPECT_EQ(janela.alturaJanela(), 7350);
}

TEST_F(Janela, KeypadClicksWorkLikeTypedKeys)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    frmCalcula& f = programa.form();

    for (const KeyButton* k : {&f.chkNum[7], &f.chkNum[8], &f.chkVirgula, &f.chkNum[5], &f.chkMais, &f.chkNum[2],
                               &f.chkIgual})
        clicar(janela, *k);

    EXPECT_EQ(semCabecalho(f.txtFita.Text()),
              linhas({"                    78,5 +", "                       2 =", " 002                      ",
                      "                    80,5 T", " ========================="}))
        << visivel(f.txtFita.Text());
    EXPECT_EQ(janela.lblVisor(0)->text(), QStringLiteral("80,5"));
    // The keypad never keeps the keyboard: typing goes on into the calculation.
    digitar(janela, QStringLiteral("4"));
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("4"));

    // The right button on "=" opens the Enter-key menu and sends nothing.
    const QString antes = f.txtFita.Text();
    clicar(janela, f.chkIgual, Qt::RightButton);
    EXPECT_TRUE(esperarAte([&] { return janela.menu(QStringLiteral("mnu4"))->isVisible(); }));
    janela.menu(QStringLiteral("mnu4"))->close();
    EXPECT_EQ(f.txtFita.Text(), antes);
}

TEST_F(Janela, EveryKeypadKeyShowsItsKeyboardShortcut)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    const frmCalcula& f = programa.form();
    const QList<XPButton*> teclas = janela.fraTeclado()->findChildren<XPButton*>();
    ASSERT_EQ(teclas.size(), 24);
    for (const XPButton* tecla : teclas)
        EXPECT_FALSE(tecla->ToolTipText().trimmed().isEmpty()) << tecla->objectName().toStdString();
    const std::pair<const KeyButton*, const char*> atalhos[] = {
        {&f.chkNum[7], " 7 "},     {&f.chkVirgula, " , "},     {&f.chkVezes, " * "},   {&f.chkDividir, " / "},
        {&f.chkIgual, " Enter "},  {&f.chkCE, " Delete "},     {&f.chkBack, " Backspace "},
        {&f.chkNeg, " Shift+P "},  {&f.MC, " Shift+C "},       {&f.Mmais, " Shift+A "},
    };
    for (const auto& [tecla, atalho] : atalhos)
        EXPECT_EQ(janela.botao(*tecla)->ToolTipText(), QString::fromLatin1(atalho));
}

TEST_F(Janela, KeyPreviewShortcutsAndTheTapesOwnKeys)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    frmCalcula& f = programa.form();

    digitar(janela, QStringLiteral("12,5"));
    tecla(janela, Qt::Key_A, Qt::ShiftModifier);  // M+
    EXPECT_EQ(f.fraTeclado.Caption(), QStringLiteral("12,5"));
    EXPECT_EQ(static_cast<FrameTeclado*>(janela.fraTeclado())->caption(), QStringLiteral("12,5"));

    digitar(janela, QStringLiteral("5+3+"));
    // The tape takes the focus with a click; the arrows then move about the tape.
    QTest::mouseClick(janela.txtFita()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    ASSERT_TRUE(esperarAte([&] { return f.foco() == &f.txtFita; }));
    const qsizetype antes = f.txtFita.SelStart();
    QTest::keyClick(janela.txtFita(), Qt::Key_Down);
    EXPECT_EQ(f.foco(), &f.txtFita);
    EXPECT_GT(f.txtFita.SelStart(), antes);

    // Ctrl+C and Ctrl+Z on the tape are the window's Copy and Undo, not the tape's own.
    QTest::keyClick(janela.txtFita(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_GT(f.txtFita.SelLength(), 0);
    QTest::keyClick(janela.txtFita(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), f.lblVisor[0].Caption());
    const qsizetype comprimento = f.txtFita.length();
    QTest::keyClick(janela.txtFita(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.txtFita.length(), comprimento - kLinhaComQuebra);

    // Any other key goes back to the calculation.
    QTest::keyClick(janela.txtFita(), Qt::Key_7);
    EXPECT_EQ(f.foco(), &f.txtEntrada);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("7"));
    EXPECT_TRUE(esperarAte([&] { return QApplication::focusWidget() == janela.centralWidget(); }));

    // Delete is CE: the typed entry goes, the display shows 0.
    tecla(janela, Qt::Key_Delete);
    EXPECT_EQ(f.txtEntrada.Text(), QStringLiteral("0"));
}

TEST_F(Janela, CloseWritesTheStateFileAndTheNextStartShowsTheSameTape)
{
    Usuario usuario(pasta.path());
    QString fita;
    {
        Programa programa(usuario);
        JanelaCalcula& janela = programa.abrir();
        digitar(janela, QStringLiteral("5+3*2"));
        tecla(janela, Qt::Key_Return);
        digitar(janela, QStringLiteral("7+"));
        fita = programa.form().txtFita.Text();
        const QString altura = QString::number(qRound(janela.alturaJanela()));

        tecla(janela, Qt::Key_Escape);
        // No tray on this desktop: closing the window ends the program.
        ASSERT_TRUE(esperarAte([&] { return programa.terminou(); }));
        EXPECT_FALSE(programa.calculadora->Carregada());
        EXPECT_EQ(usuario.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("CalcHeight")), altura);
    }
    QFile arquivo(pasta.path() + QStringLiteral("/calc1.fita"));
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(arquivo.readAll().startsWith("\"05/03/2025\",\""));

    Programa seguinte(usuario);
    JanelaCalcula& janela = seguinte.abrir();
    EXPECT_EQ(seguinte.form().txtFita.Text(), fita);
    EXPECT_EQ(janela.txtFita()->toPlainText(), MapaFita::textoVista(fita));
    EXPECT_EQ(janela.lblVisor(0)->text(), QStringLiteral("7"));
    EXPECT_EQ(janela.lblVisor(1)->text(), QStringLiteral("001"));
    // The calculation goes on where it stopped.
    digitar(janela, QStringLiteral("3="));
    EXPECT_EQ(janela.lblVisor(0)->text(), QStringLiteral("10"));
}

TEST_F(Janela, EveryWayOfEndingRunsTheCloseHandling)
{
    const std::vector<std::pair<const char*, std::function<void(Programa&)>>> maneiras = {
        {"the window's close box", [](Programa& p) { p.janela()->close(); }},
        {"the tray's exit", [](Programa& p) { p.host->mnuSair_Click(); }},
        {"the host's end (a signal, the session, a later fechar)", [](Programa& p) { p.host->Unload(); }},
    };
    for (const auto& [maneira, encerrar] : maneiras) {
        SCOPED_TRACE(maneira);
        QTemporaryDir casa;
        Usuario usuario(casa.path());
        Programa programa(usuario);
        JanelaCalcula& janela = programa.abrir();
        digitar(janela, QStringLiteral("21+"));
        const QString fita = programa.form().txtFita.Text();
        encerrar(programa);
        ASSERT_TRUE(esperarAte([&] { return programa.terminou(); }));
        QFile arquivo(casa.path() + QStringLiteral("/calc1.fita"));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        EXPECT_TRUE(arquivo.readAll().contains(fita.toLatin1()));
        EXPECT_EQ(usuario.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("Idioma")),
                  QStringLiteral("1"));
    }
}

TEST_F(Janela, ClosingIntoTheTrayKeepsTheProgramAndTheTrayBringsTheTapeBack)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    // An armed alarm keeps the program in the tray whatever the desktop offers.
    programa.host->mnuAlarme(0)->setChecked(true);
    JanelaCalcula& janela = programa.abrir();
    digitar(janela, QStringLiteral("40+2"));
    const QString fita = programa.form().txtFita.Text();

    janela.close();
    ASSERT_TRUE(esperarAte([&] { return !programa.calculadora->Carregada(); }));
    EXPECT_FALSE(programa.terminou());
    EXPECT_TRUE(globais().gFechando);

    programa.host->mnuSystray_Click();
    ASSERT_TRUE(esperarAte([&] { return programa.janela() && programa.form().JaAtivado; }));
    EXPECT_EQ(programa.form().txtFita.Text(), fita);
    EXPECT_EQ(programa.janela()->lblVisor(0)->text(), QStringLiteral("2"));
}

// A tool window of the program, as far as activation goes.
class FerramentaFalsa : public QWidget, public tarvelo::Janela {
public:
    bool Carregada() const override { return isVisible(); }
    void Unload() override { close(); }
};

TEST_F(Janela, ActivationCountsOnlyTheProgramsOwnWindows)
{
    Usuario usuario(pasta.path());
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    frmCalcula& f = programa.form();
    digitar(janela, QStringLiteral("5+"));
    const qsizetype fim = f.txtFita.length() - 2;

    // The user looks at the top of the tape.
    f.txtFita.setSelStart(0);
    // A message box is no window of the program: no deactivation, no new activation.
    QMessageBox caixa(QMessageBox::Information, QStringLiteral(" Tarvelo"), QStringLiteral("x"));
    caixa.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&caixa));
    caixa.close();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.txtFita.SelStart(), 0);

    // A tool window is: leaving it for the calculator activates the calculator again, which
    // brings the end of the tape into view.
    FerramentaFalsa ferramenta;
    ferramenta.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ferramenta));
    ferramenta.close();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    EXPECT_TRUE(esperarAte([&] { return f.txtFita.SelStart() == fim; }));
}

// Where the first calculator opens for the stored "CalcTop" and "CalcLeft" (twips). "fundo"
// in a stored top stands for the top at which the window's bottom edge (7350 twips down)
// meets the screen's; an expected edge of -1 is the stored value itself, -2 the default
// left edge (360 twips short of the screen's right side).
struct CasoPosicao {
    const char* topo;
    const char* esquerda;
    int topoEsperado;
    int esquerdaEsperada;
};

void PrintTo(const CasoPosicao& caso, std::ostream* os)
{
    *os << "CalcTop " << (caso.topo ? caso.topo : "(none)") << ", CalcLeft "
        << (caso.esquerda ? caso.esquerda : "(none)");
}

class Posicao : public Janela, public ::testing::WithParamInterface<CasoPosicao> {};

TEST_P(Posicao, StoredEdgesAreKeptOnlyWhenTheWindowStaysOnScreen)
{
    const CasoPosicao caso = GetParam();
    const QRect tela = QGuiApplication::primaryScreen()->geometry();
    QString topo = QString::fromLatin1(caso.topo ? caso.topo : "");
    topo.replace(QStringLiteral("fundo+15"), QString::number(twips(tela.height()) - 7350 + 15));
    topo.replace(QStringLiteral("fundo"), QString::number(twips(tela.height()) - 7350));
    Usuario usuario(pasta.path());
    if (caso.topo)
        usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("CalcTop"), topo);
    if (caso.esquerda)
        usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("CalcLeft"),
                                          QString::fromLatin1(caso.esquerda));
    Programa programa(usuario);
    JanelaCalcula& janela = programa.abrir();
    ASSERT_EQ(janela.alturaJanela(), 7350);

    const int topoEsperado = caso.topoEsperado == -1 ? pixels(topo.toDouble()) : caso.topoEsperado;
    int esquerdaEsperada = caso.esquerdaEsperada;
    if (esquerdaEsperada == -1)
        esquerdaEsperada = pixels(QString::fromLatin1(caso.esquerda).toDouble());
    else if (esquerdaEsperada == -2)
        esquerdaEsperada = pixels(twips(tela.width()) - twips(janela.width()) - 360);
    EXPECT_EQ(janela.y(), topoEsperado);
    EXPECT_EQ(janela.x(), esquerdaEsperada);
}

INSTANTIATE_TEST_SUITE_P(Casos, Posicao,
                         ::testing::Values(CasoPosicao{nullptr, nullptr, 0, -2},    // never saved
                                           CasoPosicao{"fundo", "1500", -1, -1},    // bottom edge on the screen's
                                           CasoPosicao{"fundo+15", "1500", 0, -1},  // a pixel past it
                                           CasoPosicao{"-15", "-15", 0, 0},         // a minus sign
                                           CasoPosicao{"0", "99999", 0, 0},         // past the right side
                                           CasoPosicao{"abc", "xyz", 0, 0}));       // no number: designed edges

TEST_F(Janela, MiniWindowHasNoMenusNoKeypadAndShowsTheDisplayInItsCaption)
{
    Usuario usuario(pasta.path());
    usuario.configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("CalcTop"), QStringLiteral("3000"));
    {
        // The splash, still up when the window first activates.
        struct Abertura : tarvelo::Janela {
            bool carregada = true;
            bool Carregada() const override { return carregada; }
            void Unload() override { carregada = false; }
        } abertura;
        bool aberturaSobreADica = false;
        Programa programa(usuario, QStringLiteral("mini"));
        programa.janelas.registrar(QStringLiteral("frmStart"), &abertura);
        programa.mensagens.enquantoAberta = [&] { aberturaSobreADica = abertura.carregada; };
        JanelaCalcula& janela = programa.abrir();
        programa.janelas.remover(QStringLiteral("frmStart"), &abertura);
        EXPECT_FALSE(janela.menuBar()->isVisible());
        EXPECT_FALSE(janela.fraTeclado()->isVisible());
        EXPECT_EQ(janela.y(), 0);
        EXPECT_EQ(janela.alturaJanela(), 1365);
        EXPECT_TRUE(janela.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The tape fills the window.
        EXPECT_EQ(janela.txtFita()->height(), janela.centralWidget()->height());
        // The first mini start ever shows the hotkey tip.
        ASSERT_EQ(programa.mensagens.textos().size(), 1);
        EXPECT_TRUE(programa.mensagens.textos()[0].contains(QStringLiteral("HOTKEYS")));
        // The tip waits for the user with the splash gone, so nothing covers it.
        EXPECT_FALSE(aberturaSobreADica);

        digitar(janela, QStringLiteral("12"));
        EXPECT_EQ(janela.windowTitle(), QStringLiteral(" 12"));

        tecla(janela, Qt::Key_Escape);
        ASSERT_TRUE(esperarAte([&] { return programa.terminou(); }));
    }
    EXPECT_EQ(usuario.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("MiniHeight")),
              QStringLiteral("1365"));
    EXPECT_TRUE(usuario.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("CalcHeight")).isEmpty());
    EXPECT_TRUE(QFile::exists(pasta.path() + QStringLiteral("/calc1.fita")));

    // The tip comes once only.
    Programa outra(usuario, QStringLiteral("mini"));
    outra.abrir();
    EXPECT_TRUE(outra.mensagens.textos().isEmpty());
}

TEST_F(Janela, SecondCalculatorKeepsItsOwnTapeAndSavesNoSetting)
{
    Usuario usuario(pasta.path());
    // The running first copy, in this process: it holds the channel and has no window.
    Globais daPrimeira;
    RegistroJanelas janelasDaPrimeira;
    frmSysTray primeira(janelasDaPrimeira, servicosHost(usuario), daPrimeira);
    primeira.Form_Load();
    ASSERT_EQ(primeira.papel(), frmSysTray::Papel::PrimeiraCopia);

    {
        Programa segunda(usuario, QStringLiteral("outra"));
        segunda.host->Form_Load();
        ASSERT_EQ(segunda.host->Tag(), QStringLiteral("2"));
        ASSERT_TRUE(esperarAte([&] { return segunda.janela() && segunda.form().JaAtivado; }));
        JanelaCalcula& janela = *segunda.janela();
        EXPECT_EQ(janela.windowTitle(), QStringLiteral("Calculadora [Aux]"));
        EXPECT_FALSE(janela.menu(QStringLiteral("mnu1"))->menuAction()->isEnabled());
        EXPECT_FALSE(janela.menu(QStringLiteral("mnuConfig"))->menuAction()->isEnabled());
        EXPECT_FALSE(janela.mnuGrande.Checked());
        EXPECT_EQ(janela.width(), pixels(janela.larguraDesenho()));

        digitar(janela, QStringLiteral("9+1="));
        tecla(janela, Qt::Key_Escape);
        ASSERT_TRUE(esperarAte([&] { return segunda.terminou(); }));
    }
    EXPECT_TRUE(QFile::exists(pasta.path() + QStringLiteral("/calc2.fita")));
    EXPECT_FALSE(QFile::exists(pasta.path() + QStringLiteral("/calc1.fita")));
    EXPECT_TRUE(usuario.configuracoes.GetAllSettings(QStringLiteral("Conf")).isEmpty());
    primeira.Unload();
}

}  // namespace
