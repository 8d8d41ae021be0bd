#pragma once

#include "calc/controles.h"
#include "calc/frmcalcula.h"
#include "controls/keyedimagelist.h"
#include "controls/popmenu.h"
#include "host/preferencias.h"
#include "mainwindow/ajuda.h"
#include "mainwindow/geometria.h"
#include "mainwindow/servicosjanela.h"
#include "tools/ui/janelaferramenta.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;

namespace tarvelo {

class frmSysTray;
class RegistroJanelas;
class VisorFita;
class XPButton;
class FrameTeclado;
struct Entrega;
struct ServicosFerramenta;
class HotKeysCalcula;
class ImpressoraBobina;
struct ServicosSom;

// Where a control of the window sits, in twips of its container, with its font size.
struct Geometria {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double FontSize = 8;
};

// The calculator window frmCalcula: Qt widgets that show the engine's model (calc/) and hand
// it everything the user does. The window keeps no calculation state of its own; what it
// holds is its look (geometry, fonts, colours) and the ticks of the menus the engine does
// not model.
//
// It previews the keyboard: every key goes to Form_KeyDown, Form_KeyPress and Form_KeyUp
// before the focused control, and the menu shortcuts win over the tape's own keys.
// Activation counts only the program's own windows: switching to another program neither
// deactivates nor activates it.
class JanelaCalcula final : public QMainWindow {
    Q_OBJECT

public:
    JanelaCalcula(frmSysTray& host, RegistroJanelas& janelas, const ServicosJanela& servicos,
                  QWidget* parent = nullptr);
    ~JanelaCalcula() override;

    frmCalcula& form() { return form_; }

    // ---- life cycle ------------------------------------------------------------------------
    // False when the program is shutting down: the window must unload without being shown.
    bool Form_Load();
    // Shows the window and makes it the program's active window.
    void Mostrar();
    // Looks up and loads the window's fonts ahead of its first load, while the program
    // would otherwise sit idle; later loads find them in Qt's font cache.
    static void PrepararFontes();
    // Reads the menus' icon list (once), which the load would otherwise read; for the same
    // idle time as the fonts.
    void carregarIcones();
    // Brings the window to the front: restored, raised and given the focus.
    void Ativar();
    void Form_Activate();
    void Form_Deactivate();
    void Form_Resize();
    void Form_QueryUnload();
    // The close handling, once, then the window hides; `descarregada` follows.
    void Unload();
    bool Descarregando() const { return descarregando_; }

    // ---- menu commands of the window ----------------------------------------------------------
    void mnuOutra_Click();
    void mnuCheque_Click();
    void mnuPromissoria_Click();
    // One promissory note of an interest plan, printed through the note window.
    void mostrarNotaDoPlano(const Entrega& nota);
    // A file handed to the program: a backup of the document models, restored after asking.
    void AbrirArquivo(const QString& caminho);
    void mnuJuro_Click();
    void mnuPeso_Click();
    void mnuData_Click();
    void mnuRegra_Click();
    void mnuConverte_Click();
    void mnuWindows_Click();
    void mnuSystray_Click();
    void mnuGrande_Click();
    void mnuOcultar_Click();
    void mnuHotKey_Click();
    void mnuFicar_Click();
    void mnuInserir_Click();
    void mnuNumLock_Click();
    void mnuXP_Click();
    void mnuVisivel_Click();
    void mnuSemSom_Click();
    void mnuBeep_Click();
    void mnuSom_Click();

    // Colour schemes: Padrão, Marrom, Verde, Rosa. A click on the keypad frame's background
    // beeps; a double click steps to the next scheme.
    void mnuCor1_Click();
    void mnuCor2_Click();
    void mnuCor3_Click();
    void mnuCor4_Click();
    void fraTeclado_Click();
    void fraTeclado_DblClick();

    // The menus, the title and the tray menu in gIdioma; `manterLegendas` leaves the menu
    // captions as they are (the designed Portuguese ones, at load).
    void AplicarIdioma(bool manterLegendas);
    void mnuPortuguese_Click();
    void mnuEnglish_Click();
    void mnuSpanish_Click();
    void mnuFrench_Click();

    // The tape on the system printer in a small, medium or large font (Index 0, 1, 2), or
    // raw on a roll printer.
    void mnuImprimir_Click(int Index);
    void mnuMatricial_Click();

    // The global hotkeys (calc/hotkeys.h); false where the session has none.
    void RegistrarHotKeys();
    void RemoverHotKeys();
    void AjudaHotKeys();
    // The help menu's commands over this window's services.
    AjudaCalcula ajuda();
    bool HotKeysDisponiveis() const;
    // The window's handle in the message core: it takes the activation hotkey.
    WindowHandle hWnd() const { return hWnd_; }

    QString ArquivoFita() const;

    // Runs an input of the user (or a command of the host) through the engine, then puts
    // the keyboard focus where the engine left it.
    void entrada(const std::function<void()>& acao);

    // ---- the window's own menu items (the engine models the others) -------------------------
    MenuItem mnu1, mnuConfig, mnu9, mnuFita, mnuForm, mnuEsquema, mnuSomEscolher, mnuIdioma, mnu4, mnuTime;
    MenuItem mnuOutra, mnuCopiar, mnuExtenso, mnuUtil, mnuLocalizar, mnuLimpar, mnuAgrupar, mnuSalvar, mnuMostraBack;
    MenuItem mnuOcultar, mnuHotKey, mnuGrande, mnuFicar, mnuSystray, mnuXP, mnuVisivel;
    MenuItem mnuCor1, mnuCor2, mnuCor3, mnuCor4;
    MenuItem mnuPortuguese, mnuEnglish, mnuSpanish, mnuFrench;
    MenuItem mnuAjuda, mnuCalc, mnuEmail;
    // The documents and the interest windows open nothing yet: their items show, greyed.
    MenuItem mnuWindows, mnuData, mnuJuro, mnuRegra, mnuPeso, mnuCheque, mnuPromissoria, mnuConverte;
    std::array<MenuItem, 3> mnuImprimir;
    MenuItem mnuMatricial;
    // A menu item by its name ("mnuCor2", "mnuNumeral(20)"), the engine's included.
    MenuItem* itemMenu(const QString& nome) const { return itens_.value(nome); }

