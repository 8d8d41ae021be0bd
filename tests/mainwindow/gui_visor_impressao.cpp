// The display's click menus and the tape printing items on the real window.

#include "bancada.h"

#include "host/texto.h"
#include "platform/ansi.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class VisorImpressao : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    static void digitar(JanelaCalcula& janela, const QString& texto)
    {
        QWidget* alvo = QApplication::focusWidget();
        QTest::keyClicks(alvo && alvo->window() == &janela ? alvo : janela.centralWidget(), texto);
    }
    // Whether the menu pops up; it is closed again.
    static bool abre(JanelaCalcula& janela, const char* nome)
    {
        QMenu* menu = janela.menu(QString::fromLatin1(nome));
        const bool aberto = esperarAte([menu] { return menu->isVisible(); }, 1000);
        menu->close();
        return aberto;
    }

    QTemporaryDir pasta;
};

TEST_F(VisorImpressao, DisplayClicksCopyTheNumberOrOfferTheFormatOrTimeMenus)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    digitar(j, QStringLiteral("1234,5"));

    QTest::mouseClick(j.lblVisor(0), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.234,5"));
    QTest::mouseClick(j.lblVisor(3), Qt::RightButton);
    EXPECT_TRUE(abre(j, "mnuForm"));
    // The item counter takes no clicks.
    QTest::mouseClick(j.lblVisor(1), Qt::RightButton);
    EXPECT_FALSE(abre(j, "mnuForm"));

    b.comando(QStringLiteral("mnuTempo"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(j.lblVisor(2), Qt::LeftButton);
    EXPECT_TRUE(abre(j, "mnuTime"));
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(VisorImpressao, ThePrintItemsSendTheWholeTapeInCourierNewAt8_10And12Points)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    b.comando(QStringLiteral("mnuBeep"));
    digitar(j, QStringLiteral("3*2="));
    const QString fita = b.form().txtFita.Text();
    ASSERT_TRUE(fita.contains(QChar(0x00D7)));
    b.midi.mensagens.clear();

    for (int i = 0; i < 3; ++i)
        b.comando(QStringLiteral("mnuImprimir(%1)").arg(i));
    ASSERT_EQ(b.impressora.trabalhos.size(), 3u);
    const int pontos[3] = {8, 10, 12};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.impressora.trabalhos[i].texto, QStringLiteral("\r\n\r\n") + fita + QStringLiteral("\r\n"));
        EXPECT_EQ(b.impressora.trabalhos[i].familia, QStringLiteral("Courier New"));
        EXPECT_EQ(b.impressora.trabalhos[i].pontos, pontos[i]);
    }
    ASSERT_EQ(b.mensagens.vistas.size(), 3u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(16));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Information);
    // Each print silences the note first.
    EXPECT_EQ(b.midi.mensagens, std::vector<std::uint32_t>(3, midi::noteOff(99)));

    // Into a PDF the tape comes out in a fixed-pitch stand-in for Courier New.
    b.impressora.pdf = pasta.filePath(QStringLiteral("fita.pdf"));
    b.comando(QStringLiteral("mnuImprimir(1)"));
    QFile pdf(*b.impressora.pdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString conteudo = QString::fromLatin1(pdf.readAll());
    const QRegularExpression fonte(QStringLiteral("/BaseFont\\s*/(?:[A-Z]{6}\\+)?([^\\s/>]+)"));
    const QString nome = fonte.match(conteudo).captured(1);
    EXPECT_TRUE(nome.contains(QStringLiteral("Mono")) || nome.contains(QStringLiteral("Courier"))) << nome.toStdString();

    // Without a printer: topic 17 at once, no job.
    b.impressora.instalada = false;
    b.comando(QStringLiteral("mnuImprimir(0)"));
    EXPECT_EQ(b.impressora.trabalhos.size(), 4u);
    EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(17));
    EXPECT_EQ(b.mensagens.vistas.back().flags, mb::Critical);
}

TEST_F(VisorImpressao, TheRollPrinterGetsTheExactBytesOnItsPortAndAPortThatCannotOpenIsReported)
{
    Usuario usuario(pasta.path());
    Bancada b(usuario);
    JanelaCalcula& j = b.abrir();
    digitar(j, QStringLiteral("3*2/4="));
    QString fita = b.form().txtFita.Text();

    b.entrada.respostas = {QStringLiteral("lpt1")};
    b.comando(QStringLiteral("mnuMatricial"));
    ASSERT_EQ(b.entrada.perguntas.size(), 1u);
    EXPECT_EQ(b.entrada.perguntas[0].prompt, fTexto(176));
    EXPECT_EQ(b.entrada.perguntas[0].titulo, QStringLiteral("  Tarvelo"));
    EXPECT_EQ(b.entrada.perguntas[0].proposta, QStringLiteral("LPT1"));
    fita.replace(QChar(0x00D7), QLatin1Char('*')).replace(QChar(0x00F7), QLatin1Char('/'));
    EXPECT_EQ(b.porta(QStringLiteral("LPT1")), "\r\n" + toAnsi(fita) + "\r\n\r\n");
    EXPECT_EQ(b.conf(QStringLiteral("Porta")), QStringLiteral("LPT1"));
    EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(16));

    // COM2's device is not there: the printer is not responding, never "sent".
    b.entrada.respostas = {QStringLiteral("com2")};
    b.comando(QStringLiteral("mnuMatricial"));
    EXPECT_EQ(b.entrada.propostas().last(), QStringLiteral("LPT1"));
    EXPECT_EQ(b.conf(QStringLiteral("Porta")), QStringLiteral("COM2"));
    EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(17));
    EXPECT_EQ(b.mensagens.vistas.back().flags, mb::Critical);

    // A port name with a blank is no port: nothing printed, nothing stored.
    b.entrada.respostas = {QStringLiteral(" LPT1")};
    b.comando(QStringLiteral("mnuMatricial"));
    EXPECT_EQ(b.mensagens.vistas.back().texto, fTexto(30));
    EXPECT_EQ(b.conf(QStringLiteral("Porta")), QStringLiteral("COM2"));
    EXPECT_EQ(b.porta(QStringLiteral("LPT1")), "\r\n" + toAnsi(fita) + "\r\n\r\n");
}

}  // namespace
