// The tape and the settings survive a full disk, a kill and odd files in their place, and
// the user hears of every save that failed, once.

#include "support/calculadora.h"

#include "support/arquivos.h"
#include "support/discopequeno.h"
#include "support/esperar.h"

#include "calc/fita_arquivo.h"
#include "host/avisogravacao.h"
#include "host/texto.h"
#include "platform/fileio.h"
#include "platform/messagebox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

void escrever(const QString& caminho, const QByteArray& bytes)
{
    ASSERT_TRUE(writeFileAtomically(caminho, bytes).ok());
}

// Lets the writes and messages that wait for the event loop run.
void deixarCorrer()
{
    esperarAte([] { return false; }, 20);
}

const QByteArray kRegistroDeHoje = "\"05/03/2025\",\" 05/03/2025 qua           \r\n =========================\r\n"
                                   "                       7 +\r\n\",\"7\",\"+\",\"0\",\"7\",\"001\"\r\n";

TEST(DiscoCheio, TheTapeAndItsBackupStayAsTheyWereAndTheUserIsToldOnce)
{
    DiscoPequeno disco;
    TARVELO_EXIGIR_DISCO_PEQUENO(disco);
    Calculadora b;
    b.calc.mnuBackup.setChecked(true);
    globais().gPastaApp = disco.path() + QLatin1Char('/');
    const QString fita = disco.filePath(QStringLiteral("calc1.fita"));
    const QString backup = disco.filePath(QStringLiteral("calcula.txt"));
    escrever(fita, kRegistroDeHoje);
    // A whole page: on tmpfs the free end of a file's last page takes an append even on a full disk.
    const QByteArray blocoAntigo = QByteArray(4094, 'o') + "\r\n";
    escrever(backup, blocoAntigo);
    disco.encher();
    const QStringList antes = conteudoDaPasta(disco.path());

    b.teclas(QStringLiteral("4321+1234+"));
    EXPECT_FALSE(b.calc.GravarArquivoFita());
    b.teclas(QStringLiteral("1="));
    EXPECT_FALSE(b.calc.GravarArquivoFita());
    const QString naTela = b.calc.txtFita.Text();
    b.calc.mnuLimpar_Click();
    b.calc.mnuLimpar_Click();
    deixarCorrer();

    EXPECT_EQ(lerTudo(fita), kRegistroDeHoje);
    EXPECT_EQ(lerTudo(backup), blocoAntigo);
    EXPECT_EQ(conteudoDaPasta(disco.path()), antes);
    EXPECT_EQ(b.calc.txtFita.Text(), naTela) << "a tape not backed up is not cleared";
    ASSERT_EQ(b.mensagens.vistas.size(), 2u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, AvisoGravacao::textoFalha(fita, systemErrorText(ENOSPC)));
    EXPECT_EQ(b.mensagens.vistas[1].texto, fTexto(172, backup));
}

TEST(DiscoCheio, ASettingIsNotStoredAndTheUserIsToldOnce)
{
    DiscoPequeno disco;
    TARVELO_EXIGIR_DISCO_PEQUENO(disco);
    Registry registro(disco.filePath(QStringLiteral("registry")));
    SettingsStore configuracoes(registro);
    ASSERT_TRUE(configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QStringLiteral("1")));
    const QString colmeia = registro.hiveFilePath(Hive::CurrentUser);
    const QByteArray antes = lerTudo(colmeia);
    MensagensFalsas mensagens;
    AvisoGravacao aviso(mensagens);
    registro.onWriteFailed = [&aviso](const QString& arquivo, const QString& motivo) { aviso.falhou(arquivo, motivo); };
    disco.encher();
    const QStringList arquivos = conteudoDaPasta(registro.folder());

    EXPECT_FALSE(configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QString(8000, u'2')));
    EXPECT_FALSE(configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QString(8000, u'3')));
    // Writing back the value just read needs no space and is no failure.
    EXPECT_TRUE(configuracoes.SaveSetting(QStringLiteral("Conf"), QStringLiteral("Cor"), QStringLiteral("1")));

    EXPECT_EQ(lerTudo(colmeia), antes);
    EXPECT_EQ(conteudoDaPasta(registro.folder()), arquivos);
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_TRUE(mensagens.vistas[0].texto.contains(colmeia));
    EXPECT_TRUE(mensagens.vistas[0].texto.contains(systemErrorText(ENOSPC)));
}

