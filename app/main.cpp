#include "host/comando.h"
#include "host/globais.h"
#include "host/ui/estiloprograma.h"
#include "host/ui/frmstart.h"
#include "host/ui/frmsystray.h"
#include "host/ui/icone.h"
#include "host/ui/janelas.h"
#include "mainwindow/calculadorapadrao.h"
#include "mainwindow/servicosjanela.h"
#include "platform/desktopentry.h"
#include "platform/settings.h"
#include "resources/catalogo.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include <fontconfig/fontconfig.h>

namespace tarvelo {
namespace {

// SIGTERM, SIGINT and SIGHUP only write a byte here; the event loop picks it up and runs
// the program's one close path, so the tape state is written however the program is
// asked to end.
int gSinalFd[2] = {-1, -1};

void aoSinal(int sinal)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t escrito = ::write(gSinalFd[1], &byte, 1);
    // A second signal of the same kind ends the program at once, should the close path
    // hang (a dialog nobody answers).
    std::signal(sinal, SIG_DFL);
}

bool instalarSinais()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSinalFd) != 0)
        return false;
    struct sigaction acao = {};
    acao.sa_handler = aoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sinal, &acao, nullptr);
    return true;
}

// The sentence for a start without a display to connect to, or nothing when there may be one.
std::optional<QString> motivoSemTela()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    if (plataforma.startsWith("wayland"))
        return wayland ? std::nullopt : std::optional<QString>(QStringLiteral("WAYLAND_DISPLAY is not set"));
    if (!plataforma.isEmpty() && !plataforma.startsWith("xcb"))
        return std::nullopt;
    if (qgetenv("DISPLAY").isEmpty() && !(wayland && plataforma.isEmpty()))
        return QStringLiteral("no graphical display is available (DISPLAY is not set)");
    return std::nullopt;
}

void avisarSemTela(const QString& motivo)
{
    std::fprintf(stderr,
                 "Tarvelo: %s.\nTarvelo is a desktop program: start it inside a graphical session, or set DISPLAY "
                 "to a running X server.\n",
                 qPrintable(motivo));
}

// Whether a display that is set can be opened only QApplication's own connection finds out:
// a test connection of ours, closed again at once, would cost every start a connection and,
// on an X server that resets when its last client leaves, a whole server reset. Qt reports
// the refused connection and then ends the program with abort(); while QApplication is
// being built, that end becomes the program's sentence and an ordinary failed exit.
QtMessageHandler gMensagensQt = nullptr;
bool gTelaRecusada = false;

void aoConectarTela(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensagem)
{
    const bool recusa = qstrcmp(contexto.category, "qt.qpa.xcb") == 0
                        && mensagem.startsWith(QLatin1String("could not connect to display"));
    if (recusa) {
        gTelaRecusada = true;
        return;
    }
    if (gTelaRecusada && tipo == QtFatalMsg) {
        avisarSemTela(QStringLiteral("the display \"%1\" cannot be opened").arg(QString::fromLocal8Bit(qgetenv("DISPLAY"))));
        std::_Exit(1);
    }
    // What follows the refusal is Qt's account of the same failure.
    if (gTelaRecusada && qstrcmp(contexto.category, "qt.qpa.plugin") == 0)
        return;
    gMensagensQt(tipo, contexto, mensagem);
}

// What the first windows need and the display does not: the font configuration and its
// caches, the text catalogue and the decoded program icon. Prepared on a thread of its own
// while QApplication connects to the display, instead of one after the other.
void prepararSemTela()
{
    FcInit();
    catalogo();
    decodificarIconePrograma();
}

// Start-up: keeps the command line, puts up the splash (only loaded for "systray" and
// "fechar"), whose timer loads the host; the host decides what this start becomes.
int Main(QApplication& app)
{
    Globais& g = globais();
    g.gCrLf2 = QStringLiteral("\r\n\r\n");
    g.gComando = app.arguments().mid(1).join(QLatin1Char(' '));

    RegistroJanelas janelas;
    ServicosHost servicos;
    servicos.caminhoExe = QCoreApplication::applicationFilePath();
    servicos.GetSetting = [](const QString& secao, const QString& chave, const QString& padrao) {
        return settings().GetSetting(secao, chave, padrao);
    };
    servicos.repararConfiguracoes = [] { settings().store().repair(Hive::CurrentUser); };
    frmSysTray host(janelas, servicos);
    frmStart splash([&host] { host.Form_Load(); });
    janelas.registrar(QStringLiteral("frmStart"), &splash);
    // The calculator window registers itself in `janelas` as "frmCalcula", before the
    // splash hands over to the host.
    ServicosDoSistema sistema;
    CalculadoraPadrao calculadora(host, janelas, sistema.servicos());

    // Every way of ending runs host.Unload(): the tray's exit, a later "fechar", the
    // calculator's close, a signal, the session ending, or anything that quits Qt.
    QObject::connect(&host, &frmSysTray::descarregado, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &host, [&host](QSessionManager&) { host.Unload(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &host, &frmSysTray::Unload);
    std::optional<QSocketNotifier> sinais;
    if (instalarSinais()) {
        sinais.emplace(gSinalFd[0], QSocketNotifier::Read);
        QObject::connect(&*sinais, &QSocketNotifier::activated, &host, [&host] {
            char byte = 0;
            [[maybe_unused]] const ssize_t lido = ::read(gSinalFd[0], &byte, 1);
            host.Unload();
        });
    }

    const bool mostrarSplash = !splashOculto(g.gComando);
    splash.Load(mostrarSplash);
    // The splash's wait would leave the program idle: the calculator's window is built
    // there, for the start that shows it, instead of after the host has loaded.
    QTimer::singleShot(0, &calculadora, [&calculadora, mostrarSplash] {
        if (mostrarSplash)
            calculadora.Preparar();
        else
            CalculadoraPadrao::PrepararFontes();
    });
    const int resultado = app.exec();
    host.Unload();
    janelas.remover(QStringLiteral("frmStart"), &splash);
    return resultado;
}

}  // namespace
}  // namespace tarvelo

int main(int argc, char** argv)
{
    if (const auto motivo = tarvelo::motivoSemTela()) {
        tarvelo::avisarSemTela(*motivo);
        return 1;
    }
    std::thread preparo(tarvelo::prepararSemTela);
    tarvelo::gMensagensQt = qInstallMessageHandler(tarvelo::aoConectarTela);
    QApplication app(argc, argv);
    qInstallMessageHandler(tarvelo::gMensagensQt);
    preparo.join();
    QApplication::setStyle(new tarvelo::EstiloPrograma);
    QApplication::setApplicationName(QStringLiteral("Tarvelo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELO_VERSION));
    QApplication::setDesktopFileName(tarvelo::kDesktopId);
    QApplication::setWindowIcon(tarvelo::iconePrograma());
    QApplication::setQuitOnLastWindowClosed(false);
    return tarvelo::Main(app);
}
