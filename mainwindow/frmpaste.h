#pragma once

#include <QTimer>
#include <QWidget>

namespace tarvelo {

class KeystrokeService;

// The paste window: a small square that follows the mouse pointer after a click on the
// display has copied the number. The user carries it to a field of another program and
// double-clicks there: the first press hides it, the second gives the field the focus, and
// one second after the press Home, Shift+End and Ctrl+V replace the field's line with the
// copied number. It never takes the keyboard focus, and deletes itself once it has typed.
class frmPaste final : public QWidget {
public:
    // Loads it and shows it; `dono` only keeps it from outliving the program's windows.
    static frmPaste* Show(KeystrokeService& teclas, QWidget* dono);
    // Shows it as the modal window it is: returns once a press on it has hidden it.
    static void ShowModal(KeystrokeService& teclas, QWidget* dono);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    frmPaste(KeystrokeService& teclas, QWidget* dono);
    void Form_Load();
    void Form_MouseDown();
    void Timer1_Timer();
    void Timer2_Timer();

    KeystrokeService& teclas_;
    QTimer Timer1;
    QTimer Timer2;
};

}  // namespace tarvelo