TEST(ArquivoFitaEstranho, NothingIsWaitedOnNorLostAndTheUserIsToldOnce)
{
    struct Caso {
        const char* nome;
        std::function<void(const QString&)> criar;
        bool guardado;  // kept aside, with the one message
    };
    const Caso casos[] = {
        {"fifo", [](const QString& c) { ASSERT_EQ(::mkfifo(QFile::encodeName(c).constData(), 0600), 0); }, true},
        {"folder", [](const QString& c) { ASSERT_TRUE(QDir().mkpath(c)); }, true},
        {"dangling link", [](const QString& c) { ASSERT_TRUE(QFile::link(c + QStringLiteral("-gone"), c)); }, true},
        {"0 bytes", [](const QString& c) { escrever(c, {}); }, false},
        {"over the limit",
         [](const QString& c) {
             QFile f(c);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             ASSERT_TRUE(f.write("\"05/03/2025\",\"") > 0 && f.resize(kMaiorArquivoFita + 1));
         },
         true},
        {"garbage", [](const QString& c) { escrever(c, QByteArray(64 * 1024, '\x9c')); }, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Calculadora b;
        b.calc.Visible = false;
        b.calc.mnuBackup.setChecked(true);
        const QString fita = b.pasta() + QStringLiteral("calc1.fita");
        caso.criar(fita);
        QElapsedTimer relogio;
        relogio.start();
        b.calc.CarregarArquivoFita();
        EXPECT_LT(relogio.elapsed(), 2000);
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho));
        deixarCorrer();

        const QStringList guardados = QDir(b.pasta()).entryList({QStringLiteral("calc1.fita.damaged-*")},
                                                                QDir::AllEntries | QDir::System);
        EXPECT_EQ(guardados.size(), caso.guardado ? 1 : 0);
        ASSERT_EQ(b.mensagens.vistas.size(), caso.guardado ? 1u : 0u);
        if (caso.guardado) {
            EXPECT_TRUE(b.mensagens.vistas[0].texto.contains(guardados.value(0)));
        }
        // The fresh tape was written in its place.
        EXPECT_TRUE(lerTudo(fita).startsWith("\"05/03/2025\",\" 05/03/2025 qua"));
    }
}

TEST(GravacaoContinua, TotalsAndClearsAreWrittenAtOnceAndAnOldTapeIsBackedUpOnce)
{
    Calculadora b;
    b.calc.Visible = false;
    b.calc.mnuBackup.setChecked(true);
    const QString fita = b.pasta() + QStringLiteral("calc1.fita");
    escrever(fita, "\"04/03/2025\",\" 04/03/2025 ter           \r\n =========================\r\n"
                   "                       9 +\r\n\",\"9\",\"+\",\"0\",\"9\",\"001\"\r\n");
    b.calc.CarregarArquivoFita();
    deixarCorrer();
    const QByteArray umBackup = b.backup();
    ASSERT_FALSE(umBackup.isEmpty());
    EXPECT_TRUE(lerTudo(fita).startsWith("\"05/03/2025\"")) << "the state is marked as backed up at once";

    // A kill now and a restart: the old tape is not backed up a second time.
    const QString pasta = b.pasta();
    Calculadora depois;
    depois.calc.Visible = false;
    depois.calc.mnuBackup.setChecked(true);
    globais().gPastaApp = pasta;
    depois.calc.CarregarArquivoFita();
    deixarCorrer();
    EXPECT_EQ(depois.backup(), umBackup);

    depois.calc.Visible = true;
    depois.calc.SetFocus(depois.calc.txtEntrada);
    depois.teclas(QStringLiteral("8506+240="));
    deixarCorrer();
    EXPECT_TRUE(lerTudo(fita).contains("                   8.746 T\r\n")) << lerTudo(fita).constData();
}

