#include "janelasfalsas.h"

#include "support/ambiente.h"
#include "support/arquivos.h"

#include "host/globais.h"
#include "host/ui/canalinstancia.h"
#include "host/ui/frmsystray.h"
#include "platform/localeinfo.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Host : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    QTemporaryDir pasta;
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globaisDoProcesso;
};

TEST_F(Host, FirstCopyListensShowsTheCalculatorAndBlinks)
{
    Copia primeira(pasta.path(), QString());
    primeira.host->Form_Load();

    EXPECT_EQ(primeira.host->papel(), frmSysTray::Papel::PrimeiraCopia);
    EXPECT_EQ(primeira.host->Tag(), QStringLiteral("1"));
    EXPECT_TRUE(primeira.host->canal()->escutando());
    EXPECT_TRUE(primeira.host->IconePresente());
    EXPECT_TRUE(primeira.host->Piscando());
    EXPECT_FALSE(primeira.g.gFechando);
    EXPECT_EQ(primeira.diario, QStringList{QStringLiteral("Show")});
    EXPECT_EQ(primeira.g.gPastaApp, pasta.path() + QLatin1Char('/'));
    // Settings damaged on disk are repaired once, and told in the interface language.
    EXPECT_EQ(primeira.idiomasAoReparar, QList<int>{1});

    // 14 ticks of 200 ms, ending on the normal image.
    QElapsedTimer relogio;
    relogio.start();
    ASSERT_TRUE(esperarAte([&] { return !primeira.host->Piscando(); }, 6000));
    EXPECT_GE(relogio.elapsed(), 2500);
    EXPECT_EQ(primeira.host->IconeMostrado(), 0);
}

