#pragma once

#include "host/ui/ativacao.h"
#include "host/ui/janelas.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace tarvelo {

class CampoTexto;
class ClockService;
class InputService;
class MessageService;
class NumLockService;
class PortaCalculadora;
class SettingsStore;

// What every tool window reaches outside itself. The calculator passes its real services
// and its engine model; tests pass fakes.
struct ServicosFerramenta {
    MessageService& mensagens;
    InputService& entrada;
    ClockService& relogio;
    SettingsStore& configuracoes;
    NumLockService& numLock;
    PortaCalculadora& calculadora;
    // The program's windows: the tool window registers under its name while it exists,
    // and finds the calculator window here to give it the focus back.
    RegistroJanelas& janelas;
    // The system's beep; none given is the desktop's own.
    std::function<void()> bip = nullptr;
};

// How a tool window differs from the others in the shared behaviour.
struct ComportamentoFerramenta {
    // Enter: a Tab with the pending events run at once, a plain Tab, or the key left to the field.
    enum class Enter { TabImediato, Tab, Campo };

    // Focused on every activation; none leaves the focus where it is.
    QWidget* primeiroCampo = nullptr;
    // Closes when another window of the program becomes active.
    bool fechaAoDesativar = false;
    Enter enter = Enter::Tab;
    // The window's character filter, run before a text field's own: returns the
    // character the field receives, 0 to discard it. None lets every character through.
    std::function<int(int KeyAscii)> filtro;
    bool manterNumLock = false;
    // F1 on release.
    std::function<void()> ajuda;
    // Gives the focus back to the calculator window on unload, unless the program is closing.
    bool focoNaCalculadora = false;
    // Controls that show the hand cursor.
    QList<QWidget*> maos;
};

// The behaviour every tool window shares: topmost on activation while the setting
// Conf/"Visivel" says so, the focus on its first field, key preview with the window's
// character filter and the number fields' rule (select all, copy, cut and paste pass
// them), one paste for the keys and the fields' context menu (see colar), Enter as Tab
// (there is no default button), Esc closes, NumLock kept on, F1 for help, closing when
// another window of the program becomes active (another program, a message box or a
// window the tool window opened itself does not count), and the focus back to the
// calculator when it closes.
//
// Every close (Esc, the close box, deactivation, the window's own commands, the host's
// shut-down) runs the close handling once, in done(): Form_QueryUnload, Form_Unload,
// then the window hides.
class JanelaFerramenta : public QDialog, public Janela {
    Q_OBJECT

public:
    // `nome`: the window's name in the program ("frmJuro").
    JanelaFerramenta(const QString& nome, const ServicosFerramenta& servicos, QWidget* parent = nullptr);
    ~JanelaFerramenta() override;

    const QString& nome() const { return nome_; }
    bool Carregada() const override { return isVisible() && !fechada_; }
    void Unload() override { reject(); }
    void done(int resultado) override;

    // While it lives, a window opened by this one is on screen: its activation closes
    // nothing, and the tool window's activation afterwards runs anew.
    class JanelaAberta {
    public:
        explicit JanelaAberta(JanelaFerramenta& janela) : aberta_(*janela.ativacao_) {}

    private:
        AtivacaoJanela::JanelaAberta aberta_;
    };

    // While it lives, the window works on a long command that lets events run: closes
    // asked for meanwhile wait until it ends.
    class Ocupada {
    public:
        explicit Ocupada(JanelaFerramenta& janela);
        ~Ocupada();
        Ocupada(const Ocupada&) = delete;
        Ocupada& operator=(const Ocupada&) = delete;

    private:
        QPointer<JanelaFerramenta> janela_;
    };

protected:
    const ServicosFerramenta& servicos() const { return servicos_; }
    void definirComportamento(const ComportamentoFerramenta& comportamento);

    // The window's own activation, after the shared steps.
    virtual void Form_Activate() {}
    // The window's close handling: its record on the tape.
    virtual void Form_QueryUnload() {}
    virtual void Form_Unload() {}

    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void ativar();
    void tornarSempreVisivel();
    bool teclaAbaixo(QWidget* alvo, QKeyEvent* tecla);
    // The character a text field takes after the window's filter and the field's
    // KeyPress: 0 when refused.
    int filtrar(QWidget* alvo, int KeyAscii) const;
    // Pasting into an editable field, by key or from its context menu: a number field
    // takes a number in the user's format that fits it, a date box a date, a text field
    // the text typed through its rules; whatever it does not take leaves it as it was
    // and beeps.
    void colar(QLineEdit* campo);
    bool digitarColado(CampoTexto* campo, const QString& colado);
    void menuDoCampo(CampoTexto* campo, const QPoint& posicao);
    void teclaAcima(QKeyEvent* tecla);
    void entregar(QWidget* alvo, int KeyAscii, Qt::KeyboardModifiers modificadores);
    void devolverFoco();

    QString nome_;
    ServicosFerramenta servicos_;
    ComportamentoFerramenta comportamento_;
    AtivacaoJanela* ativacao_ = nullptr;
    bool fechada_ = false;
    bool reenviando_ = false;
    int ocupada_ = 0;
    bool fecharDepois_ = false;
    int resultadoDepois_ = Rejected;
};

}  // namespace tarvelo