// A calculator whose state file can no longer be written, once its background save is armed.
class GravacaoAoFundo : public ::testing::Test {
protected:
    void SetUp() override
    {
        b.calc.CarregarArquivoFita();
        deixarCorrer();
        pastaBoa = globais().gPastaApp;
        quebrar();
    }
    void quebrar() { globais().gPastaApp = pastaBoa + QStringLiteral("gone/"); }
    void consertar() { globais().gPastaApp = pastaBoa; }
    QString fita() const { return globais().gPastaApp + QStringLiteral("calc1.fita"); }
    QString falha() const { return AvisoGravacao::textoFalha(fita(), systemErrorText(ENOENT)); }

    Calculadora b;
    QString pastaBoa;
};

TEST_F(GravacaoAoFundo, AFailureWaitsForTheKeysToStopAndTakesNoneOfThem)
{
    QElapsedTimer desdeATecla;
    qint64 silencioAoMostrar = -1;
    b.mensagens.enquantoAberta = [&] { silencioAoMostrar = desdeATecla.elapsed(); };
    const auto teclar = [&](const QString& teclas) {
        b.teclas(teclas);
        desdeATecla.start();
    };

    teclar(QStringLiteral("5+3="));  // a total: its save fails at once, in the background
    deixarCorrer();
    // The user types on for a while: every key reaches the calculator, none waits on a box.
    for (int i = 0; i < 8; ++i) {
        teclar(QStringLiteral("1+"));
        esperarAte([] { return false; }, 200);
    }
    teclar(QStringLiteral("="));
    const std::size_t vistasAoParar = b.mensagens.vistas.size();
    ASSERT_TRUE(esperarAte([&] { return !b.mensagens.vistas.empty(); }, 20000));
    deixarCorrer();

    EXPECT_EQ(vistasAoParar, 0u);
    EXPECT_GE(silencioAoMostrar, 1000) << "shown only once the keys had stopped";
    ASSERT_EQ(b.mensagens.vistas.size(), 1u) << "the failures of every later save are the same one";
    EXPECT_EQ(b.mensagens.vistas[0].texto, falha());
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Critical | mb::KeysAfterPause);
    QString umMais;
    for (int i = 0; i < 7; ++i)
        umMais += QStringLiteral("                       1 +\r\n");
    EXPECT_EQ(b.linhas(), QStringLiteral("                       5 +\r\n                       3 =\r\n 002                      \r\n"
                                         "                       8 T\r\n =========================\r\n")
                              + umMais
                              + QStringLiteral("                       1 =\r\n 008                      \r\n"
                                               "                       8 T\r\n =========================\r\n"));
}

TEST_F(GravacaoAoFundo, TheCloseTellsAtOnceAndASaveThatWorksAgainLeavesNothingToTell)
{
    b.teclas(QStringLiteral("5+3="));
    deixarCorrer();
    EXPECT_FALSE(b.calc.GravarArquivoFita());
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, falha());
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Critical);

    consertar();
    b.teclas(QStringLiteral("2+2="));
    deixarCorrer();
    quebrar();
    b.teclas(QStringLiteral("4+4="));
    deixarCorrer();
    consertar();
    b.teclas(QStringLiteral("6+6="));
    EXPECT_FALSE(esperarAte([&] { return b.mensagens.vistas.size() > 1; }, 2500));
    EXPECT_TRUE(lerTudo(fita()).contains("                       6 =\r\n 002")) << lerTudo(fita()).constData();
}

}  // namespace
