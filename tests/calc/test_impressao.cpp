#include "calc/impressao.h"

#include "support/calculadora.h"
#include "host/globais.h"
#include "host/texto.h"
#include "platform/ansi.h"
#include "platform/inputbox.h"
#include "platform/printer.h"
#include "platform/rawport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

using namespace tarvelo;
using teste::visivel;

namespace {

// One log for the port and the message boxes, so that a test sees their order.
struct Registro {
    QStringList eventos;
};

struct PortaGravada : RawPort {
    Registro& r;
    int falhaNaEscrita = 0;  // the nth write fails (0: none)
    int escritas = 0;
    explicit PortaGravada(Registro& registro) : r(registro) {}
    bool open(const QString& nome) override
    {
        r.eventos << "open " + nome;
        return true;
    }
    bool write(QByteArrayView bytes) override
    {
        ++escritas;
        r.eventos << "line";
        return escritas != falhaNaEscrita;
    }
    void close() override { r.eventos << "close"; }
};

// A tape whose roll-printer job has `linhasJob` lines.
QString fitaPara(int linhasJob)
{
    QString fita;
    for (int i = 1; i <= linhasJob - 3; ++i)
        fita += QStringLiteral("%1 +\r\n").arg(i, 24);
    return fita;
}

struct Bobina {
    teste::Calculadora c;  // pt-BR globals and a settings store of its own
    Registro log;
    teste::MensagensFalsas caixas;
    teste::EntradaFalsa& entrada = c.entrada;
    PortaGravada gravada{log};
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath("porta");
    DeviceRawPort arquivoPorta{ambiente()};

    Bobina()
    {
        // The boxes go into the port's log, so that a test sees their order.
        caixas.depois = mb::Ok;
        caixas.enquantoAberta = [this] {
            log.eventos << QStringLiteral("box %1 %2").arg(caixas.vistas.back().flags).arg(caixas.vistas.back().texto);
        };
    }
    QProcessEnvironment ambiente()
    {
        QProcessEnvironment env;
        env.insert("TARVELO_PORT_LPT1", arquivo);
        env.insert("TARVELO_PORT_COM3", pasta.filePath("nao-existe"));
        return env;
    }
    ResultadoImpressao imprimir(const QString& fita, const QString& porta, RawPort& saida,
                                std::function<void()> eventos = {})
    {
        entrada.respostas = {porta};
        ImpressoraBobina bobina({entrada, caixas, c.configuracoes, saida, std::move(eventos)});
        return bobina.imprimir(fita, QStringLiteral(" Tarvelo"));
    }
    QString porta() { return c.configuracoes.GetSetting("Conf", "Porta", "<nada>"); }
    QString caixa(int topico, int flags) { return QStringLiteral("box %1 %2").arg(flags).arg(fTexto(topico)); }
    QByteArray bytes()
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
    }
};

TEST(Bobina, WritesTheExactWindows1252BytesToThePort)
{
    Bobina b;
    { QFile f(b.arquivo); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }  // the "device" exists
    const QString fita = QStringLiteral("Preço\r\n     6 ×\r\n     3 ÷\r\n");
    EXPECT_EQ(b.imprimir(fita, "lpt1", b.arquivoPorta), ResultadoImpressao::Enviado);
    EXPECT_EQ(b.bytes(), QByteArray("\r\nPre\xE7o\r\n     6 *\r\n     3 /\r\n\r\n\r\n"));
    EXPECT_EQ(b.porta(), "LPT1");
    EXPECT_EQ(b.log.eventos, QStringList{b.caixa(16, mb::Information)});
    ASSERT_EQ(b.entrada.perguntas.size(), 1u);
    EXPECT_EQ(b.entrada.perguntas[0].titulo, "  Tarvelo");
    EXPECT_EQ(b.entrada.perguntas[0].proposta, "LPT1");
}