TEST_F(Host, SystrayStartsWithTheIconAloneOnlyWhereATrayShowsIt)
{
    const struct {
        const char* comando;
        bool bandeja;
        QStringList chamadas;
    } casos[] = {
        {"systray", true, {}},
        // No tray (a window manager alone): a start with the session must still show something.
        {"systray", false, {"Show"}},
        // A capital S is no command word.
        {"Systray", true, {"Show"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::Message() << caso.comando << caso.bandeja);
        QTemporaryDir dados;
        Copia copia(dados.path(), QString::fromLatin1(caso.comando), {}, caso.bandeja);
        copia.host->Form_Load();
        EXPECT_EQ(copia.host->papel(), frmSysTray::Papel::PrimeiraCopia);
        EXPECT_TRUE(copia.host->IconePresente());
        EXPECT_EQ(copia.diario, caso.chamadas);
    }
}

TEST_F(Host, LaterStartsForwardTheirCommandLineWithTheTime)
{
    Copia primeira(pasta.path(), QString());
    primeira.host->Form_Load();
    QStringList recebidos;
    QObject::connect(primeira.host->canal(), &CanalInstancia::comandoRecebido,
                     [&recebidos](const QString& texto) { recebidos << texto; });

    const struct {
        const char* comando;
        QStringList chamadas;
    } casos[] = {
        {"juro", {"Show", "Ativar", "mnuJuro_Click"}},
        {"tempo", {"Show", "Ativar", "mnuTempo_Click"}},
        {"peso", {"Show", "Ativar", "mnuPeso_Click"}},
        {"data", {"Show", "Ativar", "mnuData_Click"}},
        {"", {"Show", "Ativar"}},
        {"systray", {"Show", "Ativar"}},
        {"Juro", {"Show", "Ativar"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.comando);
        primeira.diario.clear();
        Copia depois(pasta.path(), QString::fromLatin1(caso.comando));
        depois.host->Form_Load();
        // The later start ends at once, without a window or an icon of its own.
        EXPECT_EQ(depois.host->papel(), frmSysTray::Papel::Encerrado);
        EXPECT_EQ(depois.descarregamentos, 1);
        EXPECT_FALSE(depois.host->IconePresente());
        EXPECT_TRUE(depois.diario.isEmpty());
        EXPECT_TRUE(depois.idiomasAoReparar.isEmpty()) << "the running copy owns the settings";

        ASSERT_TRUE(esperarAte([&] { return primeira.diario.size() >= caso.chamadas.size(); }));
        EXPECT_EQ(primeira.diario, caso.chamadas);
        EXPECT_EQ(recebidos, QStringList{QString::fromLatin1(caso.comando) + QStringLiteral("14:03:27")});
        recebidos.clear();
    }
    EXPECT_EQ(primeira.host->papel(), frmSysTray::Papel::PrimeiraCopia);
}

// What a file manager does with "open with": a start naming a registry script hands the
// file to the running copy, by its whole path since the two have folders of their own;
// a file named like a start word is a file all the same.
TEST_F(Host, ALaterStartHandsAScriptFileToTheRunningCopy)
{
    Copia primeira(pasta.path(), QString());
    primeira.host->Form_Load();
    QStringList comandos;
    QObject::connect(primeira.host->canal(), &CanalInstancia::comandoRecebido,
                     [&comandos](const QString& texto) { comandos << texto; });

    for (const QString& arquivo : {QStringLiteral("/home/ana/Backup Cheques.REG"), QStringLiteral("copias/juro.reg"),
                                   QStringLiteral("outra_b.reg")}) {
        SCOPED_TRACE(arquivo.toStdString());
        primeira.diario.clear();
        Copia depois(pasta.path(), arquivo);
        depois.host->Form_Load();
        EXPECT_EQ(depois.host->papel(), frmSysTray::Papel::Encerrado);
        ASSERT_TRUE(esperarAte([&] { return primeira.diario.size() >= 3; }));
        EXPECT_EQ(primeira.diario, (QStringList{QStringLiteral("Show"), QStringLiteral("Ativar"),
                                                QStringLiteral("AbrirArquivo ") + QDir::current().absoluteFilePath(arquivo)}));
    }
    EXPECT_TRUE(comandos.isEmpty()) << "no tool word is read from a file name";
}

// A socket file left by a copy that crashed: nobody answers on it.
void deixarSocketMorto(const QString& caminho)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un endereco = {};
    endereco.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(caminho);
    ASSERT_LT(bytes.size(), static_cast<qsizetype>(sizeof endereco.sun_path));
    std::memcpy(endereco.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(caminho));
}

TEST_F(Host, StaleSocketMeansNoRunningCopy)
{
    deixarSocketMorto(CanalInstancia::nomePadrao(pasta.path() + QLatin1Char('/')));
    Copia nova(pasta.path(), QStringLiteral("juro"));
    nova.host->Form_Load();
    EXPECT_EQ(nova.host->papel(), frmSysTray::Papel::PrimeiraCopia);
    EXPECT_TRUE(nova.host->canal()->escutando());
    EXPECT_EQ(nova.diario, QStringList{QStringLiteral("Show")});

    // And it really is reachable now.
    Copia depois(pasta.path(), QStringLiteral("data"));
    depois.host->Form_Load();
    ASSERT_TRUE(esperarAte([&] { return nova.diario.contains(QStringLiteral("mnuData_Click")); }));
}

TEST_F(Host, AChannelNameSomeoneElseCreatedFirstIsNeverUsed)
{
    QTemporaryDir temporaria;
    QTemporaryDir cache;
    VariavelTrocada semRuntime("XDG_RUNTIME_DIR", QString());
    VariavelTrocada tmp("TMPDIR", temporaria.path());
    VariavelTrocada xdgCache("XDG_CACHE_HOME", cache.path());
    // The folder the channel would take in the shared temporary folder, made first by
    // someone else: open to all, and another user's where the test may give it away.
    const QString tomada = temporaria.filePath(QStringLiteral("tarvelo-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkpath(tomada));
    ASSERT_EQ(::chmod(QFile::encodeName(tomada).constData(), 0777), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(tomada).constData(), 65534, 65534), 0);
    }

    const QString nome = CanalInstancia::nomePadrao(pasta.path() + QLatin1Char('/'));
    EXPECT_TRUE(nome.startsWith(cache.path() + QLatin1Char('/'))) << nome.toStdString();
    Copia primeira(pasta.path(), QString());
    primeira.host->Form_Load();
    ASSERT_TRUE(primeira.host->canal()->escutando());
    Copia depois(pasta.path(), QStringLiteral("data"));
    depois.host->Form_Load();
    EXPECT_EQ(depois.host->papel(), frmSysTray::Papel::Encerrado);
    ASSERT_TRUE(esperarAte([&] { return primeira.diario.contains(QStringLiteral("mnuData_Click")); }));
    EXPECT_TRUE(conteudoDaPasta(tomada).isEmpty());
}

TEST_F(Host, ClosingWordsCloseTheRunningCopyBeforeGoingOn)
{
    const struct {
        const char* comando;
        frmSysTray::Papel papelDaNova;
    } casos[] = {
        {"fechar", frmSysTray::Papel::Encerrado},
        {"atualiza", frmSysTray::Papel::PrimeiraCopia},
        {"mini", frmSysTray::Papel::PrimeiraCopia},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.comando);
        QTemporaryDir dados;
        Copia velha(dados.path(), QString());
        velha.host->Form_Load();
        ASSERT_EQ(velha.host->papel(), frmSysTray::Papel::PrimeiraCopia);

        Copia nova(dados.path(), QString::fromLatin1(caso.comando));
        nova.host->Form_Load();
        // By the time the new start goes on, the old one has run its whole close path.
        EXPECT_EQ(velha.host->papel(), frmSysTray::Papel::Encerrado);
        EXPECT_EQ(velha.diario.last(), QStringLiteral("Unload:frmCalcula"));
        EXPECT_FALSE(velha.host->IconePresente());
        EXPECT_TRUE(velha.g.gFechando);

        EXPECT_EQ(nova.host->papel(), caso.papelDaNova);
        const bool mostra = caso.papelDaNova == frmSysTray::Papel::PrimeiraCopia;
        EXPECT_EQ(nova.diario.contains(QStringLiteral("Show")), mostra);
        EXPECT_EQ(nova.host->canal()->escutando(), mostra);
    }
}

