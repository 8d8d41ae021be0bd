#include "tools/ui/frmregra.h"

#include "controls/xpbutton.h"
#include "host/globais.h"
#include "host/texto.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/printerservice.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/leiaute.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QRadioButton>
#include <QStyle>

namespace tarvelo {
namespace {

constexpr int kLimiteValor = 10;
constexpr int kLimiteCond = 25;

CampoTexto* campo(QWidget* pai, double left, double top, double width, int limite, Qt::Alignment alinhamento)
{
    auto* c = new CampoTexto(pai);
    posicionar(c, left, top, width, 285);
    c->setLimite(limite);
    c->setAlignment(alinhamento);
    return c;
}

XPButton* botao(QWidget* pai, double left, double top)
{
    auto* b = new XPButton(pai);
    b->setFont(pai->font());
    posicionar(b, left, top, 1065, 345);
    return b;
}

QLabel* rotulo(QWidget* pai, double left, double top, const QString& texto = {})
{
    auto* l = new QLabel(texto, pai);
    l->move(pixels(left), pixels(top));
    return l;
}

}  // namespace

frmRegra::frmRegra(const ServicosFerramenta& servicos, PrinterService* impressora, QWidget* parent)
    : JanelaFerramenta(QStringLiteral("frmRegra"), servicos, parent), impressora_(impressora)
{
    criarControles();
    ComportamentoFerramenta c;
    c.primeiroCampo = txtValor[0];
    c.enter = ComportamentoFerramenta::Enter::Tab;
    c.maos = {optInc.begin(), optInc.end()};
    definirComportamento(c);
    Form_Load();
}

void frmRegra::criarControles()
{
    tamanhoCliente(this, 5385, 5685);
    setFont(fonte(QStringLiteral("Tahoma"), 8.25, true));
    cmdExemplo = botao(this, 120, 30);
    cmdExemplo2 = botao(this, 1440, 30);
    cmdCalcular = botao(this, 120, 2730);
    cmdImprimir = botao(this, 1440, 2730);
    connect(cmdExemplo, &XPButton::Click, this, &frmRegra::cmdExemplo_Click);
    connect(cmdExemplo2, &XPButton::Click, this, &frmRegra::cmdExemplo2_Click);
    connect(cmdCalcular, &XPButton::Click, this, &frmRegra::cmdCalcular_Click);
    connect(cmdImprimir, &XPButton::Click, this, &frmRegra::cmdImprimir_Click);

    auto* icone = new QLabel(this);
    posicionar(icone, 2820, 30, 480, 480);
    icone->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    const QFont titulo = fonte(QStringLiteral("Tahoma"), 14.25, true);
    for (auto [left, top, topico] : {std::tuple{3390.0, 60.0, 202}, std::tuple{3420.0, 2760.0, 203}}) {
        QLabel* l = rotulo(this, left, top, fTexto(topico));
        l->setFont(titulo);
        l->adjustSize();
    }
    lblIncognita = rotulo(this, 4440, 3240,
                          globais().gIdioma == 4 ? QStringLiteral("I&nconnue") : QStringLiteral("I&ncógnita"));
    grupo_ = new QButtonGroup(this);
    for (int i = 0; i < kLinhasRegra; ++i)
        criarLinha(i);
    // Column heads whose access keys lead into the first row of their column; the lower
    // table's heads have letters of their own.
    struct Cabecalhos {
        double top;
        std::array<QWidget*, 3> campos;
        std::array<int, 2> topicos;
    };
    const Cabecalhos cabecalhos[] = {{420, {txtValor[0], txtCond[0], nullptr}, {204, 205}},
                                     {3240, {txtValor2[0], txtCond2[0], optInc[0]}, {1150, 1151}}};
    for (const auto& [top, campos, topicos] : cabecalhos) {
        const double lefts[2] = {150, 1440};
        for (int k = 0; k < 2; ++k) {
            QLabel* l = rotulo(this, lefts[k], top, fTexto(topicos[k]));
            l->setBuddy(campos[k]);
            l->adjustSize();
        }
        if (campos[2])
            lblIncognita->setBuddy(campos[2]);
    }
    lblIncognita->adjustSize();
    connect(grupo_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool marcado) {
        if (marcado)
            optInc_Click();
    });

