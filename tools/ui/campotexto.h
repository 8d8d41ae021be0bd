#pragma once

#include "platform/numberfield.h"

#include <QLineEdit>

#include <functional>
#include <optional>

namespace tarvelo {

// A text field of a tool window. Its length limit binds only what the user types: text
// written by code is never cut (QLineEdit's own maxLength would cut it). Getting the focus
// from another control selects the first N characters. GotFocus and LostFocus count only
// moves between the window's own controls: losing the focus to a message box of the
// window, to a popup or to another program is no leaving, so a check run on leaving
// never runs while its own message is on screen.
//
// The window (JanelaFerramenta) runs the field's key handlers in the order of a window
// with key preview: KeyDown for every key, then the window's character filter, then the
// number rule of a number field, then the field's KeyPress, then the field takes what is
// left. Pasting, by key or from the context menu, is the window's too.
class CampoTexto : public QLineEdit {
    Q_OBJECT

public:
    explicit CampoTexto(QWidget* parent = nullptr);

    // 0: no limit. Deleting from a longer text set by code stays possible.
    int limite() const { return limite_; }
    void setLimite(int caracteres);
    // On getting the focus: selection start 0, length N (a shorter text whole); -1 none.
    void setSelecaoAoFocar(int caracteres) { selecaoAoFocar_ = caracteres; }
    // A field for a number: typed characters and pasted texts follow the number rule.
    void setNumero(NumberField regra) { numero_ = regra; }
    const std::optional<NumberField>& numero() const { return numero_; }

    // Key code (the platform's virtual key) and Shift state of every key pressed in the field.
    std::function<void(int KeyCode, int Shift)> KeyDown;
    // A typed character after the window's filter: returns the character the field takes,
    // 0 to discard it.
    std::function<int(int KeyAscii)> KeyPress;

signals:
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    qsizetype espacoLivre() const;

    int limite_ = 0;
    int selecaoAoFocar_ = -1;
    std::optional<NumberField> numero_;
};

// Select all, copy, cut or paste: keys that edit no character in, whatever text the
// key event carries.
bool atalhoDeEdicao(const QKeyEvent* tecla);

// Whether a focus change moved the focus between controls of one window, rather than to
// or from another window (a message box, a popup, another program).
bool focoDentroDaJanela(const QFocusEvent* evento);

}  // namespace tarvelo
