#include "documents/ui/frmcheque.h"

#include "controls/xpbutton.h"
#include "documents/backupcheques.h"
#include "documents/favorecidos.h"
#include "documents/quebraextenso.h"
#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/filedialog.h"
#include "platform/fileio.h"
#include "platform/messagebox.h"
#include "platform/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QSet>
#include <QStringListModel>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tarvelo {
namespace {

const QString kFavorecido = QStringLiteral("txtFavorecido");
const QString kReserva = QStringLiteral("txtReserva");

constexpr int kLarguraBackup = 44;
constexpr int kEsquerdaCopias = 176;

// A payee file too large to list whole is told about once a run: the cheque window opens
// for every cheque, and the file stays as it is until the user edits it.
bool primeiroAviso(const QString& arquivo)
{
    static QSet<QString> avisados;
    if (avisados.contains(arquivo))
        return false;
    avisados.insert(arquivo);
    return true;
}

}  // namespace

frmCheque::frmCheque(const ServicosDocumento& servicos, const Entrega& entrega, RegistroJanelas* janelas)
    : JanelaDocumento(Documento::Cheque, QStringLiteral("frmCheque"), servicos, entrega, janelas)
{
    setWindowTitle(QStringLiteral(" Imprimir Cheque Bancário "));
    QLineEdit* favorecido = criarCampo(kFavorecido, QStringLiteral(" Favorecido "), Qt::AlignLeft, true);
    lstFavorecido = new QListView(this);
    lstFavorecido->setObjectName(QStringLiteral("lstFavorecido"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    lstFavorecido->setFont(tahoma);
    lstFavorecido->setToolTip(QStringLiteral(" Lista dos Favorecidos "));
    lstFavorecido->resize(250, 100);
    // The view shows the lines read without an item of its own for each: a list of a
    // million payees opens at once.
    lstFavorecido->setUniformItemSizes(true);
    lstFavorecido->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFavorecido->setModel(new QStringListModel(lstFavorecido));
    // Reached by the arrow keys or the mouse: Tab and Enter go from the payee to the city,
    // leaving a payee typed that the list does not hold as it was typed.
    lstFavorecido->setFocusPolicy(Qt::ClickFocus);
    lstFavorecido->hide();
    QLineEdit* cidade = criarCampo(campo::Cidade, QStringLiteral(" Cidade Local "), Qt::AlignRight, true);
    cidade->setText(QStringLiteral("CIDADE - UF"));
    QLineEdit* dia = criarCampo(campo::Dia, QStringLiteral(" Dia "), Qt::AlignHCenter, true);
    QLineEdit* mes = criarCampo(campo::Mes, QStringLiteral(" Mês "), Qt::AlignHCenter, true);
    QLineEdit* ano = criarCampo(campo::Ano, QStringLiteral(" Ano "), Qt::AlignRight, true);
    QPlainTextEdit* reserva = criarCampoMultilinha(kReserva, QStringLiteral(" Campo Reserva "), 29);
    QLineEdit* extenso1 = criarCampo(QStringLiteral("txtExtenso1"), QStringLiteral(" Extenso na Linha 1 "), Qt::AlignLeft, false);
    QLineEdit* extenso2 = criarCampo(QStringLiteral("txtExtenso2"), QStringLiteral(" Extenso na Linha 2 "), Qt::AlignLeft, false);
    QLineEdit* valor = criarCampo(QStringLiteral("txtValor"), QStringLiteral(" Valor do Cheque "), Qt::AlignRight, false);
    valor->setText(entrega.valor);

    criarFerramentas(QStringLiteral("&Ajustar Campos no Cheque  (mover)"));
    chkAno = new QCheckBox(QStringLiteral("&Usar 4 dígitos para o ANO"), this);
    chkAno->setObjectName(QStringLiteral("chkAno"));
    chkAno->setFont(chkNegrito->font());
    chkAno->adjustSize();
    connect(chkAno, &QCheckBox::toggled, this, &frmCheque::chkAno_Click);
    cmdBackup = new XPButton(this);
    cmdBackup->setObjectName(QStringLiteral("cmdBackup"));
    cmdBackup->setCaption(QStringLiteral("&Backup"));
    cmdBackup->setFont(cmdConf->font());
    cmdBackup->resize(std::max(kLarguraBackup, cmdBackup->CaptionFitWidth()), 24);
    connect(cmdBackup, &XPButton::Click, this, &frmCheque::cmdBackup_Click);

    ordenarTab({favorecido, lstFavorecido, cidade, dia, mes, ano, chkNegrito, chkAno, Check2, lstCopias, reserva,
                cmdConf, cmdImprimir, cbModelo, cmdSalvar, extenso1, extenso2, valor, cmdBackup, cmdHelp});
    connect(favorecido, &QLineEdit::textChanged, this, &frmCheque::txtFavorecido_Change);
    connect(lstFavorecido->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmCheque::lstFavorecido_Click);
    Form_Load();
}

void frmCheque::Form_Load()
{
    aplicarPonteiroMao({chkNegrito, chkAno, Check2, cbModelo, lstCopias});
    definirTexto(campo::Cidade, lerPreferencia(servicos_.configuracoes, pref::ChequeCidade));
    carregarNegrito();
    const QDate hoje = servicos_.relogio.now().date();
    definirTexto(campo::Dia, formatDate(hoje, u"dd"));
    definirTexto(campo::Mes, formatDate(hoje, u"mmmm").toUpper());
    definirTexto(campo::Ano, formatDate(hoje, chkAno->isChecked() ? u"yyyy" : u"yy"));
    carregarComum();
    favorecidos_ = LerFavorecidos(ArquivoFavorecidos());
    avisarListaCortada_ = favorecidos_.cortada() && primeiroAviso(ArquivoFavorecidos());
    static_cast<QStringListModel*>(lstFavorecido->model())->setStringList(favorecidos_.linhas());
    if (favorecidos_.linhas().size() < 2)
        definirTexto(kFavorecido, lerPreferencia(servicos_.configuracoes, pref::ChequeFavorecido));
}

QList<JanelaDocumento::Ferramenta> frmCheque::ferramentas() const
{
    // The check boxes keep clear of the copies label and the backup button of the model
    // list, whatever width their fonts give them.
    const int marcas = std::max(256, kEsquerdaCopias + lblCopias->width() + kFolga);
    return {{cmdConf, 88, 18},
            {cmdImprimir, 62, 18},
            {cmdSalvar, 62, 502},
            {cbModelo, 88, 502},
            {lblCopias, 92, kEsquerdaCopias},
            {lstCopias, 62, kEsquerdaCopias},
            {chkNegrito, 92, marcas},
            {Check2, 56, marcas},
            {chkAno, 74, marcas},
            {cmdBackup, 88, 502 - kFolga - cmdBackup->width()}};
}

int frmCheque::limiteExtenso() const
{
    return kQuebraCheque;
}

QString frmCheque::textoAjuda() const
{
    return fTexto(999);
}

bool frmCheque::enterAvanca() const
{
    return texto(kReserva).isEmpty();
}

void frmCheque::aposAtivar()
{
    campo(kFavorecido)->setFocus();
    if (std::exchange(avisarListaCortada_, false))
        QTimer::singleShot(0, this, [this] {
            servicos_.mensagens.show(fTexto(1152, ArquivoFavorecidos(), QString::number(kMaiorListaFavorecidos / (1024 * 1024))),
                                     mb::Exclamation);
        });
}

void frmCheque::aposCarregarModelo(const std::optional<bool>& ano)
{
    if (ano)
        chkAno->setChecked(*ano);
}

void frmCheque::aposMoverCampos()
{
    const QWidget* favorecido = campo(kFavorecido);
    lstFavorecido->move(favorecido->x(), favorecido->y() + favorecido->height());
}

QList<QStringList> frmCheque::linhas() const
{
    return {{campo::Cidade, campo::Dia, campo::Mes, campo::Ano}};
}

QList<QStringList> frmCheque::ordemBanda() const
{
    return {{QStringLiteral("txtValor")}, {QStringLiteral("txtExtenso1")}, {QStringLiteral("txtExtenso2")},
            {kFavorecido}, {kReserva}, {campo::Cidade, campo::Dia, campo::Mes, campo::Ano}};
}

QList<QWidget*> frmCheque::ferramentasImpressao() const
{
    return {cmdImprimir, cmdSalvar, cmdConf,  cmdBackup, lstFavorecido, chkAno,   Check2,
            cbModelo,    chkNegrito, lblLocal, cmdHelp,   lblCopias,     lstCopias};
}

QStringList frmCheque::camposMaiusculos() const
{
    return {kFavorecido, campo::Cidade};
}

QList<ValorPreferencia> frmCheque::textosGuardados() const
{
    return {valorPreferencia(pref::ChequeFavorecido, texto(kFavorecido)),
            valorPreferencia(pref::ChequeCidade, texto(campo::Cidade)), valorNegrito()};
}

bool frmCheque::antesDeImprimir()
{
    return AnexarFavorecido(ArquivoFavorecidos(), texto(kFavorecido));
}

bool frmCheque::anoDoModelo() const
{
    return chkAno->isChecked();
}

void frmCheque::chkAno_Click()
{
    definirTexto(campo::Ano, formatDate(servicos_.relogio.now().date(), chkAno->isChecked() ? u"yyyy" : u"yy"));
    cmdSalvar->setEnabled(true);
}

// ---- payee list -----------------------------------------------------------------------------

void frmCheque::txtFavorecido_Change()
{
    if (favorecidos_.linhas().isEmpty())
        return;
    selecionarFavorecido(BuscarFavorecido(favorecidos_, texto(kFavorecido)));
}

void frmCheque::lstFavorecido_GotFocus()
{
    listaComFoco_ = true;
    if (favorecidos_.linhas().isEmpty())
        return;
    if (favorecidoSelecionado() < 0)
        selecionarFavorecido(0);
    definirTexto(kFavorecido, favorecidos_.linhas().at(favorecidoSelecionado()));
}

void frmCheque::lstFavorecido_Click()
{
    const int linha = favorecidoSelecionado();
    if (listaComFoco_ && linha >= 0 && !favorecidos_.linhas().at(linha).isEmpty())
        definirTexto(kFavorecido, favorecidos_.linhas().at(linha));
}

int frmCheque::favorecidoSelecionado() const
{
    return lstFavorecido->currentIndex().row();
}

void frmCheque::selecionarFavorecido(int linha)
{
    // No line (-1) is no index: nothing selected.
    lstFavorecido->setCurrentIndex(lstFavorecido->model()->index(linha, 0));
}

bool frmCheque::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == campo(kFavorecido) && evento->type() == QEvent::KeyPress) {
        lstFavorecido->show();
        lstFavorecido->raise();
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Down || tecla == Qt::Key_Up) {
            lstFavorecido->setFocus();
            return true;
        }
    } else if (objeto == lstFavorecido) {
        if (evento->type() == QEvent::FocusIn)
            lstFavorecido_GotFocus();
        else if (evento->type() == QEvent::FocusOut)
            listaComFoco_ = false;
        else if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Delete)
            servicos_.mensagens.show(QStringLiteral("Para excluir (deletar) algum favorecido, é necessário que você "
                                                    "edite o arquivo FAVORECIDOS.TXT, disponível no seguinte local:") +
                                         globais().gCrLf2 + globais().gPastaApp + QStringLiteral("favorecidos.txt"),
                                     mb::Information);
    } else if (objeto == campo(campo::Cidade) && evento->type() == QEvent::FocusIn) {
        lstFavorecido->hide();
    }
    return JanelaDocumento::eventFilter(objeto, evento);
}

// ---- model backup ---------------------------------------------------------------------------

void frmCheque::cmdBackup_Click()
{
    FileDialogRequest pedido;
    pedido.fileName = QStringLiteral("BackupCheques.reg");
    pedido.hideReadOnly = true;
    pedido.filter = QStringLiteral("Registro do Windows (*.reg)|*.reg");
    pedido.filterIndex = 1;
    pedido.initDir = globais().gPastaApp;
    pedido.title = QStringLiteral(" Salvar BACKUP das configurações dos cheques");
    pedido.defaultExt = QStringLiteral("*.reg");
    pedido.flags = fd::OverwritePrompt | fd::PathMustExist;
    if (!servicos_.arquivos.ShowFileDialog(pedido))
        return;
    const auto texto = TextoBackupCheques(servicos_.configuracoes, tamanhoTwips());
    if (!texto || !writeFileAtomically(pedido.fileName, *texto, FileAccess::User)) {
        servicos_.mensagens.show(fTexto(30), mb::Critical);
        return;
    }
    servicos_.mensagens.show(fTexto(1120, pedido.fileName), mb::Information);
}

}  // namespace tarvelo
