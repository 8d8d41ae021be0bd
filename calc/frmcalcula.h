#pragma once

#include "calc/controles.h"
#include "host/avisogravacao.h"
#include "calc/portacalculadora.h"

#include <QString>
#include <QStringView>
#include <QTimer>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tarvelo {

class ClipboardService;
class MessageService;
class MidiOut;
class KeystrokeService;
class ClockService;
class Decimal;
class SettingsStore;
class InputService;
class FileDialogService;
class ShellService;
class NumLockService;

// What the calculator reaches outside itself, handed over once at construction. The window
// passes the real services; tests pass fakes and see every call.
struct ServicosCalcula {
    ClipboardService& clipboard;
    MessageService& mensagens;
    MidiOut& midi;
    KeystrokeService& teclas;
    ClockService& relogio;
    SettingsStore& configuracoes;
    // The tape's commands: the find prompt, the save dialog, opening the backup.
    InputService& entrada;
    FileDialogService& arquivos;
    ShellService& shell;
    NumLockService& numLock;
};

// Who may change the running total through the tape. Only an armed tape calculates; the
// engine holds the tape off while it writes a block, and the user's free editing of a
// closed tape is ignored too.
enum class ModoFita { Armada, Suspensa, Edicao };

// One undo step: the running total before an item was counted and the operator pending then.
struct PassoDesfazer {
    QString total;
    QString operador;
};

// One redo step: columns 1 to 24 of an undone line and the operator pending at the undo.
struct PassoRefazer {
    QString linha;
    QString operador;
};

// A new tape text given as the first `manter` characters of the tape followed by
// `acrescimo`, so that closing a calculation never copies the whole tape.
struct TextoFita {
    qsizetype manter = 0;
    QString acrescimo;
};

// The calculator window as a model: its controls, its window-level variables and the
// engine's handlers working on them. A Qt window shows it and feeds the user's input in.
class frmCalcula : public QObject, public PortaCalculadora {
    Q_OBJECT

public:
    explicit frmCalcula(const ServicosCalcula& servicos);
    frmCalcula(const frmCalcula&) = delete;
    frmCalcula& operator=(const frmCalcula&) = delete;

    // ---- the window ----------------------------------------------------------------
    // The pending operator: "+", "-", "*", "/", "%", "T" while a tool hands a record over,
    // empty right after a total.
    QString Tag = QStringLiteral("+");
    bool Visible = false;
    int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    bool ModoMini = false;
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Minimises the window or restores it.
    void setWindowState(int estado);
    // Shows `alvo` with the desktop's handler through `AbrirExterno`: the window makes way
    // for it, or tells `falha` with `icone` when nothing could open it.
    void abrirNoDesktop(const QString& alvo, const QString& falha, int icone);

    // ---- controls --------------------------------------------------------------------
    TextBox txtFita;
    TextBox txtEntrada;
    std::array<Label, 4> lblVisor;  // display, item counter, time display, display box
    Label lblTotal;
    Label fraTeclado;  // the keypad frame; its caption is the memory

    std::array<KeyButton, 10> chkNum;
    KeyButton chkVirgula, chkBack, chkCE, chkNeg, chkMais, chkMenos, chkVezes, chkDividir, chkPercent, chkIgual;
    KeyButton MC, MR, Mmais, Mmenos;

    MenuItem mnuNumLock, mnuInserir, mnuEnter, mnuIgual, mnuSemSom, mnuBeep, mnuSom;
    MenuItem mnuTempo, mnuTime1, mnuTime2;
    MenuItem mnuUndo, mnuRedo, mnuEditar;
    // The number formats: indexes 0, 1, 2 and 10 to 80 in steps of 10.
    MenuItem& mnuNumeral(int index);
    static const std::array<int, 11> kIndicesNumeral;

    // ---- window-level variables ------------------------------------------------------
    QString FormatoNumero;
    QString UltimoNumero;
    QString UltimoOperador;
    QString CodigoOperador;
    QString Anotacao;
    QString ResultadoClipboard;
    std::vector<PassoDesfazer> HistTotais;
    std::vector<PassoRefazer> RefazerLinhas;
    qsizetype PosicaoClique = 0;
    QString UltimaBusca;
    int UltimaTecla = 0;
    int NotaAtual = 0;
    bool JaAtivado = false;

