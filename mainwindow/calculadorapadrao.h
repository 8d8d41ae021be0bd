#pragma once

#include "host/ui/janelas.h"
#include "mainwindow/servicosjanela.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace tarvelo {

class frmSysTray;
class JanelaCalcula;

// The calculator window as the host knows it, "frmCalcula": one for the life of the
// process. Showing it loads a new window when none is loaded (the first start, and each
// return from the tray after a close); closing it runs the window's close handling and
// destroys it.
class CalculadoraPadrao final : public QObject, public JanelaCalculadora {
    Q_OBJECT

public:
    // Registers itself in `janelas` as "frmCalcula".
    CalculadoraPadrao(frmSysTray& host, RegistroJanelas& janelas, const ServicosJanela& servicos,
                      QObject* parent = nullptr);
    ~CalculadoraPadrao() override;

    bool Carregada() const override;
    void Unload() override;
    void Show() override;
    void Ativar() override;
    bool Visivel() const override;
    void mnuTempo_Click() override;
    void mnuJuro_Click() override;
    void mnuPeso_Click() override;
    void mnuData_Click() override;
    void AbrirArquivo(const QString& caminho) override;

    static void PrepararFontes();
    // Builds the window ahead of its first Show, in time the start would otherwise spend
    // waiting (the splash's wait for the host); its load still runs at the Show.
    void Preparar();

    // The loaded window, or nullptr.
    JanelaCalcula* janela() const;

private:
    frmSysTray& host_;
    RegistroJanelas& janelas_;
    ServicosJanela servicos_;
    QPointer<JanelaCalcula> janela_;
    std::unique_ptr<JanelaCalcula> preparada_;
};

}  // namespace tarvelo