    QList<QWidget*> ordem;
    for (int i = 0; i < kLinhasRegra; ++i)
        ordem << txtValor[i] << txtCond[i];
    for (int i = 0; i < kLinhasRegra; ++i)
        ordem << txtValor2[i] << txtCond2[i];
    ordem << cmdCalcular << cmdImprimir;
    for (QRadioButton* o : optInc)
        ordem << o;
    ordem << cmdExemplo << cmdExemplo2;
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void frmRegra::criarLinha(int i)
{
    const double base = 660 + 330 * i;
    const double novo = 3480 + 330 * i;
    txtValor[i] = campo(this, 120, base, 1065, kLimiteValor, Qt::AlignRight);
    txtCond[i] = campo(this, 1410, base, 3435, kLimiteCond, Qt::AlignLeft);
    txtValor2[i] = campo(this, 120, novo, 1065, kLimiteValor, Qt::AlignRight);
    txtCond2[i] = campo(this, 1410, novo, 3435, kLimiteCond, Qt::AlignLeft);
    imgVal[i] = new QLabel(this);
    posicionar(imgVal[i], 5010, 690 + 330 * i, 240, 240);
    optInc[i] = new QRadioButton(this);
    posicionar(optInc[i], 5010, 3510 + 330 * i, 225, 195);
    grupo_->addButton(optInc[i], i);

    txtValor[i]->setSelecaoAoFocar(kLimiteValor);
    txtValor2[i]->setSelecaoAoFocar(kLimiteValor);
    txtCond2[i]->setSelecaoAoFocar(kLimiteCond);
    // The description keeps what it holds: the caret goes to its end.
    connect(txtCond[i], &CampoTexto::GotFocus, this,
            [c = txtCond[i]] { c->setCursorPosition(std::min<int>(kLimiteCond, int(c->text().size()))); });
    txtValor[i]->setNumero({});
    txtValor2[i]->setNumero({});
    connect(txtCond[i], &QLineEdit::textChanged, this, [this, i] { txtCond_Change(i); });
    connect(txtValor2[i], &QLineEdit::textChanged, this, [this, i] { txtValor2_Change(i); });
    connect(optInc[i], &QRadioButton::clicked, this, [this, i] { optInc_MouseUp(i); });
    txtValor2[i]->installEventFilter(this);

    const bool primeira = i == 0;
    txtValor[i]->setEnabled(primeira);
    txtCond[i]->setEnabled(primeira);
    txtValor2[i]->setEnabled(false);
    txtCond2[i]->setEnabled(false);
    optInc[i]->setEnabled(false);
}

void frmRegra::Form_Load()
{
    setWindowTitle(fTexto(178));
    cmdCalcular->setCaption(fTexto(151));
    cmdExemplo->setCaption(fTexto(207) + QStringLiteral(" &1"));
    cmdExemplo2->setCaption(fTexto(207) + QStringLiteral(" &2"));
    cmdImprimir->setCaption(fTexto(215));
    cmdImprimir->setEnabled(false);
    cmdExemplo2->setEnabled(false);
}

// ---- rows and the sought quantity ------------------------------------------------------------------

void frmRegra::txtCond_Change(int i)
{
    if (!isNumeric(txtValor[i]->text()))
        txtValor[i]->clear();
    LinhaRegra linha;
    linha.valor = txtValor[i]->text();
    linha.cond = txtCond[i]->text();
    const bool aberta = LinhaAberta(linha);
    if (i + 1 < kLinhasRegra) {
        txtValor[i + 1]->setEnabled(aberta);
        txtCond[i + 1]->setEnabled(aberta);
    }
    txtValor2[i]->setEnabled(aberta);
    optInc[i]->setEnabled(aberta);
    if (aberta) {
        txtCond2[i]->setText(txtCond[i]->text());
    } else {
        txtValor2[i]->clear();
        txtCond2[i]->clear();
    }
}

void frmRegra::optInc_Click()
{
    for (int i = 0; i < kLinhasRegra; ++i) {
        txtValor[i]->setEnabled(false);
        txtCond[i]->setEnabled(false);
    }
    cmdCalcular->setTag({});
    cmdCalcular->setEnabled(true);
}

void frmRegra::optInc_MouseUp(int i)
{
    if (optInc[i]->isChecked())
        txtValor2[i]->clear();
}

void frmRegra::txtValor2_KeyUp(int i)
{
    marcar(i, txtValor2[i]->text().isEmpty());
    cmdCalcular->setEnabled(true);
    cmdImprimir->setEnabled(false);
}

void frmRegra::txtValor2_Change(int i)
{
    if (!txtValor2[i]->text().isEmpty())
        return;
    cmdCalcular->setEnabled(true);
    cmdImprimir->setEnabled(false);
}

void frmRegra::marcar(int i, bool marcado)
{
    if (optInc[i]->isChecked() == marcado)
        return;
    if (marcado) {
        optInc[i]->setChecked(true);
        return;
    }
    // An exclusive group never lets its one marked button go.
    grupo_->setExclusive(false);
    optInc[i]->setChecked(false);
    grupo_->setExclusive(true);
}

bool frmRegra::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(evento)->isAutoRepeat()) {
        for (int i = 0; i < kLinhasRegra; ++i)
            if (objeto == txtValor2[i])
                txtValor2_KeyUp(i);
    }
    return JanelaFerramenta::eventFilter(objeto, evento);
}

// ---- calculating ----------------------------------------------------------------------------------