    ModoFita modoFita() const { return modoFita_; }
    // Sets the mode and the tape's look that goes with it (locked and blue, or unlocked
    // and black for editing).
    void definirModoFita(ModoFita modo);

    // ---- focus -----------------------------------------------------------------------
    TextBox* foco() const { return foco_; }
    // Moves the keyboard focus; the controls' LostFocus and GotFocus run. A hidden window
    // takes no focus.
    void SetFocus(TextBox& controle);

    // ---- key entry and tape lines ------------------------------------------------------
    // Every typed character and every key sent by code: returns the code the focused
    // control receives next, 0 when the key was consumed.
    int Form_KeyPress(int KeyAscii);
    // A character typed on the keyboard while the window has the focus: the window's
    // handler first, then the focused control's own handling, then the key's release.
    void teclar(int KeyAscii);
    // The keys the character stream cannot carry, seen before the focused control
    // (frmcalcula_atalhos.cpp): Shift and a letter for the memory and sign keys, Delete as
    // CE, NumLock as "=" while Enter adds, the focus back to the entry, the keypad's pressed
    // look, the NumLock keeper and the key sounds. KeyCode is the virtual-key code
    // (CodigoTecla), Shift the Modificador bits (teclas.h).
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);
    // A key going down or up on the keyboard: the window's preview while it is on, then
    // the focused entry's own handler.
    void teclaAbaixo(int KeyCode, int Shift);
    void teclaAcima(int KeyCode, int Shift);
    // A global hotkey came: to the messages that wait for the keys to stop, a key like any.
    void hotkeyChegou() { avisos_.teclou(); }

    // ---- running total and total block -------------------------------------------------
    void txtFita_Change();
    void LimpaTudo();
    void SelecionarEntrada();

    // ---- options (frmcalcula_opcoes.cpp) -------------------------------------------------
    // The window's load: the number format, the keypad mode, the time format and, in the
    // first calculator, the annotation and clipboard-monitor ticks, from the settings.
    void lerOpcoes(bool primeira, bool letraGrande);
    // The tape's backup and NumLock ticks, read just before the tape state; none in the mini
    // window.
    void lerOpcoesDaFita();
    // "=" totals; Enter totals too.
    void mnuIgual_Click();
    // Enter adds: "+" becomes a tall Enter key, taller with the large digits.
    void mnuEnter_Click(bool letraGrande);
    // The zoom: every key's place, size and font by the factor. The view lays them out
    // with the window it resizes.
    void AmpliarTeclas(double fator);
    // Every key of the keypad.
    std::array<KeyButton*, 24> teclas();

    // ---- time mode -----------------------------------------------------------------------
    QString ConverterTempo(QStringView texto) const;
    void mnuTempo_Click();
    void mnuTime1_Click();
    void mnuTime2_Click();

    // ---- entry field, display and number formats ----------------------------------------
    void txtEntrada_Change();
    void txtEntrada_GotFocus();
    void txtEntrada_KeyDown(int KeyCode, int Shift);
    int txtEntrada_KeyPress(int KeyAscii);
    void txtEntrada_KeyUp(int KeyCode, int Shift);
    void mnuNumeral_Click(int Index);
    void lblTotal_Change();
    void lblVisor_Change(int Index);

    // ---- on-screen keypad (Button 0: called by a global hotkey, the focus stays put) -----
    void chkNum_MouseUp(int Index, int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkVirgula_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkBack_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkCE_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkNeg_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkMais_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkMenos_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkVezes_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkDividir_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void chkIgual_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);

    // ---- memory keys -----------------------------------------------------------------------
    void MC_Click();
    void MR_Click();
    void Mmais_Click();
    void Mmenos_Click();

    // ---- undo and redo ---------------------------------------------------------------------
    void mnuUndo_Click();
    void mnuRedo_Click();

    // ---- clearing the tape -----------------------------------------------------------------
    void mnuLimpar_Click();

    // ---- the tape's services: clear with backup, save, state file, editing and find,
    // clipboard copy and paste, clipboard monitor, summary, amount in words (fita_*.cpp,
    // clipboard_*.cpp, resumo.cpp, extenso_menu.cpp) ----------------------------------
    MenuItem mnuBackup, mnuMonit, mnuColar;
    // The host window's Tag: "1" in the first calculator, "2" in a second one.
    QString TagHost = QStringLiteral("1");
    // Off while the tape is being edited, so that the calculator's key handling sees none
    // of the keys typed into it.
    bool KeyPreview = true;

    void mnuBackup_Click();
    void mnuMostraBack_Click();
    void mnuSalvar_Click();
    // The tape state file of this calculator: read by the window's load, written by its
    // close and, once loaded, as the tape changes: at once after a total, a clear or an
    // edit, otherwise at most 2 s after a change. A failed write is told to the user: the
    // close's at once, one in the background once the keys have stopped for a moment.
    bool GravarArquivoFita();
    void CarregarArquivoFita();

    void mnuEditar_Click();
    void mnuLocalizar_Click();
    // A double click at a character offset of the tape: the word there (delimited by white
    // space) is selected with the blank after it and, when it is a number, entered again.
    void txtFita_DblClick(qsizetype posicao);
    void txtFita_GotFocus();
    // A key that reaches the tape; returns the key the tape itself takes, 0 when none.
    int txtFita_KeyPress(int KeyAscii);
    void txtFita_LostFocus();
    // Text pasted into the tape while it is edited; false when nothing went in.
    bool txtFita_Colar(QStringView texto);

    void mnuCopiar_Click();
    void mnuColar_Click();
    void mnu1_Click();
    // The clipboard's text with its lines ended as the tape's, the one form the monitor
    // reads, whichever line ends the copying program used.
    QString TextoClipboard() const;
    // For a text the program put on the clipboard itself or one the monitor must not take:
    // the monitor leaves the clipboard alone until its next change.
    void lembrarClipboard();
    // A box about what the clipboard holds (`lido`), which is emptied when the box is
    // closed, unless a copy was made while it was open: that copy is the user's next one.
    void recusarClipboard(int topico, const QString& lido);
    // Empties the clipboard. Neither that nor what a clipboard manager puts back then is a
    // copy for the monitor.
    void limparClipboard();
    // Ctrl+Insert asks the focused program for a copy and takes it itself: from the reserve
    // to the release the monitor leaves the clipboard alone, and what the clipboard holds
    // at the release is no copy for it. Reserves nest.
    void reservarClipboard() { ++reservasClipboard_; }
    void liberarClipboard();
    void Timer1_Timer();
    void mnuMonit_Click();
    // The caption of the minimised window: the number on show and the pending operator.
    void legendaMinimizada();

    void mnuAgrupar_Click();
    void mnuExtenso_Click();
    // Stops the key sound now playing (the document windows open without it).
    void silenciarNota();

    // ---- what the tool windows reach (portacalculadora.h; frmcalcula_ferramentas.cpp) ----
    void AnexarFita(const QString& registro) override;
    void AcrescentarFita(const QString& texto) override;
    void DefinirEntrada(const QString& numero) override;
    bool NumLockMarcado() const override { return mnuNumLock.Checked(); }

