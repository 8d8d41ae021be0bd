#include "host/ui/frmsystray.h"

#include "host/ambiente.h"
#include "host/comando.h"
#include "host/texto.h"
#include "host/ui/icone.h"
#include "platform/blanks.h"
#include "platform/ui/logindpower.h"
#include "platform/ui/qtservices.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QSystemTrayIcon>

namespace tarvelo {
namespace {

void deixarEventosCorrerem()
{
    QCoreApplication::processEvents();
}

}  // namespace

frmSysTray::frmSysTray(RegistroJanelas& janelas, ServicosHost servicos, Globais& g, QObject* parent)
    : QObject(parent), janelas_(janelas), servicos_(std::move(servicos)), g_(g)
{
    setObjectName(QStringLiteral("frmSysTray"));
    if (!servicos_.relogio)
        servicos_.relogio = std::make_shared<SystemClock>();
    criarMenu();
    if (!servicos_.mensagens)
        servicos_.mensagens = std::make_shared<QtMessageService>();
    if (!servicos_.entrada)
        servicos_.entrada = std::make_shared<QtInputService>();
    if (!servicos_.energia)
        servicos_.energia = std::make_shared<LogindPowerService>();
    if (!servicos_.beep)
        servicos_.beep = [] { QApplication::beep(); };
    tmrTempo.setInterval(500);
    connect(&tmrTempo, &QTimer::timeout, this, &frmSysTray::tmrTempo_Timer);
    tmrTray.setInterval(200);
    connect(&tmrTray, &QTimer::timeout, this, &frmSysTray::tmrTray_Timer);
}

frmSysTray::~frmSysTray()
{
    if (icone_)
        icone_->hide();
}

void frmSysTray::criarMenu()
{
    mnu0_ = std::make_unique<QMenu>();
    mnu0_->setObjectName(QStringLiteral("mnu0"));

    mnuSystray_ = mnu0_->addAction(QStringLiteral("Exibir Calculadora    Ctrl+Shift+C"));
    mnuSystray_->setObjectName(QStringLiteral("mnuSystray"));
    QFont negrito = mnuSystray_->font();
    negrito.setBold(true);
    mnuSystray_->setFont(negrito);
    mnu0_->setDefaultAction(mnuSystray_);
    connect(mnuSystray_, &QAction::triggered, this, &frmSysTray::mnuSystray_Click);

    mnu0_->addSeparator();
    mnuUtil_ = mnu0_->addMenu(QStringLiteral("Utilitário&s"));
    mnuUtil_->setObjectName(QStringLiteral("mnuUtil"));

    mnuDesligar_ = mnuUtil_->addAction(QStringLiteral("Agendar Horário para Desligar o PC"));
    mnuDesligar_->setObjectName(QStringLiteral("mnuDesligar"));
    ligarMarcavel(mnuDesligar_, this, [this] { mnuDesligar_Click(); });
    adicionarAlarme()->setText(QStringLiteral("Agendar Horário para Alarme"));

    mnuUtil_->addSeparator();
    mnuAtalho_ = mnuUtil_->addAction(QStringLiteral("Criar Atalho no Menu de Aplicativos"));
    mnuAtalho_->setObjectName(QStringLiteral("mnuAtalho"));
    connect(mnuAtalho_, &QAction::triggered, this, &frmSysTray::mnuAtalho_Click);

    mnu0_->addSeparator();
    mnuSair_ = mnu0_->addAction(QStringLiteral("Sair"));
    mnuSair_->setObjectName(QStringLiteral("mnuSair"));
    connect(mnuSair_, &QAction::triggered, this, &frmSysTray::mnuSair_Click);
}

QAction* frmSysTray::mnuAlarme(int index) const
{
    return index >= 0 && index < AlarmesNoMenu() ? mnuAlarme_[static_cast<std::size_t>(index)] : nullptr;
}

QString frmSysTray::lerConfiguracao(const PreferenciaNumero& p) const
{
    const QString padrao = QString::number(p.padrao);
    if (!servicos_.GetSetting)
        return padrao;
    return servicos_.GetSetting(p.secao.toString(), p.chave.toString(), padrao);
}

void frmSysTray::Form_Load()
{
    if (papel_ != Papel::Carregando || descarregando_)
        return;
    if (g_.gFechando) {
        Unload();
        return;
    }

    carregarAmbiente(g_, {servicos_.ambiente, servicos_.caminhoExe,
                          lerConfiguracao(pref::Idioma)});

    const QString nome = servicos_.nomeCanal.isEmpty() ? CanalInstancia::nomePadrao(g_.gPastaApp) : servicos_.nomeCanal;
    canal_ = new CanalInstancia(nome, this);
    connect(canal_, &CanalInstancia::comandoRecebido, this, &frmSysTray::ComandoEncaminhado);
    connect(canal_, &CanalInstancia::arquivoRecebido, this, &frmSysTray::ArquivoEncaminhado);
    connect(canal_, &CanalInstancia::fechamentoPedido, this, &frmSysTray::Unload);

    const QString comando = g_.gComando;
    if (ePalavraDeFechar(comando)) {
        // The running copy closes through its own close path (writing its tape state);
        // only then does this start go on, or, for "fechar", end.
        canal_->pedirFechamento(servicos_.esperaFechamentoMs);
        // Events ran while waiting; a signal may have ended this start meanwhile.
        if (descarregando_)
            return;
        if (eFechar(comando)) {
            Unload();
            return;
        }
    }

    const CanalInstancia::Reivindicacao reivindicacao = canal_->reivindicar();
    if (descarregando_) {
        canal_->encerrar();
        return;
    }
    JanelaCalculadora* calculadora = janelas_.calculadora();
    // A channel that cannot be opened leaves this start as an ordinary first copy.
    if (reivindicacao != CanalInstancia::Reivindicacao::CopiaRodando) {
        papel_ = Papel::PrimeiraCopia;
        if (servicos_.repararConfiguracoes)
            servicos_.repararConfiguracoes();
        SysTray(3);
        PiscarIcone();
        fTraduzir(g_.gIdioma == 1);
        // Where no tray is, an icon alone would leave nothing to reach the program by.
        if (!eSystray(comando) || !BandejaDisponivel()) {
            g_.gFechando = false;
            if (calculadora)
                calculadora->Show();
        }
        // Without a calculator window no first activation will take the splash down.
        if (!calculadora)
            janelas_.descarregar(QStringLiteral("frmStart"));
        return;
    }

    if (eSegundaCalculadora(comando)) {
        tag_ = QStringLiteral("2");
        papel_ = Papel::SegundaCalculadora;
        g_.gFechando = false;
        // A second calculator is its window and nothing else: with no window it ends.
        if (!calculadora) {
            Unload();
            return;
        }
        calculadora->Show();
        if (pedeModoTempo(comando))
            calculadora->mnuTempo_Click();
        return;
    }

    // The poke is lost silently when the running copy cannot take it; this start ends
    // either way. A file goes by its whole path: the running copy has a folder of its own.
    if (const QString arquivo = arquivoDoComando(comando); !arquivo.isEmpty())
        canal_->encaminharArquivo(QFileInfo(arquivo).absoluteFilePath());
    else
        canal_->encaminhar(textoEncaminhado(comando, servicos_.relogio->now().time()));
    deixarEventosCorrerem();
    Unload();
}

void frmSysTray::Unload()
{
    if (descarregando_)
        return;
    descarregando_ = true;
    g_.gFechando = true;
    SysTray(4);
    tmrTempo.stop();
    tmrTray.stop();
    for (const QString& nome : RegistroJanelas::ordemDeFechamento())
        janelas_.descarregar(nome);
    deixarEventosCorrerem();
    // The channel closes last: a start waiting with "fechar" goes on only once the
    // calculator has written its tape state.
    if (canal_)
        canal_->encerrar();
    papel_ = Papel::Encerrado;
    emit descarregado();
}

void frmSysTray::SysTray(int op)
{
    if (op == 4) {
        if (icone_)
            icone_->hide();
        iconePresente_ = false;
        return;
    }
    if (op == 3) {
        if (iconePresente_)
            return;
        iconeMostrado_ = 0;
        iconePresente_ = true;
        // Putting an icon in the panel takes several milliseconds, and at start-up they
        // would come before the calculator window: the icon follows from the event loop.
        if (!iconeNativoPendente_) {
            iconeNativoPendente_ = true;
            QTimer::singleShot(0, this, &frmSysTray::mostrarIconeNativo);
        }
        return;
    }
    if (op != 0 && op != 2)
        return;
    iconeMostrado_ = op;
    if (icone_ && iconePresente_)
        icone_->setIcon(iconePrograma(op == 2));
}

void frmSysTray::mostrarIconeNativo()
{
    iconeNativoPendente_ = false;
    if (!iconePresente_)
        return;
    if (!icone_) {
        icone_ = std::make_unique<QSystemTrayIcon>();
        icone_->setContextMenu(mnu0_.get());
        connect(icone_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason motivo) { iconeAtivado(motivo); });
    }
    icone_->setIcon(iconePrograma(iconeMostrado_ == 2));
    icone_->setToolTip(QStringLiteral("Tarvelo"));
    icone_->show();
}