TEST_F(Host, FecharWithoutARunningCopyEndsQuietly)
{
    Copia so(pasta.path(), QStringLiteral("fechar"));
    QElapsedTimer relogio;
    relogio.start();
    so.host->Form_Load();
    EXPECT_LT(relogio.elapsed(), 3000);
    EXPECT_EQ(so.host->papel(), frmSysTray::Papel::Encerrado);
    EXPECT_EQ(so.descarregamentos, 1);
    EXPECT_TRUE(so.diario.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(so.host->canal()->nome()));
}

TEST_F(Host, SecondCalculatorRunsBesideTheFirstWithoutTakingItsPlace)
{
    Copia primeira(pasta.path(), QString());
    primeira.host->Form_Load();
    primeira.diario.clear();

    Copia segunda(pasta.path(), QStringLiteral("outratempo"));
    segunda.host->Form_Load();
    EXPECT_EQ(segunda.host->papel(), frmSysTray::Papel::SegundaCalculadora);
    EXPECT_EQ(segunda.host->Tag(), QStringLiteral("2"));
    EXPECT_EQ(segunda.diario, (QStringList{QStringLiteral("Show"), QStringLiteral("mnuTempo_Click")}));
    EXPECT_FALSE(segunda.host->IconePresente());
    EXPECT_FALSE(segunda.host->Piscando());
    EXPECT_FALSE(segunda.host->canal()->escutando());

    // A further start still reaches the first copy.
    Copia terceira(pasta.path(), QString());
    terceira.host->Form_Load();
    ASSERT_TRUE(esperarAte([&] { return primeira.diario.contains(QStringLiteral("Ativar")); }));
    EXPECT_EQ(segunda.diario.size(), 2);

    // "outra" with nothing running is an ordinary first copy.
    QTemporaryDir sozinha;
    Copia unica(sozinha.path(), QStringLiteral("outra"));
    unica.host->Form_Load();
    EXPECT_EQ(unica.host->papel(), frmSysTray::Papel::PrimeiraCopia);
    EXPECT_EQ(unica.host->Tag(), QStringLiteral("1"));
}

TEST_F(Host, ShutDownUnloadsTheRegisteredWindowsInTheFixedOrderOnce)
{
    Copia copia(pasta.path(), QString());
    // Registered out of order; frmData is registered but not loaded; frmRegra and
    // frmPaste are not registered at all.
    JanelaFalsa juro2(QStringLiteral("frmJuro2"), copia.diario);
    JanelaFalsa start(QStringLiteral("frmStart"), copia.diario);
    JanelaFalsa cheque(QStringLiteral("frmCheque"), copia.diario);
    JanelaFalsa data(QStringLiteral("frmData"), copia.diario, false);
    JanelaFalsa peso(QStringLiteral("frmPeso"), copia.diario);
    for (auto [nome, janela] : {std::pair<const char*, Janela*>{"frmJuro2", &juro2}, {"frmStart", &start},
                                {"frmCheque", &cheque}, {"frmData", &data}, {"frmPeso", &peso}})
        copia.janelas.registrar(QString::fromLatin1(nome), janela);

    copia.host->Form_Load();
    copia.diario.clear();
    // The calculator's close handling ends the program again from inside the shut-down.
    bool fechandoNaCalculadora = false;
    copia.calculadora.aoFechar = [&] {
        fechandoNaCalculadora = copia.g.gFechando;
        copia.host->FicarNaBandeja(true);
    };

    copia.host->mnuSair_Click();
    EXPECT_EQ(copia.diario, (QStringList{QStringLiteral("Unload:frmCheque"), QStringLiteral("Unload:frmJuro2"),
                                         QStringLiteral("Unload:frmPeso"), QStringLiteral("Unload:frmStart"),
                                         QStringLiteral("Unload:frmCalcula")}));
    EXPECT_TRUE(fechandoNaCalculadora);
    EXPECT_EQ(copia.descarregamentos, 1);
    EXPECT_FALSE(copia.host->IconePresente());
    EXPECT_FALSE(copia.host->canal()->escutando());

    // Nothing brings a window back once the program is closing.
    copia.host->ComandoEncaminhado(QStringLiteral("juro14:03:27"));
    copia.host->mnuSystray_Click();
    copia.host->Unload();
    EXPECT_EQ(copia.diario.size(), 5);
    EXPECT_EQ(copia.descarregamentos, 1);
}

