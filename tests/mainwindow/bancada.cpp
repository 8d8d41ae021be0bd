#include "bancada.h"

#include "platform/ui/textprinter.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

namespace tarvelo::teste {
namespace {

Globais globaisDaBancada(const QString& pasta, const Bancada::Inicio& inicio)
{
    Globais g;
    g.gPastaApp = pasta;
    g.gComando = inicio.comando;
    g.gDecimal = inicio.americano ? QStringLiteral(".") : QStringLiteral(",");
    g.gFormatoData = inicio.americano ? QStringLiteral("mm/dd/yyyy") : QStringLiteral("dd/mm/yyyy");
    g.gIdioma = inicio.idioma;
    return g;
}

// The roll printer's ports are files of the user's folder; COM2's is never there.
QProcessEnvironment ambientePortas(const QString& pasta)
{
    QProcessEnvironment env;
    for (const QString& porta : kRawPortNames)
        env.insert(QStringLiteral("TARVELO_PORT_") + porta, pasta + porta.toLower());
    return env;
}

}  // namespace

bool ImpressoraGravada::printText(const QString& texto, const QString& familia, int pontos)
{
    trabalhos.push_back({texto, familia, pontos});
    if (!pdf)
        return true;
    return QtTextPrinter::pdf(*pdf).printText(texto, familia, pontos);
}

Bancada::Bancada(Usuario& u, const Inicio& inicio)
    : usuario(u),
      homeAnterior(qgetenv("TARVELO_HOME")),
      escopoRegistro(u.registro),
      globais_(globaisDaBancada(u.pasta, inicio)),
      locale(inicio.americano ? LocaleInfo::unitedStates() : LocaleInfo::brazil()),
      portas(ambientePortas(u.pasta))
{
    // The autostart entry goes where TARVELO_HOME says, never into the session of the user
    // who runs the tests.
    qputenv("TARVELO_HOME", u.pasta.toLocal8Bit());
    for (const QString& porta : kRawPortNames) {
        if (porta != QLatin1String("COM2")) {
            QFile arquivo(u.pasta + porta.toLower());
            arquivo.open(QIODevice::WriteOnly);
        }
    }
    mensagens.depois = mb::Ok;
    shell.comeca = false;
    numLock.ligado = false;
    teclas.disponivel = false;
    host = std::make_unique<frmSysTray>(janelas, servicosHost(usuario));
    ServicosJanela servicos{clipboard, mensagens, entrada, arquivos, inicio.shell ? *inicio.shell : shell, midi,
                            inicio.teclas ? *inicio.teclas : teclas, relogio, usuario.configuracoes, numLock,
                            QStringLiteral("/opt/Tarvelo 9/tarvelo")};
    servicos.impressora = &impressora;
    impressoras.instaladas = {PrinterInfo{QStringLiteral("Escritorio"), QStringLiteral("lp0")}};
    impressoras.padrao = QStringLiteral("Escritorio");
    servicos.impressoras = &impressoras;
    servicos.porta = &portas;
    servicos.bip = [this] { ++bipes; };
    servicos.hotkeys = inicio.hotkeys ? inicio.hotkeys : &hotkeys;
    calculadora = std::make_unique<CalculadoraPadrao>(*host, janelas, servicos);
}

Bancada::~Bancada()
{
    calculadora.reset();
    host.reset();
    // A window closed during the test goes at the next pass of the event loop, which may
    // come in the next test, after the services it still calls on are gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (homeAnterior.isNull())
        qunsetenv("TARVELO_HOME");
    else
        qputenv("TARVELO_HOME", homeAnterior);
}

JanelaCalcula& Bancada::abrir()
{
    calculadora->Show();
    esperarAte([this] { return janela() && form().JaAtivado; });
    return *janela();
}

void Bancada::comando(const QString& item) const
{
    QAction* acao = janela()->acao(item);
    if (!acao) {
        ADD_FAILURE() << "no menu item " << item.toStdString();
        return;
    }
    acao->trigger();
}

QString Bancada::conf(const QString& chave) const
{
    return usuario.configuracoes.GetSetting(QStringLiteral("Conf"), chave, QStringLiteral("<none>"));
}

QByteArray Bancada::porta(const QString& nome) const
{
    QFile arquivo(usuario.pasta + nome.toLower());
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

}  // namespace tarvelo::teste
