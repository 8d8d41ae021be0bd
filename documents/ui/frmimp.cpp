#include "documents/ui/frmimp.h"

#include "documents/ui/cursores.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/messagebox.h"
#include "platform/printerservice.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvelo {
namespace {

constexpr int kLarguraMinima = 420;

QLabel* rotulo(const QString& texto, QWidget* pai, bool dica = false)
{
    auto* label = new QLabel(texto, pai);
    label->setWordWrap(true);
    if (dica) {
        QPalette paleta = label->palette();
        paleta.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(paleta);
    }
    return label;
}

}  // namespace

frmImp::frmImp(SettingsStore& configuracoes, PrinterService& impressoras, MessageService& mensagens,
               RegistroJanelas* janelas, QWidget* parent)
    : QDialog(parent), configuracoes_(configuracoes), impressoras_(impressoras), mensagens_(mensagens),
      janelas_(janelas)
{
    setObjectName(QStringLiteral("frmImp"));
    setWindowTitle(QStringLiteral(" Selecionar Impressora"));
    setModal(true);
    // The window is made afresh for every opening, so reading the setting here is reading
    // it at each activation.
    if (lerPreferencia(configuracoes_, pref::Visivel).value_or(true))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (janelas_)
        janelas_->registrar(objectName(), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        rotulo(QStringLiteral("Selecione a impressora apropriada para imprimir CHEQUES e NOTAS PROMISSÓRIAS"), this));
    cbImpressora = new QComboBox(this);
    layout->addWidget(cbImpressora);
    QLabel* titulo = rotulo(QStringLiteral("DICA"), this, true);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    layout->addWidget(titulo);
    layout->addWidget(rotulo(fTexto(1180), this, true));
    layout->addWidget(rotulo(QStringLiteral("Local da Impressora"), this));
    txtEndereco = new QLineEdit(this);
    txtEndereco->setReadOnly(true);
    layout->addWidget(txtEndereco);
    optPadrao = new QRadioButton(fTexto(1181), this);
    // Not exclusive: a second click must not switch it off either, and a selected printer must.
    optPadrao->setAutoExclusive(false);
    layout->addWidget(optPadrao);
    cmdOK = new QPushButton(QStringLiteral("&Salvar Alterações"), this);
    cmdOK->setAutoDefault(false);
    layout->addWidget(cmdOK);
    // Made larger, the window keeps its controls where they stand.
    layout->addStretch();
    // Never narrower than designed nor than a line that does not wrap (the option), and as
    // tall as the wrapped texts need at that width, so that every size it can take shows
    // them whole.
    ensurePolished();
    const int largura = std::max(kLarguraMinima, layout->totalMinimumSize().width());
    setMinimumSize(largura, layout->totalHeightForWidth(largura));

    for (QWidget* c : std::initializer_list<QWidget*>{cbImpressora, optPadrao, cmdOK})
        c->setCursor(CursorMao());
    connect(cbImpressora, &QComboBox::activated, this, &frmImp::cbImpressora_Click);
    connect(optPadrao, &QRadioButton::clicked, this, &frmImp::optPadrao_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmImp::cmdOK_Click);

    for (const PrinterInfo& p : impressoras_.printers())
        cbImpressora->addItem(p.deviceName);
    cbImpressora->setCurrentIndex(cbImpressora->findText(lerPreferencia(configuracoes_, pref::ImpDispo),
                                                         Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (cbImpressora->currentIndex() >= 0)
        cbImpressora_Click();
    else
        optPadrao->setChecked(true);
}

frmImp::~frmImp()
{
    if (janelas_)
        janelas_->remover(objectName(), this);
}

void frmImp::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    cbImpressora->setFocus();
}

void frmImp::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape)
        reject();
}

void frmImp::cbImpressora_Click()
{
    const QString escolhida = cbImpressora->currentText();
    for (const PrinterInfo& p : impressoras_.printers()) {
        if (p.deviceName == escolhida) {
            txtEndereco->setText(p.port);
            break;
        }
    }
    if (!escolhida.isEmpty())
        optPadrao->setChecked(false);
}

void frmImp::optPadrao_Click()
{
    optPadrao->setChecked(true);
    if (cbImpressora->currentIndex() >= 0) {
        cbImpressora->setCurrentIndex(-1);
        txtEndereco->clear();
    }
}

void frmImp::cmdOK_Click()
{
    if (cbImpressora->currentIndex() < 0 && !optPadrao->isChecked()) {
        mensagens_.show(fTexto(1182), mb::Information);
        cbImpressora->setFocus();
        return;
    }
    if (!salvarPreferencia(configuracoes_, pref::ImpDispo, cbImpressora->currentText())) {
        mensagens_.show(fTexto(30), mb::Critical, windowTitle());
        return;
    }
    accept();
}

}  // namespace tarvelo