void frmSysTray::iconeAtivado(int motivo)
{
    switch (static_cast<QSystemTrayIcon::ActivationReason>(motivo)) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
        mnuSystray_Click();
        break;
    case QSystemTrayIcon::Context:
        // The icon opens its context menu itself.
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

// A click on a tick item must not tick it by itself: its handler decides, as the armed
// state of an alarm depends on what the user answers.
void frmSysTray::ligarMarcavel(QAction* acao, QObject* contexto, std::function<void()> handler)
{
    acao->setCheckable(true);
    QObject::connect(acao, &QAction::triggered, contexto, [acao, handler = std::move(handler)](bool marcado) {
        acao->setChecked(!marcado);
        handler();
    });
}

void frmSysTray::legendar(QAction* acao, const QString& texto)
{
    // A topic the catalogue lacks keeps the caption the item has, so no menu item is ever
    // left blank.
    if (acao && !texto.isEmpty())
        acao->setText(texto);
}

void frmSysTray::fTraduzir(bool pular)
{
    if (pular)
        return;
    legendar(mnuSystray_, fTexto(81, QStringLiteral("   Ctrl+Shift+C")));
    legendar(mnuUtil_->menuAction(), fTexto(83));
    legendar(mnuAlarme_.front(), trimBlanks(fTexto(67)));
    legendar(mnuDesligar_, trimBlanks(fTexto(70)));
    legendar(mnuAtalho_, fTexto(85));
    legendar(mnuSair_, fTexto(87));
}

void frmSysTray::AbrirUtil()
{
    mnuUtil_->popup(QCursor::pos());
}

void frmSysTray::mnuSystray_Click()
{
    if (descarregando_)
        return;
    g_.gFechando = false;
    JanelaCalculadora* calculadora = janelas_.calculadora();
    if (!calculadora)
        return;
    calculadora->Show();
    deixarEventosCorrerem();
    // The window may have been unloaded by something that ran meanwhile.
    if (JanelaCalculadora* ainda = janelas_.calculadora(); ainda && ainda->Carregada())
        ainda->Ativar();
    deixarEventosCorrerem();
}

void frmSysTray::mnuSair_Click()
{
    Unload();
}

void frmSysTray::ComandoEncaminhado(const QString& texto)
{
    if (descarregando_ || texto.isEmpty())
        return;
    mnuSystray_Click();
    JanelaCalculadora* calculadora = janelas_.calculadora();
    if (!calculadora || descarregando_)
        return;
    switch (ferramentaEncaminhada(texto)) {
    case Ferramenta::Tempo:
        calculadora->mnuTempo_Click();
        break;
    case Ferramenta::Juro:
        calculadora->mnuJuro_Click();
        break;
    case Ferramenta::Peso:
        calculadora->mnuPeso_Click();
        break;
    case Ferramenta::Data:
        calculadora->mnuData_Click();
        break;
    case Ferramenta::Nenhuma:
        break;
    }
}

void frmSysTray::ArquivoEncaminhado(const QString& caminho)
{
    if (descarregando_ || caminho.isEmpty())
        return;
    mnuSystray_Click();
    JanelaCalculadora* calculadora = janelas_.calculadora();
    if (calculadora && !descarregando_)
        calculadora->AbrirArquivo(caminho);
}

bool frmSysTray::BandejaDisponivel() const
{
    if (servicos_.bandejaDisponivel)
        return servicos_.bandejaDisponivel();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool frmSysTray::AlarmeArmado() const
{
    for (const QAction* alarme : mnuAlarme_) {
        if (alarme->isChecked())
            return true;
    }
    return false;
}

bool frmSysTray::DesligarArmado() const
{
    return mnuDesligar_->isChecked();
}

bool frmSysTray::FicarNaBandeja(bool opcaoSystray)
{
    const bool armado = AlarmeArmado() || DesligarArmado();
    if (!descarregando_ && !g_.gFechando && (armado || (opcaoSystray && BandejaDisponivel()))) {
        // A running program always shows its icon, even when the user's option had
        // taken it away.
        SysTray(3);
        PiscarIcone();
        g_.gFechando = true;
        return true;
    }
    Unload();
    return false;
}

void frmSysTray::PiscarIcone()
{
    if (!descarregando_ && !tmrTray.isActive())
        tmrTray.start();
}

void frmSysTray::tmrTray_Timer()
{
    if (desligarNoTick())
        return;
    beepsDosAlarmes();
    if (tmrTrayTag_.isEmpty())
        ContaPiscadas = 0;
    if (tmrTrayTag_ == QLatin1String("0")) {
        tmrTrayTag_ = QStringLiteral("1");
        SysTray(2);
    } else {
        tmrTrayTag_ = QStringLiteral("0");
        SysTray(0);
    }
    if (ContaPiscadas < 255)
        ++ContaPiscadas;
    if (ContaPiscadas > 13 && tmrTempoTag_.isEmpty()) {
        tmrTray.stop();
        tmrTrayTag_.clear();
        SysTray(0);
    }
}

}  // namespace tarvelo
