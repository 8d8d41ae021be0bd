#include "interest/ui/janelajuro.h"

#include "calc/portacalculadora.h"
#include "controls/xpbutton.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "interest/capitalizacao.h"
#include "interest/numeros.h"
#include "platform/blanks.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "tools/ui/campotexto.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tarvelo {
namespace {

XPButton* botao(QWidget* pai, const QString& legenda)
{
    auto* b = new XPButton(pai);
    b->InitProperties(legenda);
    b->setCaption(legenda);
    b->setFixedSize(130, 26);
    return b;
}

}  // namespace

JanelaJuro::JanelaJuro(const QString& nome, const ServicosFerramenta& servicos, bool avancado, QWidget* parent)
    : JanelaFerramenta(nome, servicos, parent), avancado_(avancado)
{
    setWindowTitle(fTexto(140));
    montarInicio();
}

// ---- building ------------------------------------------------------------------------------------

CampoTexto* JanelaJuro::novoCampo(int limite, int selecao, Qt::Alignment alinhamento)
{
    auto* c = new CampoTexto(this);
    c->setLimite(limite);
    c->setSelecaoAoFocar(selecao);
    c->setAlignment(alinhamento);
    return c;
}

QLabel* JanelaJuro::rotulo(const QString& texto, QWidget* campo)
{
    auto* l = new QLabel(texto, this);
    l->setBuddy(campo);
    return l;
}

int JanelaJuro::linhaLivre() const
{
    return grade_->rowCount();
}

void JanelaJuro::destacar(QWidget* campo, const char* fundo, const char* texto)
{
    QString estilo = QStringLiteral("background-color: %1;").arg(QLatin1String(fundo));
    if (texto)
        estilo += QStringLiteral(" color: %1;").arg(QLatin1String(texto));
    campo->setStyleSheet(estilo);
}

void JanelaJuro::montarInicio()
{
    auto* layout = new QVBoxLayout(this);
    auto* lblFixas = new QLabel(fTexto(139), this);
    QFont negrito = lblFixas->font();
    negrito.setBold(true);
    lblFixas->setFont(negrito);
    layout->addWidget(lblFixas);
    grade_ = new QGridLayout;
    layout->addLayout(grade_);

    const Qt::Alignment direita = Qt::AlignRight | Qt::AlignVCenter;
    txtValVista = novoCampo(20, 200, direita);
    txtValPrest = novoCampo(20, 200, direita);
    txtParcelas = novoCampo(3, 2, Qt::AlignCenter);
    cmdCalcular = botao(this, fTexto(151));
    txtDias = novoCampo(2, 3, Qt::AlignCenter);
    chkVista = new QCheckBox(trimBlanks(fTexto(150)), this);
    destacar(txtValPrest, "#FFFFC0", "#000080");

    grade_->addWidget(rotulo(fTexto(141), txtValVista), 0, 0);
    grade_->addWidget(txtValVista, 0, 1);
    grade_->addWidget(rotulo(fTexto(142), txtValPrest), 1, 0);
    grade_->addWidget(txtValPrest, 1, 1);
    grade_->addWidget(rotulo(fTexto(143), txtParcelas), 2, 0);
    auto* contagem = new QHBoxLayout;
    txtParcelas->setFixedWidth(50);
    contagem->addWidget(txtParcelas);
    contagem->addStretch();
    contagem->addWidget(cmdCalcular);
    grade_->addLayout(contagem, 2, 1);
    grade_->addWidget(new QLabel(fTexto(144), this), 3, 0);
    auto* dias = new QHBoxLayout;
    txtDias->setFixedWidth(50);
    dias->addWidget(txtDias);
    dias->addWidget(new QLabel(fTexto(145), this));
    dias->addWidget(chkVista);
    dias->addStretch();
    grade_->addLayout(dias, 3, 1);
}