TEST(Bobina, PortAnswersAreUpperCasedAndOnlyTheSixPortsAreTaken)
{
    const std::pair<const char*, bool> casos[] = {
        {"com2", true}, {"COM4", true}, {"LPT2", true},
        {" LPT1", false}, {"LPT1 ", false}, {"LPT3", false}, {"COM5", false}, {"", false},
    };
    for (const auto& [resposta, aceita] : casos) {
        Bobina b;
        const ResultadoImpressao r = b.imprimir(fitaPara(4), resposta, b.gravada);
        if (aceita) {
            EXPECT_EQ(r, ResultadoImpressao::Enviado) << resposta;
            EXPECT_EQ(b.porta(), QString(resposta).toUpper());
            EXPECT_EQ(b.log.eventos.first(), "open " + QString(resposta).toUpper());
        } else {
            EXPECT_EQ(r, ResultadoImpressao::PortaInvalida) << resposta;
            EXPECT_EQ(b.porta(), "<nada>");
            EXPECT_EQ(b.log.eventos, QStringList{b.caixa(30, mb::Critical)}) << resposta;
        }
    }
}

// The log of a job shortened to "n lines" runs between the other events.
QStringList resumo(const QStringList& eventos)
{
    QStringList r;
    int linhas = 0;
    for (const QString& e : eventos) {
        if (e == "line") {
            ++linhas;
            continue;
        }
        if (linhas)
            r << QStringLiteral("%1 lines").arg(linhas);
        linhas = 0;
        r << (e.startsWith("box 65 ") ? QStringLiteral("pause") : e);
    }
    if (linhas)
        r << QStringLiteral("%1 lines").arg(linhas);
    return r;
}

TEST(Bobina, SerialPortPausesAfterLines26And51)
{
    Bobina b;
    EXPECT_EQ(b.imprimir(fitaPara(60), "COM1", b.gravada), ResultadoImpressao::Enviado);
    EXPECT_EQ(resumo(b.log.eventos),
              (QStringList{"open COM1", "26 lines", "close", "pause", "open COM1", "25 lines", "close", "pause",
                           "open COM1", "9 lines", "close", "box 64 " + fTexto(16)}));
    EXPECT_TRUE(b.log.eventos.contains(QStringLiteral("box 65 ") +
                                       "Aguarde o término da impressão e então pressione OK para continuar..."));

    Bobina paralela;
    paralela.imprimir(fitaPara(60), "LPT1", paralela.gravada);
    EXPECT_EQ(resumo(paralela.log.eventos), (QStringList{"open LPT1", "60 lines", "close", "box 64 " + fTexto(16)}));
}

TEST(Bobina, CancelAtThePauseSendsNothingMoreAndSaysNothing)
{
    Bobina b;
    b.caixas.respostas = {mb::Cancel};
    EXPECT_EQ(b.imprimir(fitaPara(60), "COM2", b.gravada), ResultadoImpressao::Cancelado);
    EXPECT_EQ(resumo(b.log.eventos), (QStringList{"open COM2", "26 lines", "close", "pause"}));
}

TEST(Bobina, APortThatCannotBeOpenedOrWrittenEndsWithTopic17)
{
    Bobina semArquivo;  // TARVELO_PORT_LPT1 names a file that does not exist
    EXPECT_EQ(semArquivo.imprimir(fitaPara(10), "LPT1", semArquivo.arquivoPorta), ResultadoImpressao::SemResposta);
    EXPECT_EQ(semArquivo.log.eventos, QStringList{semArquivo.caixa(17, mb::Critical)});
    EXPECT_EQ(semArquivo.porta(), "LPT1") << "a valid answer is kept even when the port fails";

    Bobina falha;
    falha.gravada.falhaNaEscrita = 3;
    EXPECT_EQ(falha.imprimir(fitaPara(10), "LPT2", falha.gravada), ResultadoImpressao::SemResposta);
    EXPECT_EQ(resumo(falha.log.eventos), (QStringList{"open LPT2", "3 lines", "close", "box 16 " + fTexto(17)}));
}

