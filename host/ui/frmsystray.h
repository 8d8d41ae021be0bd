#pragma once

#include "host/globais.h"
#include "host/preferencias.h"
#include "host/ui/canalinstancia.h"
#include "host/ui/janelas.h"
#include "platform/clock.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/power.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tarvelo {

// What the host is given instead of reaching for it.
struct ServicosHost {
    // The settings store of application "TQ": section, key, default.
    std::function<QString(const QString&, const QString&, const QString&)> GetSetting;
    // Puts a settings file that did not read whole aside and keeps what could be read; the
    // first copy does it once the language is known, so that the user is told in it.
    std::function<void()> repararConfiguracoes;
    // Message and input boxes of the tray's utilities; none given are Qt's own.
    std::shared_ptr<MessageService> mensagens;
    std::shared_ptr<InputService> entrada;
    // The power-off of the timed shutdown; none given is logind's.
    std::shared_ptr<PowerService> energia;
    // The alarm and warning beep; none given is the desktop's own.
    std::function<void()> beep;
    // The clock whose time goes with a forwarded command line.
    std::shared_ptr<const ClockService> relogio = std::make_shared<SystemClock>();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    QString caminhoExe;
    // The instance channel; empty means the program's own for this user and data folder.
    QString nomeCanal;
    // How long a start with a closing word waits for the running copy to finish closing.
    int esperaFechamentoMs = 10000;
    // Whether the desktop has a tray at all; the default asks Qt.
    std::function<bool()> bandejaDisponivel;
};

// The host: never on screen. It works out the shared globals at load, keeps one running
// copy per user and takes the commands of later starts, owns the tray icon and its menu,
// and ends the program by unloading every window in a fixed order.
class frmSysTray final : public QObject {
    Q_OBJECT

public:
    enum class Papel { Carregando, PrimeiraCopia, SegundaCalculadora, Encerrado };

    // The program passes globais(); tests that run two hosts give each its own.
    frmSysTray(RegistroJanelas& janelas, ServicosHost servicos, Globais& g = globais(), QObject* parent = nullptr);
    ~frmSysTray() override;

    void Form_Load();
    // The one close path of the program: every way it ends comes here. Runs once.
    void Unload();

    Papel papel() const { return papel_; }
    bool Descarregando() const { return descarregando_; }
    // "1" in the first calculator, "2" in a second calculator started with "outra".
    const QString& Tag() const { return tag_; }

    // 3 adds the tray icon, 4 removes it, 0 and 2 show the normal and the alternate image.
    void SysTray(int op);
    // Tray menu captions in gIdioma; nothing when `pular`.
    void fTraduzir(bool pular);
    // The Utilities submenu at the mouse, for the calculator's Utilities menu.
    void AbrirUtil();

    void mnuSystray_Click();
    void mnuSair_Click();
    void mnuAlarme_Click(int index);
    void mnuDesligar_Click();
    void mnuAtalho_Click();
    // The alarm clock (every 500 ms) and the tray's beeps, blinking and power-off (every
    // 200 ms).
    void tmrTempo_Timer();
    void tmrTray_Timer();

    // A later start's command line with its time: brings the calculator to the front and
    // opens the tool its first four characters name.
    void ComandoEncaminhado(const QString& texto);
    // A file a later start was asked to open: the calculator comes to the front and opens it.
    void ArquivoEncaminhado(const QString& caminho);

    // The calculator's close handling in the first calculator asks here whether the
    // program stays in the tray. It stays when an alarm or the timed power-off is armed,
    // or when the user's option says so and the desktop has a tray; then the icon is
    // (re)added, blinks, and gFechando is set. Otherwise the host unloads.
    bool FicarNaBandeja(bool opcaoSystray);
    bool BandejaDisponivel() const;
    bool AlarmeArmado() const;
    bool DesligarArmado() const;

    // Starts a blink run of the tray icon (a running one goes on).
    void PiscarIcone();
    bool Piscando() const { return tmrTray.isActive(); }
    bool IconePresente() const { return iconePresente_; }
    int IconeMostrado() const { return iconeMostrado_; }

    QMenu* mnu0() const { return mnu0_.get(); }
    QMenu* mnuUtil() const { return mnuUtil_; }
    QAction* mnuSystray() const { return mnuSystray_; }
    QAction* mnuAlarme(int index) const;
    int AlarmesNoMenu() const { return static_cast<int>(mnuAlarme_.size()); }
    QAction* mnuDesligar() const { return mnuDesligar_; }
    QAction* mnuAtalho() const { return mnuAtalho_; }
    QAction* mnuSair() const { return mnuSair_; }

    CanalInstancia* canal() const { return canal_; }

signals:
    // The host has finished unloading: the program ends.
    void descarregado();

private:
    void criarMenu();
    static void legendar(QAction* acao, const QString& texto);
    static void ligarMarcavel(QAction* acao, QObject* contexto, std::function<void()> handler);
    QAction* adicionarAlarme();
    // The power-off and alarm steps of a tray tick; true when the power-off has run.
    bool desligarNoTick();
    void beepsDosAlarmes();
    bool horaVence(const QString& texto, bool (*janela)(QTime, QTime)) const;
    void recusarAgendamento();
    void iconeAtivado(int motivo);
    void mostrarIconeNativo();
    // The host reads its few settings through the injected reader, text as stored.
    QString lerConfiguracao(const PreferenciaNumero& p) const;

    RegistroJanelas& janelas_;
    ServicosHost servicos_;
    Globais& g_;
    Papel papel_ = Papel::Carregando;
    bool descarregando_ = false;
    QString tag_ = QStringLiteral("1");

    CanalInstancia* canal_ = nullptr;

    std::unique_ptr<QMenu> mnu0_;
    QMenu* mnuUtil_ = nullptr;
    QAction* mnuSystray_ = nullptr;
    // The alarm items: the list only grows, a freed item is used again.
    std::vector<QAction*> mnuAlarme_;
    QStringList sHoraAlarme;
    QStringList sMotivoAlarme;
    QString sHoraDesligar;
    QAction* mnuDesligar_ = nullptr;
    QAction* mnuAtalho_ = nullptr;
    QAction* mnuSair_ = nullptr;

    std::unique_ptr<QSystemTrayIcon> icone_;
    bool iconePresente_ = false;
    bool iconeNativoPendente_ = false;
    int iconeMostrado_ = 0;

    QTimer tmrTempo;
    // Set while an alarm's message is open: the clock keeps ticking inside it.
    bool mostrandoAlarme_ = false;
    QTimer tmrTray;
    QString tmrTrayTag_;     // blink phase: "0" normal image shown, "1" alternate, "" between runs
    QString tmrTempoTag_;    // "1" while an alarm's message is open or the power-off is near
    int ContaPiscadas = 0;
};

}  // namespace tarvelo
