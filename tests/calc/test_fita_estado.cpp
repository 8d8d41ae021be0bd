// The tape state file: its record, and the window's load and close around it.

#include "support/calculadora.h"

#include "calc/fita_arquivo.h"
#include "calc/fita_backup.h"
#include "platform/ansi.h"
#include "platform/fileio.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

QString arquivoFita(const Calculadora& b)
{
    return b.pasta() + QStringLiteral("calc1.fita");
}

QByteArray ler(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

void escrever(const QString& caminho, const QByteArray& bytes)
{
    ASSERT_TRUE(writeFileAtomically(caminho, bytes));
}

// A window being loaded: not shown yet, as the load finds it.
struct Carga : Calculadora {
    Carga() { calc.Visible = false; }
};

TEST(ArquivoFita, AClosedCalculationIsOneRecordOfSevenQuotedFields)
{
    Calculadora b;
    b.teclas(QStringLiteral("5+3*2="));
    ASSERT_TRUE(b.calc.GravarArquivoFita());

    const QByteArray fita = " 05/03/2025 qua           \r\n"
                            " =========================\r\n"
                            "                       5 +\r\n"
                            "                       3 \xD7\r\n"
                            "                       2 =\r\n"
                            " 003                      \r\n"
                            "                      16 T\r\n"
                            " =========================\r\n";
    EXPECT_EQ(ler(arquivoFita(b)), "\"05/03/2025\",\"" + fita + "\",\"0\",\"+\",\"0\",\"16\",\"000\"\r\n");
}

TEST(ArquivoFita, TheSameDayRestoresTheOpenCalculation)
{
    Calculadora antes;
    antes.teclas(QStringLiteral("5+3"));
    ASSERT_TRUE(antes.calc.GravarArquivoFita());
    const QByteArray gravado = ler(arquivoFita(antes));

    Carga b;
    escrever(arquivoFita(b), gravado);
    b.calc.CarregarArquivoFita();
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(antes.calc.txtFita.Text()));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("5"));
    EXPECT_EQ(b.calc.Tag, QStringLiteral("+"));
    EXPECT_EQ(b.calc.txtEntrada.Text(), QStringLiteral("3"));
    EXPECT_EQ(b.calc.lblVisor[0].Caption(), QStringLiteral("3"));
    EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("001"));

    b.calc.Visible = true;
    b.calc.SetFocus(b.calc.txtEntrada);
    b.teclas(QStringLiteral("="));
    EXPECT_TRUE(b.calc.txtFita.Text().endsWith(QStringLiteral(" 002                      \r\n"
                                                              "                       8 T\r\n"
                                                              " =========================\r\n")))
        << visivel(b.calc.txtFita.Text());
}

TEST(ArquivoFita, ALongPastedEntryComesBackWhole)
{
    Carga b;
    escrever(arquivoFita(b),
             "\"05/03/2025\",\" x\r\n\",\"0\",\"+\",\"123456789012,345\",\"123.456.789.012,345\",\"000\"\r\n");
    b.calc.CarregarArquivoFita();
    EXPECT_EQ(b.calc.txtEntrada.Text(), QStringLiteral("123456789012,345"));
}

TEST(ArquivoFita, AnotherDaysTapeIsBackedUpAndStartsAfresh)
{
    Carga b;
    b.calc.mnuBackup.setChecked(true);
    const QByteArray velha = " 04/03/2025 ter           \r\n =========================\r\n"
                             "                       7 +\r\n";
    escrever(arquivoFita(b), "\"04/03/2025\",\"" + velha + "\",\"7\",\"+\",\"0\",\"7\",\"001\"\r\n");
    b.calc.CarregarArquivoFita();

    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0"));
    EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("000"));
    EXPECT_TRUE(b.backup().startsWith(velha));
    EXPECT_TRUE(b.mensagens.vistas.empty()) << "the load shows nothing";
}

TEST(ArquivoFita, AMissingOrDamagedFileGivesAFreshTapeWithoutBackup)
{
    for (const QByteArray& conteudo : {QByteArray(), QByteArray("lixo"), QByteArray("\"31/02/2025\",\"x\"")}) {
        Carga b;
        b.calc.mnuBackup.setChecked(true);
        if (!conteudo.isNull())
            escrever(arquivoFita(b), conteudo);
        b.calc.CarregarArquivoFita();
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho)) << conteudo.constData();
        EXPECT_TRUE(b.backup().isEmpty()) << "an empty or one-word tape is not worth a backup";
    }
}