TEST_F(Host, ClosingTheCalculatorStaysInTheTrayOnlyWhereItCanBeReached)
{
    const struct {
        bool bandeja, opcao, alarme;
        bool fica;
    } casos[] = {
        {true, true, false, true},    // the user's option, a desktop with a tray
        {true, false, false, false},  // option off: the program ends
        {false, true, false, false},  // no tray anywhere: nothing would show the program
        {false, false, true, true},   // an armed alarm keeps it alive regardless
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::Message() << caso.bandeja << caso.opcao << caso.alarme);
        QTemporaryDir dados;
        Copia copia(dados.path(), QString(), {}, caso.bandeja);
        copia.host->Form_Load();
        // The option to stay in the tray may have taken the icon away.
        copia.host->SysTray(4);
        copia.host->mnuAlarme(0)->setChecked(caso.alarme);

        EXPECT_EQ(copia.host->FicarNaBandeja(caso.opcao), caso.fica);
        EXPECT_EQ(copia.host->papel() != frmSysTray::Papel::Encerrado, caso.fica);
        EXPECT_EQ(copia.host->IconePresente(), caso.fica);
        EXPECT_EQ(copia.host->Piscando(), caso.fica);
        EXPECT_TRUE(copia.g.gFechando);

        if (caso.fica) {
            // Back from the tray.
            copia.host->mnuSystray_Click();
            EXPECT_FALSE(copia.g.gFechando);
            EXPECT_EQ(copia.diario.mid(copia.diario.size() - 2),
                      (QStringList{QStringLiteral("Show"), QStringLiteral("Ativar")}));
        }
    }
}

TEST_F(Host, LoadReadsTheLanguageFromTheSettings)
{
    Copia espanhol(pasta.path(), QStringLiteral("systray"), {{QStringLiteral("Conf/Idioma"), QStringLiteral("3")}});
    espanhol.host->Form_Load();
    EXPECT_EQ(espanhol.g.gIdioma, 3);

    QTemporaryDir outra;
    Copia padrao(outra.path(), QStringLiteral("systray"));
    padrao.host->Form_Load();
    EXPECT_EQ(padrao.g.gIdioma, 1);  // the pt-BR fixture's language
}

TEST_F(Host, TrayMenuCaptionsFollowTheLanguage)
{
    Copia copia(pasta.path(), QStringLiteral("systray"));
    frmSysTray& host = *copia.host;
    EXPECT_EQ(host.mnu0()->defaultAction(), host.mnuSystray());
    EXPECT_TRUE(host.mnuSystray()->font().bold());

    globais().gIdioma = 2;
    host.fTraduzir(true);
    EXPECT_EQ(host.mnuSystray()->text(), QStringLiteral("Exibir Calculadora    Ctrl+Shift+C"));

    host.fTraduzir(false);
    const QStringList ingles = {host.mnuSystray()->text(), host.mnuUtil()->title(),    host.mnuAlarme(0)->text(),
                                host.mnuDesligar()->text(), host.mnuAtalho()->text(), host.mnuSair()->text()};
    EXPECT_EQ(ingles, (QStringList{QStringLiteral("Show Calculator    Ctrl+Shift+C"), QStringLiteral("Tool&s"),
                                   QStringLiteral("Set Alarm (Scheduling)"),
                                   QStringLiteral("Set Time to Turn Off the Computer"),
                                   QStringLiteral("Create Shortcut in the Applications Menu"), QStringLiteral("Exit")}));

    // A tick item is ticked by its handler, never by the click itself: the handler finds it
    // unticked and asks for the time; the empty answer leaves it unticked.
    host.mnuDesligar()->trigger();
    EXPECT_EQ(copia.entrada->perguntas.size(), 1u);
    EXPECT_FALSE(host.mnuDesligar()->isChecked());
}

}  // namespace
