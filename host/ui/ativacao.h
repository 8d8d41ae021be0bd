#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tarvelo {

// The activation of one window of the program, as the tool and document windows share it.
// `aoAtivar` runs when the window becomes the active one, and again each time after
// another window of the program was. `aoDesativar` runs when, after the window was active,
// another window of the program becomes active: the calculator window or any window the
// host knows (a Janela). A message box, an input box, a popup menu, another program, a
// window the window opened itself (a child of it, or one shown while a JanelaAberta
// lives) and the window that waits modally for it (its opener) are no deactivation. Until
// the desktop has activated the window, the window that opened it is still the active
// one: only a window that was active can be left. `aoDesativar` runs once the events of
// the activation have run (it usually closes the window, which may ask a question), and
// not at all when the window is no longer shown by then.
class AtivacaoJanela : public QObject {
public:
    AtivacaoJanela(QWidget& janela, std::function<void()> aoAtivar, std::function<void()> aoDesativar);

    // Looks at the active window now: the desktop may hand the window the keyboard after
    // its show, or never tell (no window manager).
    void conferir();
    void definirAbridor(QWidget* abridor) { abridor_ = abridor; }
    QWidget* abridor() const { return abridor_; }

    // While it lives, a window opened by this one is on screen: its activation closes
    // nothing, and the window's activation afterwards runs anew.
    class JanelaAberta {
    public:
        explicit JanelaAberta(AtivacaoJanela& ativacao) : ativacao_(ativacao) { ++ativacao_.abertas_; }
        ~JanelaAberta() { --ativacao_.abertas_; }
        JanelaAberta(const JanelaAberta&) = delete;
        JanelaAberta& operator=(const JanelaAberta&) = delete;

    private:
        AtivacaoJanela& ativacao_;
    };

private:
    bool abertaPorEla(const QWidget* ativa) const;

    QWidget& janela_;
    std::function<void()> aoAtivar_;
    std::function<void()> aoDesativar_;
    QPointer<QWidget> abridor_;
    bool ativa_ = false;
    int abertas_ = 0;
};

}  // namespace tarvelo
