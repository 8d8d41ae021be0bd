#pragma once

#include "host/ui/janelas.h"

#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarvelo {

// The splash window: the program's banner, on top of everything, from the start until
// the calculator's first activation (or the host's shut-down) unloads it. Its one-shot
// timer hands over to the host once the event loop runs, so the banner is painted
// before the host's slower load begins.
class frmStart final : public QWidget, public Janela {
    Q_OBJECT

public:
    explicit frmStart(std::function<void()> carregarHost, QWidget* parent = nullptr);

    // Shown, or only loaded (for "systray" and "fechar"); the timer runs either way.
    void Load(bool mostrar);

    bool Carregada() const override { return carregada_; }
    void Unload() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Timer1_Timer();

    std::function<void()> carregarHost_;
    QTimer Timer1;
    bool carregada_ = false;
};

}  // namespace tarvelo