TEST(ArquivoFita, ARecordCutShortAfterTodaysDateStartsTheMissingPartsFresh)
{
    Carga b;
    escrever(arquivoFita(b), "\"05/03/2025\",\" x\r\n\",\"12\"");
    b.calc.CarregarArquivoFita();
    EXPECT_EQ(b.calc.txtFita.Text(), QStringLiteral(" x\r\n"));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("12"));
    EXPECT_EQ(b.calc.Tag, QStringLiteral("+"));
    EXPECT_EQ(b.calc.txtEntrada.Text(), QStringLiteral("0"));
    EXPECT_EQ(b.calc.lblVisor[0].Caption(), QStringLiteral("0"));
    EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("000"));
}

TEST(ArquivoFita, TheSecondCalculatorHasItsOwnFile)
{
    EXPECT_EQ(ArquivoFita(u"/dados/", u"1"), QStringLiteral("/dados/calc1.fita"));
    EXPECT_EQ(ArquivoFita(u"/dados", u"2"), QStringLiteral("/dados/calc2.fita"));
    Calculadora b;
    b.calc.TagHost = QStringLiteral("2");
    ASSERT_TRUE(b.calc.GravarArquivoFita());
    EXPECT_TRUE(QFile::exists(b.pasta() + QStringLiteral("calc2.fita")));
    EXPECT_FALSE(QFile::exists(arquivoFita(b)));
}

TEST(ArquivoFita, AFailedWriteLeavesTheOldFile)
{
    Calculadora b;
    b.calc.TagHost = QStringLiteral("1/sem-pasta/x");  // a file name in a folder that is not there
    EXPECT_FALSE(b.calc.GravarArquivoFita());
    b.calc.TagHost = QStringLiteral("1");
    const QString velho = arquivoFita(b);
    escrever(velho, "velho");
    globais().gPastaApp = velho + QLatin1Char('/');  // the "folder" is a file
    EXPECT_FALSE(b.calc.GravarArquivoFita());
    EXPECT_EQ(ler(velho), QByteArray("velho"));
}

// ---- the record as text ------------------------------------------------------------------

TEST(RegistroFita, FieldsAreReadAsTheRecordFormDefines)
{
    struct Caso {
        const char* bytes;
        EstadoFita esperado;
    };
    const Caso casos[] = {
        {"\"d\",\"a,b\r\nc\",\"1\",\"+\",\"2\",\"3\",\"004\"\r\n", {"d", "a,b\r\nc", "1", "+", "2", "3", "004"}},
        {"  \"d\"  ,\"f\"xyz,\"1\"\r\n\"+\"", {"d", "f", "1", "+", {}, {}, {}}},
        {"d , f,1 ,+,2,3,4", {"d", "f", "1", "+", "2", "3", "4"}},
        {"\"d\",,\"\",x", {"d", {}, {}, "x", {}, {}, {}}},
        {"\"d\",\"sem fim", {"d", "sem fim", {}, {}, {}, {}, {}}},
        {"\"d\",\"\xD7\x80\"", {"d", QStringLiteral("×€"), {}, {}, {}, {}, {}}},
        {"", {}},
    };
    for (const Caso& caso : casos) {
        const auto lido = LerEstadoFita(QByteArrayView(caso.bytes));
        ASSERT_TRUE(lido) << caso.bytes;
        EXPECT_EQ(*lido, caso.esperado) << caso.bytes;
    }
    EXPECT_FALSE(LerEstadoFita(QByteArray(kMaiorArquivoFita + 1, 'x')));
}

TEST(RegistroFita, AQuoteOrACharacterOutsideTheCodePageCannotBreakTheRecord)
{
    const EstadoFita estado{"d", QStringLiteral("a\"b ł"), "1", "+", "2", "3", "004"};
    const QByteArray bytes = EscreverEstadoFita(estado);
    EXPECT_EQ(bytes, QByteArray("\"d\",\"a'b ?\",\"1\",\"+\",\"2\",\"3\",\"004\"\r\n"));
    EXPECT_EQ(LerEstadoFita(bytes)->contador, QStringLiteral("004"));
}

TEST(RegistroFita, TextEnteringTheTapeLosesQuotesAndKeepsWhatTheCodePageHolds)
{
    EXPECT_EQ(textoParaFita(QStringLiteral("a\"b×÷€é\r\nł😀")), QStringLiteral("ab×÷€é\r\n??"));
}

}  // namespace
