#include "tools/ui/frmpeso.h"

#include "calc/portacalculadora.h"
#include "controls/xpbutton.h"
#include "host/globais.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/ui/titlebar.h"
#include "tools/pesoideal.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/leiaute.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace tarvelo {
namespace {

bool portugues() { return globais().gIdioma == 1; }

// The gauge's zones move with the sex: the normal range is wider for men.
struct Medidor {
    double larguraMin, leftTol1, leftTol2, larguraTol2, leftMax, larguraMax;
};
constexpr Medidor kHomem{1300, 1180, 2120, 200, 2120, 1305};
constexpr Medidor kMulher{1200, 1080, 2220, 255, 2220, 1200};

// The design, in twips: the client area holds the arrow under the ruler, whose left edge
// runs from kSetaMin to kSetaMax.
constexpr double kLargura = 3540, kAltura = 4770;
constexpr double kSetaTopo = 4230, kSetaLado = 480, kSetaMin = -90, kSetaMax = 3210;

QLabel* rotulo(QWidget* pai, const QString& texto, double left, double top, double width, double height)
{
    auto* l = new QLabel(texto, pai);
    posicionar(l, left, top, width, height);
    return l;
}

// A zone's caption is a row of ticks around its word, longer than the narrower zones: the
// zone keeps the word's end of it, the rest of the ticks running off the other side.
QLabel* zona(QWidget* pai, const QString& texto, const QColor& fundo, const QColor& cor, Qt::Alignment lado)
{
    auto* l = new QLabel(texto, pai);
    colorir(l, cor, fundo);
    l->setAlignment(lado | Qt::AlignVCenter);
    l->setFont(fonte(QStringLiteral("Tahoma"), 6.75, false));
    return l;
}

// A plain figure of a person, 38 by 76 pixels; the woman's wears a skirt.
QPixmap figura(bool mulher)
{
    QPixmap p(38, 76);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(mulher ? QColor(200, 60, 120) : QColor(40, 80, 180));
    pintor.drawEllipse(12, 2, 14, 14);
    if (mulher) {
        pintor.drawPolygon(QPolygon({QPoint(13, 18), QPoint(25, 18), QPoint(32, 50), QPoint(6, 50)}));
        pintor.drawRect(13, 50, 4, 24);
        pintor.drawRect(21, 50, 4, 24);
    } else {
        pintor.drawRoundedRect(10, 18, 18, 30, 3, 3);
        pintor.drawRect(11, 46, 7, 28);
        pintor.drawRect(20, 46, 7, 28);
    }
    pintor.drawRect(3, 19, 5, 26);
    pintor.drawRect(30, 19, 5, 26);
    return p;
}

QString exibir(QString texto)
{
    return texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

frmPeso::frmPeso(const ServicosFerramenta& servicos, QWidget* parent)
    : JanelaFerramenta(QStringLiteral("frmPeso"), servicos, parent)
{
    criarControles();
    ComportamentoFerramenta c;
    c.primeiroCampo = txtAltura;
    c.fechaAoDesativar = true;
    c.enter = ComportamentoFerramenta::Enter::Tab;
    c.manterNumLock = true;
    c.focoNaCalculadora = true;
    c.maos = {Option1, Option2};
    if (portugues())
        c.maos << lbl8 << lblResultado;
    definirComportamento(c);
    Form_Load();
    enquadrar();
}

void frmPeso::criarControles()
{
    tamanhoCliente(this, kLargura, kAltura);
    setWindowTitle(QStringLiteral(" IMC - Cálculo do peso ideal"));
    setFont(fonte(QStringLiteral("Tahoma"), 8.25, false));
    lbl8 = rotulo(this, QStringLiteral("National Health and Nutrition Examination Survey - by USA - 1976/1980"), 60, 30,
                  3420, 390);
    lbl8->setWordWrap(true);
    lbl8->setAlignment(Qt::AlignCenter);
    colorir(lbl8, Qt::blue, kCianoClaro);
    lbl8->installEventFilter(this);

    lblAltura = rotulo(this, QStringLiteral("&Altura (m)"), 120, 480, 1380, 225);
    txtAltura = new CampoTexto(this);
    posicionar(txtAltura, 120, 705, 1200, 285);
    lblPeso = rotulo(this, QStringLiteral("&Peso Atual (Kg)"), 120, 1050, 1380, 225);
    txtPeso = new CampoTexto(this);
    posicionar(txtPeso, 120, 1275, 1200, 285);
    lblAltura->setBuddy(txtAltura);
    lblPeso->setBuddy(txtPeso);
    for (auto [c, limite] : {std::pair{txtAltura, 4}, std::pair{txtPeso, 6}}) {
        c->setLimite(limite);
        c->setAlignment(Qt::AlignCenter);
        c->setSelecaoAoFocar(100);
        c->setNumero({});
    }
    connect(txtPeso, &QLineEdit::textChanged, this, [this] { definirResultado({}); });

    Option2 = new QRadioButton(QStringLiteral("&Mulher"), this);
    posicionar(Option2, 1500, 600, 1100, 285);
    Option1 = new QRadioButton(QStringLiteral("&Homem"), this);
    posicionar(Option1, 1500, 900, 1100, 285);
    Image1 = new QLabel(this);
    Image2 = new QLabel(this);
    Image1->setPixmap(figura(false));
    Image2->setPixmap(figura(true));
    for (QLabel* imagem : {Image1, Image2})
        posicionar(imagem, 2760, 450, 570, 1140);
    cmdHomem = new XPButton(this);
    cmdHomem->setFont(fonte(QStringLiteral("Tahoma"), 8.25, true));
    posicionar(cmdHomem, 1500, 1260, 1100, 345);
    cmdHomem->setCaption(QStringLiteral("&Calcular"));
    connect(cmdHomem, &XPButton::Click, this, &frmPeso::cmdHomem_Click);

    Frame1 = new QGroupBox(this);
    posicionar(Frame1, 60, 1680, 3420, 2220);
    QPalette azul = Frame1->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    Frame1->setPalette(azul);
    const char* rotulos[5] = {"Magro <", "Média =", "Sobrepeso >", "Gordo >", "Obeso >"};
    for (int i = 0; i < 5; ++i) {
        const double top = 300 + 390 * i;
        lblLimite[i] = rotulo(Frame1, QString::fromUtf8(rotulos[i]), 90, top, 1100, 285);
        txtLimite[i] = new CampoTexto(Frame1);
        posicionar(txtLimite[i], 1200, top, 960, 285);
        txtLimite[i]->setReadOnly(true);
        txtLimite[i]->setAlignment(Qt::AlignCenter);
        txtLimite[i]->setFocusPolicy(Qt::NoFocus);
        colorir(txtLimite[i], i == 1 ? Qt::blue : Qt::black, QColor(224, 224, 224));
    }
    colorir(lblLimite[1], Qt::blue, palette().color(QPalette::Window));
    lblResultado = rotulo(Frame1, {}, 2220, 240, 1140, 1920);
    lblResultado->setAlignment(Qt::AlignCenter);
    lblResultado->setWordWrap(true);
    colorir(lblResultado, Qt::blue, kCianoClaro);
    lblResultado->installEventFilter(this);

    criarMedidor();
    setTabOrder(txtAltura, txtPeso);
    setTabOrder(txtPeso, Option2);
    setTabOrder(Option2, Option1);
    setTabOrder(Option1, cmdHomem);
    connect(Option1, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            trocarSexo(true);
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            trocarSexo(false);
    });
}

void frmPeso::criarMedidor()
{
    const QString marcas = QStringLiteral("| | | | | | | | | | | | | |");
    lblMedidor = zona(this, QStringLiteral("| | | | | | | | x | | | | | | | |"), QColor(128, 255, 128), Qt::blue,
                      Qt::AlignHCenter);
    posicionar(lblMedidor, 60, 3960, 3390, 285);
    lblMin = zona(this, QStringLiteral("| Magro | | | | | | | | | | | | |"), QColor(255, 192, 192), Qt::black,
                  Qt::AlignLeft);
    lblTol1 = zona(this, marcas, Qt::yellow, Qt::black, Qt::AlignHCenter);
    lblTol2 = zona(this, marcas, Qt::yellow, Qt::black, Qt::AlignHCenter);
    lblMax = zona(this, QStringLiteral("| | | | | | Obeso |"), QColor(192, 0, 0), Qt::white, Qt::AlignRight);
    imgSeta = new QLabel(this);
    imgSeta->setPixmap(style()->standardIcon(QStyle::SP_ArrowUp).pixmap(32, 32));
    imgSeta->setAlignment(Qt::AlignCenter);
    posicionar(imgSeta, 1560, kSetaTopo, kSetaLado, kSetaLado);
}

void frmPeso::Form_Load()
{
    Option2->setChecked(true);
    if (portugues())
        return;
    setWindowTitle(QStringLiteral(" Ideal Weight"));
    lblAltura->setText(QStringLiteral("&Height (m)"));
    lblPeso->setText(QStringLiteral("W&eight (Kg)"));
    Option2->setText(QStringLiteral("&Woman"));
    Option1->setText(QStringLiteral("&Man"));
    cmdHomem->setCaption(QStringLiteral("&Calculate"));
    const char* rotulos[5] = {"Thin <", "Medium =", "Overweight >", "Fat >", "Obese >"};
    for (int i = 0; i < 5; ++i)
        lblLimite[i]->setText(QString::fromLatin1(rotulos[i]));
    lblMin->setText(QStringLiteral("| Thin | | | | | | | | | |"));
    lblMax->setText(QStringLiteral("| | | | | | Obese |"));
}

// The design is narrower than the Portuguese title in the window manager's bold face, and
// the arrow at either end of its run stands half outside it: the window grows to hold both,
// the design centred in it.
void frmPeso::enquadrar()
{
    const int desenho = pixels(kLargura);
    const int sobra = std::max(-pixels(kSetaMin), pixels(kSetaMax + kSetaLado) - desenho);
    const int largura = std::max(desenho + 2 * sobra, titleBarWidth(windowTitle()));
    margem_ = (largura - desenho) / 2;
    setFixedWidth(largura);
    for (QWidget* controle : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        controle->move(controle->pos() + QPoint(margem_, 0));
}

// A control of the window itself at its place in the design, margem_ to the right.
void frmPeso::colocar(QWidget* controle, double left, double top, double width, double height)
{
    posicionar(controle, left, top, width, height);
    controle->move(controle->pos() + QPoint(margem_, 0));
}

// ---- the calculation ----------------------------------------------------------------------------

void frmPeso::cmdHomem_Click()
{
    const ResultadoPeso r = CalcularPeso(txtAltura->text(), txtPeso->text(), Option1->isChecked());
    if (r.altura != txtAltura->text())
        txtAltura->setText(r.altura);
    if (r.recusado()) {
        mensagem(r.mensagem);
        (r.foco == CampoPeso::Altura ? txtAltura : txtPeso)->setFocus(Qt::OtherFocusReason);
        return;
    }
    Frame1->setTitle(r.quadro);
    for (int i = 0; i < 5; ++i)
        txtLimite[i]->setText(r.limites[i]);
    imgSeta->move(margem_ + pixels(r.seta), imgSeta->y());
    definirResultado(r.resultado);
}

void frmPeso::trocarSexo(bool homem)
{
    const Medidor& m = homem ? kHomem : kMulher;
    colocar(lblMin, 90, 3990, m.larguraMin, 225);
    colocar(lblTol1, m.leftTol1, 3990, 225, 225);
    colocar(lblTol2, m.leftTol2, 3990, m.larguraTol2, 225);
    colocar(lblMax, m.leftMax, 3990, m.larguraMax, 225);
    imgSeta->raise();
    if (isNumeric(txtPeso->text()) && isNumeric(txtAltura->text()))
        cmdHomem_Click();
    Image2->setVisible(!homem);
}

void frmPeso::definirResultado(const QString& texto)
{
    resultado_ = texto;
    lblResultado->setText(exibir(texto));
}

// ---- the clickable labels, Portuguese only --------------------------------------------------------

bool frmPeso::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease) {
        if (objeto == lbl8)
            lbl8_Click();
        else if (objeto == lblResultado)
            lblResultado_Click();
    }
    return JanelaFerramenta::eventFilter(objeto, evento);
}

void frmPeso::lbl8_Click()
{
    if (portugues())
        mensagem(AjudaImc());
}

void frmPeso::lblResultado_Click()
{
    if (!portugues())
        return;
    if (resultado_.isEmpty())
        mensagem(QStringLiteral("Primeiro efetue o cálculo para depois clicar aqui e ver o resultado para peso médio ideal"));
    else
        mensagem(ConselhoPesoMedio(txtPeso->text(), txtLimite[1]->text()));
}

void frmPeso::mensagem(const QString& texto)
{
    servicos().mensagens.show(texto, mb::Information);
}

// ---- closing ----------------------------------------------------------------------------------------

void frmPeso::Form_Unload()
{
    if (resultado_.isEmpty())
        return;
    const FichaPeso ficha{txtAltura->text(), txtPeso->text(), Option1->isChecked(),
                          txtLimite[0]->text(), txtLimite[1]->text(), txtLimite[2]->text()};
    servicos().calculadora.AcrescentarFita(BlocoPeso(ficha));
}

}  // namespace tarvelo
