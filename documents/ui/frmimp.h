#pragma once

#include "host/ui/janelas.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelo {

class MessageService;
class PrinterService;
class SettingsStore;

// The printer for cheques and notes: an installed printer, or the system default. Its
// only output is the setting Conf/"ImpDispo" ("" for the default printer).
class frmImp final : public QDialog, public Janela {
    Q_OBJECT

public:
    frmImp(SettingsStore& configuracoes, PrinterService& impressoras, MessageService& mensagens,
           RegistroJanelas* janelas, QWidget* parent = nullptr);
    ~frmImp() override;

    bool Carregada() const override { return isVisible(); }
    void Unload() override { reject(); }

    QComboBox* cbImpressora = nullptr;
    QLineEdit* txtEndereco = nullptr;
    QRadioButton* optPadrao = nullptr;
    QPushButton* cmdOK = nullptr;

    void cbImpressora_Click();
    void optPadrao_Click();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    SettingsStore& configuracoes_;
    PrinterService& impressoras_;
    MessageService& mensagens_;
    RegistroJanelas* janelas_;
};

}  // namespace tarvelo
