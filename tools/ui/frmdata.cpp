#include "tools/ui/frmdata.h"

#include "calc/portacalculadora.h"
#include "controls/xpbutton.h"
#include "host/globais.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/leiaute.h"
#include "tools/ui/maskeddateedit.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace tarvelo {
namespace {

QColor corDe(Cor cor)
{
    return QColor(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}

// Qt labels break lines at LF; the window's texts use a lone CR.
QString exibir(QString texto)
{
    return texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QLabel* rotulo(QWidget* pai, double left, double top, double width, double height, Qt::Alignment alinhamento)
{
    auto* l = new QLabel(pai);
    posicionar(l, left, top, width, height);
    l->setAlignment(alinhamento | Qt::AlignVCenter);
    return l;
}

CampoTexto* campoNumero(QWidget* pai, double left, double top, double width, int limite)
{
    auto* c = new CampoTexto(pai);
    posicionar(c, left, top, width, 285);
    c->setAlignment(Qt::AlignCenter);
    c->setLimite(limite);
    c->setSelecaoAoFocar(10);
    c->setNumero({.decimals = false, .sign = true});
    c->setFont(fonte(QStringLiteral("Tahoma"), 8.25, false));
    return c;
}

// Doubles a control's place, size and font, as the large layout does.
void dobrar(QWidget* c, bool tamanho = true)
{
    const QRect g = c->geometry();
    c->setGeometry(g.x() * 2, g.y() * 2, tamanho ? g.width() * 2 : g.width(), tamanho ? g.height() * 2 : g.height());
    QFont f = c->font();
    f.setPointSizeF(f.pointSizeF() * 2);
    c->setFont(f);
    if (!tamanho)
        c->adjustSize();
}

}  // namespace

frmData::frmData(const ServicosFerramenta& servicos, bool grande, QWidget* parent)
    : JanelaFerramenta(QStringLiteral("frmData"), servicos, parent)
{
    criarControles();
    ComportamentoFerramenta c;
    c.fechaAoDesativar = true;
    c.enter = ComportamentoFerramenta::Enter::Campo;
    c.filtro = [this](int KeyAscii) { return filtro(KeyAscii); };
    c.manterNumLock = true;
    c.focoNaCalculadora = true;
    c.maos = {Check1[0], Check1[1], Check1[2]};
    definirComportamento(c);
    Form_Load(grande);
}

void frmData::criarControles()
{
    tamanhoCliente(this, 3450, 2910);
    setFont(fonte(QStringLiteral("Tahoma"), 8.25, true));

    lblHoje = rotulo(this, 60, 30, 3285, 495, Qt::AlignHCenter);
    // Two lines high: the months warning is one sentence that has to break to be read whole.
    lblHoje->setWordWrap(true);
    colorir(lblHoje, Qt::blue, kCianoClaro);
    const double topoData[2] = {780, 1470};
    const double topoRotulo[2] = {570, 1260};
    for (int i = 0; i < 2; ++i) {
        txtData[i] = new MaskedDateEdit(this);
        txtData[i]->setOrder(OrdemDoFormato(globais().gFormatoData));
        posicionar(txtData[i], 60, topoData[i], 1185, 285);
        txtData[i]->setFont(fonte(QStringLiteral("Tahoma"), 8.25, false));
        lblDat[i] = new QLabel(this);
        lblDat[i]->move(pixels(90), pixels(topoRotulo[i]));
        lblDat[i]->setBuddy(txtData[i]);
        lblData[i] = rotulo(this, 1320, topoData[i], 2025, 285, Qt::AlignHCenter);
        colorir(lblData[i], Qt::black, kCianoClaro);
        connect(txtData[i], &MaskedDateEdit::changed, this, [this, i] { txtData_Change(i); });
        connect(txtData[i], &MaskedDateEdit::characterTyped, this, [this](QChar c) { txtData_KeyPress(c); });
        connect(txtData[i], &MaskedDateEdit::entered, this, [this, i] { txtData_GotFocus(i); });
        connect(txtData[i], &MaskedDateEdit::left, this, [this, i] { txtData_LostFocus(i); });
    }

    struct Botao {
        double left, top, width;
    };
    const Botao botoes[5] = {{780, 1860, 645}, {840, 2160, 765}, {960, 2460, 975}, {2700, 1860, 645}, {1320, 1140, 1605}};
    for (int i = 0; i < 5; ++i) {
        cmdCalcula[i] = new XPButton(this);
        cmdCalcula[i]->setFont(font());
        posicionar(cmdCalcula[i], botoes[i].left, botoes[i].top, botoes[i].width, 285);
        connect(cmdCalcula[i], &XPButton::Click, this, [this, i] { cmdCalcula_Click(i); });
    }

    txtAnos = campoNumero(this, 270, 1860, 465, 3);
    txtMeses = campoNumero(this, 270, 2160, 525, 4);
    txtSemanas = campoNumero(this, 270, 2460, 645, 5);
    txtDias = campoNumero(this, 1800, 1860, 855, 7);
    const double topoCheck[3] = {1860, 2160, 2460};
    for (int i = 0; i < 3; ++i) {
        Check1[i] = new QCheckBox(this);
        posicionar(Check1[i], 60, topoCheck[i], 285, 285);
        connect(Check1[i], &QCheckBox::clicked, this, [this, i] { Check1_MouseUp(i); });
    }
    Check1[0]->setChecked(true);
    Check1[2]->setChecked(true);
    txtAnos->KeyPress = [this](int k) { return campoNumero_KeyPress(k, Check1[0]); };
    txtMeses->KeyPress = [this](int k) { return campoNumero_KeyPress(k, Check1[1]); };
    txtSemanas->KeyPress = [this](int k) { return campoNumero_KeyPress(k, Check1[2]); };
    txtDias->KeyPress = [this](int k) { return campoNumero_KeyPress(k, nullptr); };

    lblBis = rotulo(this, 3165, 2250, 120, 195, Qt::AlignRight);
    lblBis->hide();
    lblBissextos = rotulo(this, 2850, 2460, 435, 285, Qt::AlignHCenter);
    colorir(lblBissextos, Qt::black, kCianoClaro);
    lblBissextos->hide();

    QWidget* ordem[] = {txtData[0], txtData[1], cmdCalcula[4], txtAnos,      txtMeses,     txtSemanas, txtDias,
                        cmdCalcula[0], cmdCalcula[1], cmdCalcula[2], cmdCalcula[3], Check1[0], Check1[1], Check1[2]};
    for (std::size_t i = 1; i < std::size(ordem); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void frmData::Form_Load(bool grande)
{
    for (MaskedDateEdit* data : txtData) {
        data->setDateText(hoje());
        data->setToolTip(globais().gFormatoData);
    }
    lblHoje->setText(exibir(fTexto(54) + hoje() + QLatin1Char('\r') + longDate(contexto().hoje)));
    lblDat[0]->setText(fTexto(129));
    lblDat[1]->setText(fTexto(130));
    for (int i = 0; i < 4; ++i)
        cmdCalcula[i]->setCaption(fTexto(131 + i));
    cmdCalcula[4]->setCaption(fTexto(209));
    lblBis->setText(fTexto(135));
    // Sized to its caption, its right edge where it was drawn.
    const int direita = lblBis->geometry().right();
    lblBis->adjustSize();
    lblBis->move(direita - lblBis->width() + 1, lblBis->y());
    for (QLabel* l : lblDat)
        l->adjustSize();
    setWindowTitle(fTexto(136));
    if (grande)
        AmpliarJanela();
}

void frmData::AmpliarJanela()
{
    // The factors were made for the window's outer size, caption and borders included.
    constexpr int kBordas = 6;
    constexpr int kTituloEBordas = 27;
    setFixedSize(int((width() + kBordas) * 1.95) - kBordas, int((height() + kTituloEBordas) * 1.8) - kTituloEBordas);
    for (QWidget* c : std::initializer_list<QWidget*>{lblHoje, cmdCalcula[4], txtAnos, txtMeses, txtSemanas, txtDias})
        dobrar(c);
    lblBis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    dobrar(lblBis, false);
    dobrar(lblBissextos);
    const std::array<QWidget*, 3> campos{txtAnos, txtMeses, txtSemanas};
    for (int i = 0; i < 3; ++i)
        Check1[i]->move(campos[i]->x() - pixels(180), campos[i]->y());
    for (int i = 0; i < 2; ++i) {
        dobrar(lblDat[i], false);
        dobrar(lblData[i]);
        dobrar(txtData[i]);
    }
    for (int i = 0; i < 4; ++i)
        dobrar(cmdCalcula[i]);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

// ---- the date boxes ------------------------------------------------------------------------------

void frmData::txtData_Change(int Index)
{
    const bool data = temData(Index);
    if (data)
        lblData[Index]->setText(formatDate(*LerData(txtData[Index]->text(), contexto()), u"dddd", contexto().locale));
    else
        lblData[Index]->clear();
    for (int i = 0; i < 4; ++i)
        cmdCalcula[i]->setEnabled(data);
    cmdCalcula[4]->setEnabled(!data);
    if (data)
        realcar(Index);
}

void frmData::txtData_KeyPress(QChar caractere)
{
    LimparCampos();
    if (caractere == QLatin1Char('\r') && temData(0) && temData(1))
        Check1_MouseUp(0);
}

void frmData::txtData_GotFocus(int Index)
{
    if (Index == 1 && txtData[0]->text() != hoje() && !temData(1))
        txtData[1]->setDateText(hoje());
    if (temData(Index))
        realcar(Index);
}

void frmData::txtData_LostFocus(int Index)
{
    ValidarData(Index);
    if (!temData(0))
        txtData[0]->setDateText(hoje());
}

bool frmData::ValidarData(int Index)
{
    const DataValidada v = tarvelo::ValidarData(txtData[Index]->text(), txtData[Index]->separator(), contexto());
    if (!v.valida) {
        mensagem(32);
        txtData[Index]->setFocus(Qt::OtherFocusReason);
    }
    txtData[Index]->setDateText(v.texto);
    return v.valida;
}

void frmData::realcar(int Index)
{
    colorir(txtData[Index], Qt::white, Qt::blue);
    colorir(txtData[1 - Index], Qt::black, Qt::white);
}

// ---- the number fields -----------------------------------------------------------------------------

int frmData::filtro(int KeyAscii) const
{
    if ((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == 8 || KeyAscii == 13)
        return KeyAscii;
    // A minus only for a first offset: once days are typed it would land inside a number.
    if (KeyAscii == '-' && txtDias->text().isEmpty())
        return KeyAscii;
    return 0;
}

int frmData::campoNumero_KeyPress(int KeyAscii, QCheckBox* unidade)
{
    if (KeyAscii != 13)
        txtData[1]->setDateText({});
    if (unidade)
        unidade->setChecked(true);
    if (KeyAscii == 13 && temData(0))
        Check1_MouseUp(0);
    return KeyAscii;
}

void frmData::LimparCampos()
{
    for (CampoTexto* c : {txtAnos, txtMeses, txtSemanas, txtDias})
        c->clear();
    definirBissextos({});
}

void frmData::definirBissextos(const QString& texto)
{
    if (lblBissextos->text() == texto)
        return;
    lblBissextos->setText(texto);
    lblBissextos_Change();
}

void frmData::lblBissextos_Change()
{
    const bool mostrar = leadingValue(lblBissextos->text()) != 0;
    lblBissextos->setVisible(mostrar);
    lblBis->setVisible(mostrar);
}

// ---- the calculation ----------------------------------------------------------------------------------

void frmData::cmdCalcula_Click(int Index)
{
    txtData_LostFocus(0);
    txtData_LostFocus(1);
    CamposData campos = lerCampos();
    const int topico = CalcularData(campos, UnidadeData(Index), contexto());
    escreverCampos(campos);
    if (topico != 0)
        mensagem(topico);
}

void frmData::Check1_MouseUp(int Index)
{
    cmdCalcula_Click(int(UnidadeMarcada({Check1[0]->isChecked(), Check1[1]->isChecked(), Check1[2]->isChecked()})));
}

CamposData frmData::lerCampos() const
{
    CamposData c;
    c.dataInicial = txtData[0]->text();
    c.dataFinal = txtData[1]->text();
    c.anos = txtAnos->text();
    c.meses = txtMeses->text();
    c.semanas = txtSemanas->text();
    c.dias = txtDias->text();
    for (int i = 0; i < 3; ++i)
        c.marcados[i] = Check1[i]->isChecked();
    c.bissextos = lblBissextos->text();
    return c;
}

void frmData::escreverCampos(const CamposData& c)
{
    txtData[1]->setDateText(c.dataFinal);
    txtAnos->setText(c.anos);
    txtMeses->setText(c.meses);
    txtSemanas->setText(c.semanas);
    txtDias->setText(c.dias);
    for (int i = 0; i < 3; ++i)
        Check1[i]->setChecked(c.marcados[i]);
    definirBissextos(c.bissextos);
    if (!c.hoje.isEmpty()) {
        lblHoje->setText(exibir(c.hoje));
        colorir(lblHoje, corDe(c.corHoje), kCianoClaro);
    }
}

// ---- closing ----------------------------------------------------------------------------------------

void frmData::Form_Unload()
{
    txtData_LostFocus(0);
    const QString registro = RegistroData(lerCampos(), contexto());
    if (registro.isEmpty())
        return;
    servicos().calculadora.AcrescentarFita(registro);
    txtData[1]->setDateText({});
}

// ---- helpers ----------------------------------------------------------------------------------------

ContextoData frmData::contexto() const
{
    return {servicos().relogio.now().date(), currentLocale()};
}

bool frmData::temData(int Index) const
{
    return LerData(txtData[Index]->text(), contexto()).has_value();
}

QString frmData::hoje() const
{
    return EscreverData(contexto().hoje, contexto());
}

void frmData::mensagem(int topico)
{
    servicos().mensagens.show(fTexto(topico), mb::Exclamation, windowTitle());
}

}  // namespace tarvelo