TEST(Bobina, AJobStartedFromTheEventsOfAnotherIsRefused)
{
    Bobina b;
    std::optional<ResultadoImpressao> aninhado;
    ImpressoraBobina* bobina = nullptr;
    ImpressoraBobina propria({b.entrada, b.caixas, b.c.configuracoes, b.gravada, [&] {
                                  if (!aninhado)
                                      aninhado = bobina->imprimir(fitaPara(4), " Tarvelo");
                              }});
    bobina = &propria;
    b.entrada.respostas = {"LPT1"};
    EXPECT_EQ(propria.imprimir(fitaPara(6), " Tarvelo"), ResultadoImpressao::Enviado);
    EXPECT_EQ(aninhado, ResultadoImpressao::Ocupado);
    EXPECT_EQ(resumo(b.log.eventos), (QStringList{"open LPT1", "6 lines", "close", "box 64 " + fTexto(16)}));
}

struct ImpressoraFalsa : TextPrinter {
    bool existe = true;
    bool funciona = true;
    QString texto, fonte;
    int pontos = 0;
    bool available() override { return existe; }
    bool printText(const QString& t, const QString& family, int size) override
    {
        texto = t;
        fonte = family;
        pontos = size;
        return funciona;
    }
};

TEST(ImprimirFita, PrintsTheTapeAfterTwoEmptyLinesInCourierNewAt8_10Or12Points)
{
    teste::Calculadora c;
    const QString fita = QStringLiteral("  05/03/2025  09:05:07\r\n     6 ×\r\n");
    for (const auto& [indice, pontos] : {std::pair{0, 8}, {1, 10}, {2, 12}}) {
        ImpressoraFalsa impressora;
        c.mensagens.vistas.clear();
        EXPECT_EQ(ImprimirFita(fita, indice, impressora, c.mensagens), ResultadoImpressao::Enviado);
        EXPECT_EQ(visivel(impressora.texto), visivel("\r\n\r\n" + fita + "\r\n"));
        EXPECT_EQ(impressora.fonte, "Courier New");
        EXPECT_EQ(impressora.pontos, pontos);
        ASSERT_EQ(c.mensagens.vistas.size(), 1u);
        EXPECT_EQ(c.mensagens.vistas[0].texto, fTexto(16));
    }
}

TEST(ImprimirFita, NoPrinterOrAFailedJobGivesTopic17)
{
    teste::Calculadora c;
    ImpressoraFalsa ausente;
    ausente.existe = false;
    EXPECT_EQ(ImprimirFita("x\r\n", 1, ausente, c.mensagens), ResultadoImpressao::SemResposta);
    EXPECT_EQ(ausente.pontos, 0) << "no job without a printer";

    ImpressoraFalsa falha;
    falha.funciona = false;
    EXPECT_EQ(ImprimirFita("x\r\n", 1, falha, c.mensagens), ResultadoImpressao::SemResposta);
    ASSERT_EQ(c.mensagens.vistas.size(), 2u);
    for (const auto& vista : c.mensagens.vistas) {
        EXPECT_EQ(vista.texto, fTexto(17));
        EXPECT_EQ(vista.flags, mb::Critical);
    }
}

// After a print the message states what happened, in the interface language: a report,
// never an order to the user.
TEST(ImprimirFita, TellsInEachLanguageWhetherThePrinterTookTheJob)
{
    struct Caso {
        int idioma;
        const char* enviado;
        const char* semResposta;
    };
    const Caso casos[] = {
        {1, "Enviado para impressora", "A impressora não está respondendo ou não está instalada"},
        {2, "Sent to printer", "Printer is not responding or is not installed"},
        {3, "Enviado a la impresora", "La impresora no responde o no está instalada"},
        {4, "Envoyé à l'imprimante", "L'imprimante ne répond pas ou n'est pas installée"},
    };
    for (const Caso& caso : casos) {
        Globais g;
        g.gIdioma = caso.idioma;
        ScopedGlobais escopo(g);
        teste::MensagensFalsas mensagens;
        ImpressoraFalsa funciona;
        ImpressoraFalsa falha;
        falha.funciona = false;
        ImprimirFita("x\r\n", 1, funciona, mensagens);
        ImprimirFita("x\r\n", 1, falha, mensagens);
        ASSERT_EQ(mensagens.vistas.size(), 2u);
        EXPECT_EQ(mensagens.vistas[0].texto, QString::fromUtf8(caso.enviado)) << caso.idioma;
        EXPECT_EQ(mensagens.vistas[1].texto, QString::fromUtf8(caso.semResposta)) << caso.idioma;
    }
}

}  // namespace