signals:
    // For a view: the window's caption or state changed.
    void janelaMudou();
    // For a view: keys moved or changed size.
    void tecladoMudou();
    // Popup menus belong to the view: it shows the named menu ("mnu4") at the mouse.
    void PopupMenu(const QString& menu);
    // So does the paste window (frmPaste), shown modally after the display's copy.
    void MostrarPaste();

private:
    void ligarControles();

    // Key entry (frmcalcula_teclas.cpp).
    int despacharOperador(int tecla);
    int teclaSomar(int tecla);
    int teclaMenos(int tecla);
    int teclaMultiplicar(int tecla, QChar operador);
    int teclaPercentual(int tecla);
    int teclaIgual(int tecla);
    void escreverAnotacao();
    void reiniciarEntrada();
    void anexarLinha(QChar operador);
    void trocarOperador(QChar operador);
    void cauda(int tecla);
    void verificarLimite();
    void teclaDelete();

    // Totals (frmcalcula_totais.cpp).
    void AplicarOperador();
    void FecharCalculo(const TextoFita& texto);
    void aplicarPercentual();
    void definirTotal(const Decimal& total);

    // Display (frmcalcula_visor.cpp).
    int limiteEntrada(QStringView entrada) const;
    QString textoVisor(const QString& entrada) const;
    void formatarVisorDigitado(QStringView entrada);

    // Keypad and memory.
    void chkPercent_MouseUp(int Button, int Shift = 0, float X = 0, float Y = 0);
    void finalTeclado(int Button);
    void limparEntrada();
    void colorirMemoria();
    void somarMemoria(int sinal);

    // Undo (frmcalcula_desfazer.cpp).
    void contadorMudou();
    void visorMudou(int Index);
    void espelharLegenda();
    bool semHistorico() const;
    bool semRefazer() const;

    // Values of texts read with the user's number settings; a text that is no number is 0.
    double valor(const QString& texto) const { return lido(texto).valor; }
    bool valorZero(const QString& texto) const { return lido(texto).valor == 0.0; }
    bool numerico(const QString& texto) const { return lido(texto).numerico; }
    // A number text through a mask (numbermask.h); recent results are kept, as typing
    // formats the same few texts again and again.
    QString formatar(const QString& texto, const QString& mascara) const;
    QString decimal() const;
    bool visivelNaTela() const { return Visible; }
    bool minimizada() const { return WindowState == 1; }

    // The tape's services.
    void ligarFita();
    bool backupAoLimpar();
    // The state file is due: `agora` as soon as the present handler returns, otherwise
    // within the coalescing delay. Nothing before the state was loaded.
    void estadoMudou(bool agora = false);
    bool gravarArquivoFita(bool aoFundo);
    void guardarArquivoDanificado(const QString& caminho);
    // At load the window is not on screen yet: the message follows it from the event loop.
    void avisarGravacao(const QString& arquivo, const QString& motivo, const QString& texto = {});
    bool monitorarClipboard(QString& texto, QString& numero);
    // The clipboard as it is now, the program's own writes included, is no new copy.
    void clipboardVisto();
    // Empties the clipboard after the monitor has taken `lido` from it. X refuses a clear
    // stamped before the copy it would undo, which happens when a later copy is on its way
    // and its notice has not come yet: the copy then stays, is remembered as taken and
    // cleared once more at the next tick.
    void esvaziarClipboard(const QString& lido);
    // That second clear, while the clipboard still holds the copy taken; true when it did.
    bool limparOutraVez(const QString& copia);
    // A copy already taken that the next tick clears once more.
    std::optional<QString> limparDeNovo_;
    bool emTick_ = false;
    // The clipboard's change count when the monitor last read it or the program wrote it;
    // none before the first look.
    std::optional<quint64> mudancaVista_;
    int reservasClipboard_ = 0;

    const ServicosCalcula servicos_;
    AvisoGravacao avisos_{servicos_.mensagens};
    QTimer tmrGravar_;
    bool gravarAoMudar_ = false;
    // Why the state file must not be replaced (an unusable one that could not be kept aside).
    QString naoSubstituir_;
    ModoFita modoFita_ = ModoFita::Armada;
    TextBox* foco_ = nullptr;
    bool desfazendo_ = false;
    QString caption_ = QStringLiteral(" Tarvelo");
    std::map<int, MenuItem> mnuNumeral_;
    std::unique_ptr<MenuItem> numeralInexistente_;
    // One key reads the same few captions many times over; their values are kept, with
    // the number symbols they were read under.
    struct ValorLido {
        QString texto;
        double valor = 0.0;
        bool numerico = false;
    };
    const ValorLido& lido(const QString& texto) const;
    mutable std::array<ValorLido, 8> valoresLidos_;
    mutable std::size_t proximoValor_ = 0;
    mutable QChar simbolosLidos_[2];
    struct Formatado {
        QString texto;
        QString mascara;
        QString resultado;
    };
    mutable std::array<Formatado, 8> formatados_;
    mutable std::size_t proximoFormatado_ = 0;
};

}  // namespace tarvelo