void JanelaJuro::montarFim()
{
    txtJuroAp = novoCampo(0, 200, Qt::AlignCenter);
    txtJuroTot = novoCampo(0, -1, Qt::AlignRight | Qt::AlignVCenter);
    txtValFinal = novoCampo(0, -1, Qt::AlignRight | Qt::AlignVCenter);
    destacar(txtJuroAp, "#FFFFC0", "#000080");
    for (CampoTexto* resultado : {txtJuroTot, txtValFinal}) {
        resultado->setReadOnly(true);
        resultado->setFocusPolicy(Qt::NoFocus);
        destacar(resultado, "#C0FFFF");
    }
    int linha = linhaLivre();
    grade_->addWidget(rotulo(fTexto(146), txtJuroAp), linha, 0);
    auto* taxa = new QHBoxLayout;
    txtJuroAp->setFixedWidth(90);
    taxa->addWidget(txtJuroAp);
    taxa->addWidget(new QLabel(fTexto(149), this));
    taxa->addStretch();
    grade_->addLayout(taxa, linha, 1);
    // The command sits beside the count but comes last: Enter walks every field of the loan
    // (the advanced window's rows included) before it reaches Calcular.
    setTabOrder(txtJuroAp, cmdCalcular);
    grade_->addWidget(new QLabel(fTexto(147), this), ++linha, 0);
    grade_->addWidget(txtJuroTot, linha, 1);
    grade_->addWidget(new QLabel(fTexto(148), this), ++linha, 0);
    grade_->addWidget(txtValFinal, linha, 1);

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    layout->addWidget(Line1);
    auto* ferramentas = new QHBoxLayout;
    ferramentas->addWidget(new QLabel(fTexto(138), this));
    auto* botoes = new QVBoxLayout;
    cmdCapitalizar = botao(this, fTexto(153));
    cmdDescontar = botao(this, fTexto(152));
    cmdAjuda = botao(this, fTexto(125));
    for (XPButton* b : {cmdCapitalizar, cmdDescontar, cmdAjuda})
        botoes->addWidget(b);
    ferramentas->addLayout(botoes);
    layout->addLayout(ferramentas);

    txtDias->setText(QStringLiteral("30"));
    ligar();
}

void JanelaJuro::ligar()
{
    for (CampoTexto* c : {txtValVista, txtValPrest, txtJuroAp})
        c->setNumero({});
    for (CampoTexto* c : {txtParcelas, txtDias})
        c->setNumero({.decimals = false});

    connect(txtValVista, &QLineEdit::textChanged, this, [this] { esvaziarResultado(); });
    connect(txtValPrest, &QLineEdit::textChanged, this, [this] {
        esvaziarResultado();
        if (valorDinheiro(txtValPrest->text()) > 0 && !buscando_)
            txtJuroAp->setText({});
    });
    connect(txtJuroAp, &QLineEdit::textChanged, this, [this] {
        esvaziarResultado();
        if (valorDinheiro(txtJuroAp->text()) > 0 && !buscando_)
            txtValPrest->setText({});
    });
    limitar(txtParcelas, 250, QStringLiteral("Digite a quantidade de parcelas entre 01 e 250"));
    connect(txtDias, &QLineEdit::textChanged, this, [this] { txtDias_Change(); });
    connect(chkVista, &QCheckBox::toggled, this, [this] { chkVista_Click(); });
    connect(txtValFinal, &QLineEdit::textChanged, this, [this] {
        txtJuroTot->setText(FormatarValor(valorTexto(txtValFinal->text()) - valorTexto(txtValVista->text())));
    });
    connect(txtValVista, &CampoTexto::LostFocus, this,
            [this] { txtValVista->setText(FormatarValor(txtValVista->text())); });
    formatarSeNaoZero(txtValPrest);

    connect(cmdCalcular, &XPButton::Click, this, [this] { cmdCalcular_Click(); });
    connect(cmdCapitalizar, &XPButton::Click, this, [this] { cmdCapitalizar_Click(); });
    connect(cmdDescontar, &XPButton::Click, this, [this] { cmdDescontar_Click(); });
    connect(cmdAjuda, &XPButton::Click, this, [this] { cmdAjuda_Click(); });

    ComportamentoFerramenta c;
    c.primeiroCampo = txtValVista;
    c.fechaAoDesativar = true;
    c.enter = ComportamentoFerramenta::Enter::TabImediato;
    c.manterNumLock = true;
    c.ajuda = [this] { cmdAjuda_Click(); };
    c.focoNaCalculadora = true;
    c.maos = {chkVista};
    definirComportamento(c);
}

void JanelaJuro::limitar(CampoTexto* campo, double maximo, const QString& mensagem)
{
    connect(campo, &QLineEdit::textChanged, this, [this, campo, maximo, mensagem] {
        esvaziarResultado();
        const auto valor = numberValue(campo->text());
        if (valor && *valor > maximo) {
            mostrar(mensagem, mb::Critical, windowTitle());
            campo->setText({});
        }
    });
}

void JanelaJuro::formatarSeNaoZero(CampoTexto* campo)
{
    // An empty or zero amount stays as it is, so that it still asks to be solved.
    connect(campo, &CampoTexto::LostFocus, this, [campo] {
        if (valorDinheiro(campo->text()) != 0)
            campo->setText(FormatarValor(campo->text()));
    });
}

// ---- field handlers -------------------------------------------------------------------------------