    // ---- the widgets, for the tests and the later menus ------------------------------------
    VisorFita* txtFita() const { return txtFita_; }
    QLabel* lblVisor(int indice) const { return lblVisor_[indice]; }
    QWidget* fraTeclado() const;
    XPButton* botao(const KeyButton& tecla) const;
    // A menu command by its name ("mnuLimpar", "mnuNumeral(20)").
    QAction* acao(const QString& nome) const { return acoes_.value(nome); }
    QMenu* menu(const QString& nome) const { return menus_.value(nome); }

    Geometria geometriaFita, geometriaTeclado;
    Geometria geometriaVisor[4];
    double larguraDesenho() const { return larguraTwips_; }
    // The window's height with its frame, in twips: what the settings keep and the layout
    // rules speak of.
    double alturaJanela() const;
    // The frame a shown window has been given, top and bottom together, in pixels;
    // nullopt while none is known.
    std::optional<int> moldura() const;

signals:
    // The close handling has run and the window is hidden: its holder may destroy it.
    void descarregada();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

private:
    class TeclasJanela;
    static MessageParam WndProcJanela(WindowHandle hWnd, quint32 uMsg, MessageParam wParam, MessageParam lParam);
    void ligarHotKeys();
    // An unloaded window holds no hotkey, though Qt deletes it later.
    void liberarHotKeys();
    void aplicarEstadoJanela();

    // The tool windows (janelacalcula_ferramentas.cpp): the open calculation closed as "="
    // closes it, and what a tool window reaches of the program.
    void fecharCalculoAberto();
    ServicosFerramenta servicosFerramenta();

    void criarControles();
    void desenharTeclado();
    void ligarTecla(KeyButton& tecla, XPButton* botao);
    void criarMenus();
    QAction* item(QMenu* menu, const QString& nome, MenuItem& estado, const QString& legenda,
                  std::function<void()> comando, const QKeySequence& atalho = {}, bool marcavel = false);
    QMenu* submenu(QMenu* pai, const QString& nome, MenuItem& estado, const QString& legenda);
    void ligarSubmenu(QMenu* menu, MenuItem& estado);
    void grupoExclusivo(const QStringList& nomes);
    void atualizarBarra();
    void aplicarGeometria();
    // How much wider than its design the client area is, in twips (below 0: narrower).
    double larguraExtra() const;
    void definirAlturaJanela(double twips);
    // The window manager has framed the window since its height was set: the client height
    // changes so that the height with the frame stays.
    void acertarMoldura();
    void aplicarFonte(QWidget* controle, const QString& familia, double pontos);

    void sincronizarFoco();
    bool teclaAbaixo(QObject* alvo, QKeyEvent* tecla);
    void teclaAcima(QKeyEvent* tecla);
    void janelaAtivaMudou();
    void programaAtivou(QWidget* janela);
    void AmpliarTela(bool crescer);
    void restaurarPosicao();
    void leiauteDesenhado();
    void aplicarEsquema(int numero);
    void escolherIdioma(int idioma);
    void aplicarCorVisor(int indice, Cor cor);

    template <typename T>
    auto conf(const Preferencia<T>& p) const
    {
        return lerPreferencia(servicos_.configuracoes, p);
    }
    template <typename T, typename V>
    void salvarConf(const Preferencia<T>& p, const V& valor)
    {
        salvarPreferencia(servicos_.configuracoes, p, valor);
    }
    bool primeiraCalculadora() const;
    double alturaTelaTwips() const;
    double larguraTelaTwips() const;

    frmSysTray& host_;
    RegistroJanelas& janelas_;
    ServicosJanela servicos_;
    std::unique_ptr<TeclasJanela> teclasJanela_;
    std::unique_ptr<ServicosSom> servicosSom_;
    frmCalcula form_;
    // Before the keypad's buttons go, the hotkeys on their windows are removed.
    std::unique_ptr<HotKeysCalcula> hotkeys_;
    WindowHandle hWnd_ = 0;
    // The owner-drawn menus and their icons.
    PopMenu PopMenu1;
    KeyedImageList Image1;

    QWidget* area_ = nullptr;  // the client area; holds the keyboard focus for the hidden entry
    VisorFita* txtFita_ = nullptr;
    QLabel* lblVisor_[4] = {};
    FrameTeclado* fraTeclado_ = nullptr;
    std::map<const KeyButton*, XPButton*> botoes_;
    QHash<QString, QAction*> acoes_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, MenuItem*> itens_;
    // Shared with a running job, which lets window events run between lines and so may
    // outlive the window.
    std::shared_ptr<ImpressoraBobina> bobina_;
    QTimer Timer1;

    double larguraTwips_ = 0;
    // The frame the client height was last computed with, in pixels.
    int molduraUsada_ = kMolduraNominal;
    bool ativa_ = false;          // the program's active window is this one
    bool descarregando_ = false;
    bool primeiraAtivacao_ = false;
    bool duploCliqueTeclado_ = false;  // the release that ends a double click is no click
};

}  // namespace tarvelo