void frmRegra::cmdCalcular_Click()
{
    LinhasRegra linhas = lerLinhas();
    const CalculoRegra r = CalcularRegra(linhas, cmdCalcular->Tag().isEmpty(), [this](const QString& pergunta) {
        return servicos().mensagens.show(pergunta, mb::YesNoCancel | mb::Question, windowTitle());
    });
    escreverLinhas(linhas);
    if (!r.calculado()) {
        mensagem(r.topico, mb::Exclamation);
        if (r.foco == CalculoRegra::Foco::Valor)
            focar(txtValor[r.linhaFoco]);
        else if (r.foco == CalculoRegra::Foco::Valor2)
            focar(txtValor2[r.linhaFoco]);
        return;
    }
    cmdCalcular->setEnabled(false);
    cmdImprimir->setEnabled(true);
    cmdCalcular->setTag(QStringLiteral("ok"));
    focar(txtValor2[r.incognita]);
}

LinhasRegra frmRegra::lerLinhas() const
{
    LinhasRegra linhas;
    for (int i = 0; i < kLinhasRegra; ++i) {
        LinhaRegra& l = linhas[i];
        l.valor = txtValor[i]->text();
        l.cond = txtCond[i]->text();
        l.valor2 = txtValor2[i]->text();
        l.cond2 = txtCond2[i]->text();
        l.valor2Habilitado = txtValor2[i]->isEnabled();
        l.incognita = optInc[i]->isChecked();
        l.relacao = relacoes_[i];
    }
    return linhas;
}

void frmRegra::escreverLinhas(const LinhasRegra& linhas)
{
    for (int i = 0; i < kLinhasRegra; ++i) {
        txtValor2[i]->setText(linhas[i].valor2);
        mostrarRelacao(i, linhas[i].relacao);
    }
}

void frmRegra::mostrarRelacao(int i, Relacao relacao)
{
    relacoes_[i] = relacao;
    if (relacao == Relacao::Nenhuma)
        imgVal[i]->clear();
    else
        imgVal[i]->setPixmap(
            style()->standardIcon(relacao == Relacao::Direta ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown).pixmap(16, 16));
}

void frmRegra::focar(QWidget* campo)
{
    if (campo->isEnabled())
        campo->setFocus(Qt::OtherFocusReason);
}

int frmRegra::mensagem(int topico, int flags)
{
    return servicos().mensagens.show(fTexto(topico), flags, windowTitle());
}

// ---- the guided examples ----------------------------------------------------------------------------

void frmRegra::paraEsquerda()
{
    move(0, y());
}

void frmRegra::cmdExemplo_Click()
{
    for (int i = 0; i < kLinhasRegra; ++i) {
        txtValor[i]->clear();
        txtCond[i]->clear();
        txtValor2[i]->clear();
        txtCond2[i]->clear();
        txtValor2[i]->setEnabled(false);
    }
    paraEsquerda();
    const char* valores[] = {"8", "5", "6", "12"};
    for (int i = 0; i < 4; ++i) {
        mensagem(179 + i, mb::Information);
        txtValor[i]->setText(QString::fromLatin1(valores[i]));
        txtCond[i]->setText(fTexto(188 + i));
    }
    mensagem(183, mb::Question);
    const char* novos[] = {"5", "10", "8"};
    for (int i = 0; i < 3; ++i) {
        mensagem(184 + i, mb::Information);
        txtValor2[i]->setText(QString::fromLatin1(novos[i]));
    }
    optInc[3]->setChecked(true);
    cmdCalcular->setEnabled(true);
    mensagem(187, mb::Exclamation);
    cmdExemplo->setEnabled(false);
    cmdExemplo2->setEnabled(true);
    cmdCalcular->setFocus(Qt::OtherFocusReason);
}

void frmRegra::cmdExemplo2_Click()
{
    for (CampoTexto* c : txtValor2)
        c->clear();
    paraEsquerda();
    mensagem(192, mb::Question);
    const std::pair<int, const char*> novos[] = {{0, "3"}, {1, "12"}, {3, "18"}};
    for (int k = 0; k < 3; ++k) {
        mensagem(193 + k, mb::Information);
        txtValor2[novos[k].first]->setText(QString::fromLatin1(novos[k].second));
    }
    optInc[2]->setChecked(true);
    cmdCalcular->setEnabled(true);
    mensagem(196, mb::Exclamation);
    cmdExemplo2->setEnabled(false);
    cmdCalcular->setFocus(Qt::OtherFocusReason);
}

// ---- printing -----------------------------------------------------------------------------------------

void frmRegra::cmdImprimir_Click()
{
    QPicture imagem;
    QPainter pintor(&imagem);
    render(&pintor);
    pintor.end();
    if (impressora_ && impressora_->printForm(imagem)) {
        mensagem(16, mb::Information);
        return;
    }
    mensagem(17, mb::Critical);
    reject();
}

}  // namespace tarvelo
