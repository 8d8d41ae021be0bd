#include "interest/ui/frmjuro2.h"

#include "calc/extenso.h"
#include "controls/xpbutton.h"
#include "host/globais.h"
#include "host/rotinas.h"
#include "interest/numeros.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/maskeddateedit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tarvelo {

frmJuro2::frmJuro2(const ServicosFerramenta& servicos, std::function<void(const Entrega&)> mostrarNota,
                   QWidget* parent)
    : JanelaJuro(QStringLiteral("frmJuro2"), servicos, true, parent), mostrarNota_(std::move(mostrarNota))
{
    montarExtras();
    montarFim();
    montarBotoes();
    // Form_Load's days: the date of the first instalment follows them.
    txtDias_Mudou();
}

void frmJuro2::montarExtras()
{
    txtData1Parcela = new MaskedDateEdit(this, formatDate(QDate(2003, 12, 15), u"dd/mm/yyyy").at(2));
    txt1Parcela = novoCampo(20, 200, Qt::AlignRight | Qt::AlignVCenter);
    txtDiaVct = novoCampo(2, 50, Qt::AlignCenter);
    int linha = linhaLivre();
    grade()->addWidget(new QLabel(QStringLiteral("Data da 1ª parcela"), this), linha, 0);
    txtData1Parcela->setFixedWidth(100);
    grade()->addWidget(txtData1Parcela, linha, 1, Qt::AlignLeft);
    grade()->addWidget(rotulo(QStringLiteral("Valor da 1ª parcela"), txt1Parcela), ++linha, 0);
    grade()->addWidget(txt1Parcela, linha, 1);
    grade()->addWidget(rotulo(QStringLiteral("Vencer &sempre no dia"), txtDiaVct), ++linha, 0);
    auto* dia = new QHBoxLayout;
    txtDiaVct->setFixedWidth(50);
    dia->addWidget(txtDiaVct);
    dia->addWidget(new QLabel(QStringLiteral("de cada mês"), this));
    dia->addStretch();
    grade()->addLayout(dia, linha, 1);

    txt1Parcela->setNumero({});
    txtDiaVct->setNumero({.decimals = false});
    connect(txt1Parcela, &QLineEdit::textChanged, this, [this] { esvaziarResultado(); });
    formatarSeNaoZero(txt1Parcela);
    limitar(txtDiaVct, 28, QStringLiteral("Digite o dia do vencimento entre 01 e 28"));
    connect(txtData1Parcela, &MaskedDateEdit::left, this, [this] { txtData1Parcela_Saiu(); });
    // Touching the instalment while the first one still equals it lets the first follow it again.
    txtValPrest->KeyDown = [this](int, int) {
        if (txtValPrest->text() == txt1Parcela->text())
            txt1Parcela->setText({});
    };
}

void frmJuro2::montarBotoes()
{
    auto* linha = new QHBoxLayout;
    Command1 = new XPButton(this);
    Command2 = new XPButton(this);
    for (auto [b, legenda] : {std::pair{Command1, QStringLiteral("Imprimir &NP")},
                              std::pair{Command2, QStringLiteral("&Modo Simples")}}) {
        b->InitProperties(legenda);
        b->setCaption(legenda);
        b->setFixedSize(130, 26);
        b->setCursor(Qt::PointingHandCursor);
        linha->addWidget(b);
    }
    static_cast<QBoxLayout*>(layout())->addLayout(linha);
    connect(Command1, &XPButton::Click, this, [this] { Command1_Click(); });
    connect(Command2, &XPButton::Click, this, [this] { Command2_Click(); });
}

// ---- the first instalment's days, box and date ---------------------------------------------------

QDate frmJuro2::hoje() const
{
    return servicos().relogio.now().date();
}

QString frmJuro2::dataTexto(QDate data) const
{
    return formatDate(data, globais().gFormatoData);
}

void frmJuro2::txtDias_Mudou()
{
    const QString dias = txtDias->text();
    if (dias == QLatin1String("0"))
        txtDias->setSelection(0, 3);
    const double d = leadingValue(dias);
    chkVista->setChecked(d == 0);
    txtData1Parcela->setDateText(dataTexto(hoje().addDays(qint64(d))));
}

void frmJuro2::txtDias_Change()
{
    esvaziarResultado();
    txtDias_Mudou();
}

void frmJuro2::txtData1Parcela_Saiu()
{
    const QDate inicio = hoje();
    const QDate fim = inicio.addDays(99);
    const auto data = dateValue(txtData1Parcela->text(), DateOrder::DayMonthYear, currentLocale(), inicio);
    if (data && *data >= inicio && *data <= fim) {
        txtDias->setText(QString::number(inicio.daysTo(*data)));
        return;
    }
    const QString& crlf2 = globais().gCrLf2;
    mostrar(QStringLiteral("Data Informada Incorreta!") + crlf2 + QStringLiteral("Informe a data entre:") + crlf2
                + shortDate(inicio) + QStringLiteral(" - ") + shortDate(fim),
            mb::Exclamation, kTituloPrograma);
    txtData1Parcela->setDateText(dataTexto(inicio.addDays(qint64(leadingValue(txtDias->text())))));
    txtData1Parcela->setFocus(Qt::OtherFocusReason);
}

// ---- calculation, notes, the simple window ---------------------------------------------------------

CampoTexto* frmJuro2::campo(CampoJuro c) const
{
    switch (c) {
    case CampoJuro::PrimeiraParcela: return txt1Parcela;
    case CampoJuro::DiaVct: return txtDiaVct;
    default: return JanelaJuro::campo(c);
    }
}

void frmJuro2::calculado(const ResultadoCalculo& resultado)
{
    if (!resultado.vencimentos.empty())
        vencimentos_ = resultado.vencimentos;
}

void frmJuro2::Command1_Click()
{
    if (tagCalcular().isEmpty()) {
        mostrar(QStringLiteral("Primeiro termine o cálculo para depois solicitar impressão das promissórias."),
                mb::Exclamation, windowTitle());
        return;
    }
    const int n = int(valorTexto(txtParcelas->text()));
    for (int i = 1; i <= n; ++i) {
        const QString valor = i == 1 ? txt1Parcela->text() : txtValPrest->text();
        const QString palavras = ConverterExtenso(valor, true, servicos().mensagens);
        if (palavras.isEmpty())
            return;
        const QDate vencimento = std::size_t(i) < vencimentos_.size() ? vencimentos_[std::size_t(i)] : QDate();
        const Entrega entrega{QStringLiteral("***") + FormatarValor(valor), QLatin1Char('(') + palavras + QLatin1Char(')'),
                              shortDate(vencimento)};
        JanelaAberta aberta(*this);
        if (mostrarNota_)
            mostrarNota_(entrega);
    }
}

void frmJuro2::Command2_Click()
{
    modoSimples_ = true;
    reject();
}

QString frmJuro2::registroPlano() const
{
    Plano p = plano();
    p.primeiraParcela = txt1Parcela->text();
    p.diaVct = txtDiaVct->text();
    // The due dates of the calculation, the ones its notes carry, even after midnight.
    const std::vector<QDate> datas(vencimentos_.begin() + std::min<std::size_t>(1, vencimentos_.size()),
                                   vencimentos_.end() - std::min<std::size_t>(1, vencimentos_.size()));
    return RegistroPlanoDatado(p, hoje(), datas);
}

}  // namespace tarvelo