void JanelaJuro::txtDias_Change()
{
    esvaziarResultado();
    const QString dias = txtDias->text();
    chkVista->setChecked(!dias.isEmpty() && valorTexto(dias) == 0);
}

void JanelaJuro::chkVista_Click()
{
    if (chkVista->isChecked() && txtDias->text() != QLatin1String("0"))
        txtDias->setText(QStringLiteral("0"));
}

void JanelaJuro::mostrar(const QString& texto, int flags, const QString& titulo) const
{
    servicos().mensagens.show(texto, flags, titulo);
}

// ---- the calculate command ------------------------------------------------------------------------

CampoTexto* JanelaJuro::campo(CampoJuro c) const
{
    switch (c) {
    case CampoJuro::ValVista: return txtValVista;
    case CampoJuro::ValPrest: return txtValPrest;
    case CampoJuro::Parcelas: return txtParcelas;
    case CampoJuro::Dias: return txtDias;
    case CampoJuro::JuroAp: return txtJuroAp;
    case CampoJuro::ValFinal: return txtValFinal;
    default: return nullptr;
    }
}

QString JanelaJuro::texto(CampoJuro c) const
{
    const CampoTexto* controle = campo(c);
    return controle ? controle->text() : QString();
}

void JanelaJuro::escrever(CampoJuro c, const QString& texto)
{
    if (CampoTexto* controle = campo(c))
        controle->setText(texto);
}

void JanelaJuro::tentativa()
{
    if (!cursorOcupado_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursorOcupado_ = true;
    }
    // The window repaints and shows the trial; the user's input waits for the result.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void JanelaJuro::cmdCalcular_Click()
{
    Ocupada ocupada(*this);
    RegrasCalculo regras{avancado_, servicos().relogio.now().date()};
    const ResultadoCalculo r = CalcularJuro(*this, regras);
    if (cursorOcupado_) {
        QApplication::restoreOverrideCursor();
        cursorOcupado_ = false;
    }
    calculado(r);
    if (!r.mensagem.isEmpty())
        mostrar(r.mensagem, mb::OkOnly | r.icone, windowTitle());
    if (r.desfecho == ResultadoCalculo::Desfecho::Aceito) {
        cmdCalcular->setFocus(Qt::OtherFocusReason);
        tagCalcular_ = QStringLiteral("ok");
    } else if (CampoTexto* foco = campo(r.foco)) {
        foco->setFocus(Qt::OtherFocusReason);
    }
}

// ---- savings, discount, help ----------------------------------------------------------------------

void JanelaJuro::capitalizar(const std::optional<Capitalizacao>& resultado)
{
    if (!resultado) {
        mostrar(fTexto(30), mb::Critical, windowTitle());
        return;
    }
    mostrar(resultado->mensagem, mb::Information, windowTitle());
    // LancarCapitalizacao: the record, then the window closes (with its plan record), and
    // the result goes into the calculator's entry last.
    servicos().calculadora.AnexarFita(RegistroCapitalizacao(*resultado, avancado_));
    reject();
    servicos().calculadora.DefinirEntrada(resultado->entrada);
}

void JanelaJuro::cmdCapitalizar_Click()
{
    const QDate hoje = servicos().relogio.now().date();
    capitalizar(PedirPoupanca(servicos().entrada, servicos().mensagens, hoje));
}

void JanelaJuro::cmdDescontar_Click()
{
    const QDate hoje = servicos().relogio.now().date();
    std::optional<Capitalizacao> resultado;
    {
        Ocupada ocupada(*this);
        resultado = PedirDesconto(servicos().entrada, servicos().mensagens, hoje,
                                  [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    }
    capitalizar(resultado);
}

void JanelaJuro::cmdAjuda_Click()
{
    mostrar(fTexto(21), mb::Information, windowTitle());
}

// ---- closing --------------------------------------------------------------------------------------

Plano JanelaJuro::plano() const
{
    return Plano{txtValVista->text(), txtParcelas->text(), txtValPrest->text(), txtJuroAp->text(),
                 txtDias->text(),     txtJuroTot->text(),  txtValFinal->text(), {},
                 {}};
}

QString JanelaJuro::registroPlano() const
{
    return RegistroPlano(plano());
}

void JanelaJuro::Form_QueryUnload()
{
    if (tagCalcular_.isEmpty())
        return;
    servicos().calculadora.AnexarFita(registroPlano());
    servicos().calculadora.DefinirEntrada(txtValFinal->text());
}

// ---- the simple window ----------------------------------------------------------------------------

frmJuro::frmJuro(const ServicosFerramenta& servicos, QWidget* parent)
    : JanelaJuro(QStringLiteral("frmJuro"), servicos, false, parent)
{
    montarFim();
}

}  // namespace tarvelo
