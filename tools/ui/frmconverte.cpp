#include "tools/ui/frmconverte.h"

#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "tools/conversao.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/leiaute.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace tarvelo {
namespace {

const QString kTahoma = QStringLiteral("Tahoma");

QLabel* rotulo(QWidget* pai, const QString& texto, double left, double top, const QFont& f)
{
    auto* l = new QLabel(texto, pai);
    l->setFont(f);
    l->move(pixels(left), pixels(top));
    l->adjustSize();
    return l;
}

CampoTexto* campoValor(QWidget* pai, double left, double top)
{
    auto* c = new CampoTexto(pai);
    posicionar(c, left, top, 3225, 405);
    c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c->setSelecaoAoFocar(200);
    return c;
}

}  // namespace

frmConverte::frmConverte(const ServicosFerramenta& servicos, ClipboardService& clipboard, QWidget* parent)
    : JanelaFerramenta(QStringLiteral("frmConverte"), servicos, parent), clipboard_(clipboard)
{
    criarControles();
    ComportamentoFerramenta c;
    c.primeiroCampo = txtValor1;
    // Enter moves on in keyPressEvent, once a result field has had its chance to copy.
    c.enter = ComportamentoFerramenta::Enter::Campo;
    c.maos = {lstTipo};
    definirComportamento(c);
}

void frmConverte::criarControles()
{
    tamanhoCliente(this, 7200, 5700);
    setWindowTitle(QStringLiteral(" Converter Pesos e Medidas"));
    setFont(fonte(kTahoma, 14.25, true));
    const QFont pequena = fonte(kTahoma, 9.75, false);

    QLabel* valor = rotulo(this, QStringLiteral("&Valor a ser convertido:"), 180, 150, font());
    txtValor1 = campoValor(this, 3720, 150);
    txtValor1->setLimite(20);
    valor->setBuddy(txtValor1);
    rotulo(this, QStringLiteral("Selecione na lista abaixo"), 180, 630, pequena);
    QLabel* origem = rotulo(this, QStringLiteral("Dados de &Origem:"), 180, 960, font());
    lstTipo = new QListWidget(this);
    posicionar(lstTipo, 150, 1380, 3105, 4140);
    lstTipo->setFont(fonte(kTahoma, 9.75, true));
    lstTipo->addItems(NomesUnidades());
    lstTipo->setCurrentRow(-1);
    lstTipo->installEventFilter(this);
    origem->setBuddy(lstTipo);

    Frame1 = new QGroupBox(QStringLiteral("&Resultado: (=)"), this);
    posicionar(Frame1, 3630, 630, 3465, 4875);
    auto* dica = new QLabel(QStringLiteral("Dê \"ENTER\" sobre o resultado para copia-lo com texto e número"), Frame1);
    dica->setFont(pequena);
    dica->setWordWrap(true);
    posicionar(dica, 150, 420, 3195, 630);
    for (int k = 0; k < 4; ++k) {
        lblResult[k] = rotulo(Frame1, {}, 150, 1110 + 870 * k, fonte(kTahoma, 11.25, true));
        txtResult[k] = campoValor(Frame1, 120, 1440 + 870 * k);
        txtResult[k]->setReadOnly(true);
        colorir(txtResult[k], Qt::black, kCianoClaro);
        txtResult[k]->hide();
        txtResult[k]->KeyPress = [this, k](int KeyAscii) { return txtResult_KeyPress(k, KeyAscii); };
        connect(txtResult[k], &QLineEdit::textChanged, this,
                [c = txtResult[k]](const QString& texto) { c->setVisible(!texto.isEmpty()); });
    }

    txtValor1->setNumero({.decimals = true, .sign = true});
    connect(txtValor1, &QLineEdit::textChanged, this, [this] {
        if (lstTipo->currentRow() >= 0)
            lstTipo_Click();
    });
    connect(txtValor1, &CampoTexto::LostFocus, this, [this] { txtValor1->setText(FormatarNumero(txtValor1->text())); });
    connect(lstTipo, &QListWidget::currentRowChanged, this, &frmConverte::lstTipo_Click);

    setTabOrder(txtValor1, lstTipo);
    setTabOrder(lstTipo, txtResult[0]);
    for (int k = 1; k < 4; ++k)
        setTabOrder(txtResult[k - 1], txtResult[k]);
}

void frmConverte::lstTipo_Click()
{
    LimparResultados();
    const auto valor = numberValue(txtValor1->text());
    if (!valor)
        return;
    const auto alvos = Converter(lstTipo->currentRow(), *valor);
    for (std::size_t k = 0; k < alvos.size() && k < txtResult.size(); ++k) {
        lblResult[k]->setText(alvos[k].legenda);
        lblResult[k]->adjustSize();
        if (alvos[k].valor)
            txtResult[k]->setText(FormatarNumero(numberText(*alvos[k].valor)));
    }
}

void frmConverte::LimparResultados()
{
    for (int k = 0; k < 4; ++k) {
        lblResult[k]->clear();
        txtResult[k]->clear();
    }
}

int frmConverte::txtResult_KeyPress(int k, int KeyAscii)
{
    if (KeyAscii != 13 || lstTipo->currentRow() < 0 || !isNumeric(txtValor1->text()))
        return KeyAscii;
    clipboard_.clear();
    clipboard_.setText(txtValor1->text() + QLatin1Char(' ') + lstTipo->currentItem()->text() + QStringLiteral(" = ")
                       + txtResult[k]->text() + QLatin1Char(' ') + lblResult[k]->text());
    servicos().mensagens.show(clipboard_.text() + QStringLiteral("\r\rCopiado para a Área de Transferência "
                                                                 "(use Colar: Ctrl+V)"),
                              mb::Information, windowTitle());
    return 0;
}

bool frmConverte::eventFilter(QObject* objeto, QEvent* evento)
{
    // Entering the list with nothing chosen chooses its first unit.
    if (objeto == lstTipo && evento->type() == QEvent::FocusIn && lstTipo->currentRow() < 0)
        lstTipo->setCurrentRow(0);
    return JanelaFerramenta::eventFilter(objeto, evento);
}

void frmConverte::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    JanelaFerramenta::keyPressEvent(evento);
}

}  // namespace tarvelo
