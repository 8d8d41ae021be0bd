#include "calc/frmcalcula.h"
#include "calc/teclas.h"

#include "host/globais.h"
#include "host/sistema.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {

const std::array<int, 11> frmCalcula::kIndicesNumeral = {0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80};

frmCalcula::frmCalcula(const ServicosCalcula& servicos) : servicos_(servicos)
{
    for (int indice : kIndicesNumeral)
        mnuNumeral_[indice];

    // The design values, set before the handlers are attached.
    txtEntrada.setText(QStringLiteral("0"));
    txtFita.setLocked(true);
    txtFita.setForeColor(kCorAzul);
    lblVisor[0].setCaption(QStringLiteral("0"));
    lblVisor[1].setCaption(QStringLiteral("000"));
    lblVisor[2].setCaption(QStringLiteral("00:00:00"));
    lblVisor[2].setVisible(false);
    lblTotal.setCaption(QStringLiteral("0"));
    lblTotal.setVisible(false);
    fraTeclado.setForeColor(kCorAzul);
    mnuIgual.setChecked(true);
    mnuSemSom.setChecked(true);
    mnuTime2.setChecked(true);
    mnuUndo.setEnabled(false);
    mnuRedo.setEnabled(false);
    chkVirgula.CheckBoxBehaviour = true;
    chkVirgula.setCaption(globais().gDecimal);

    tmrGravar_.setSingleShot(true);
    QObject::connect(&tmrGravar_, &QTimer::timeout, [this] { gravarArquivoFita(true); });
    ligarControles();
}

void frmCalcula::ligarControles()
{
    txtFita.Change = [this] {
        txtFita_Change();
        estadoMudou();
    };
    txtEntrada.Change = [this] {
        txtEntrada_Change();
        estadoMudou();
    };
    txtEntrada.GotFocus = [this] { txtEntrada_GotFocus(); };
    for (int i = 0; i < static_cast<int>(lblVisor.size()); ++i)
        lblVisor[i].Change = [this, i] { lblVisor_Change(i); };
    lblTotal.Change = [this] { lblTotal_Change(); };

    for (int i = 0; i < static_cast<int>(chkNum.size()); ++i)
        chkNum[i].MouseUp = [this, i](int b, int s, float x, float y) { chkNum_MouseUp(i, b, s, x, y); };
    auto liga = [this](KeyButton& tecla, void (frmCalcula::*handler)(int, int, float, float)) {
        tecla.MouseUp = [this, handler](int b, int s, float x, float y) { (this->*handler)(b, s, x, y); };
    };
    liga(chkVirgula, &frmCalcula::chkVirgula_MouseUp);
    liga(chkBack, &frmCalcula::chkBack_MouseUp);
    liga(chkCE, &frmCalcula::chkCE_MouseUp);
    liga(chkNeg, &frmCalcula::chkNeg_MouseUp);
    liga(chkMais, &frmCalcula::chkMais_MouseUp);
    liga(chkMenos, &frmCalcula::chkMenos_MouseUp);
    liga(chkVezes, &frmCalcula::chkVezes_MouseUp);
    liga(chkDividir, &frmCalcula::chkDividir_MouseUp);
    liga(chkPercent, &frmCalcula::chkPercent_MouseUp);
    liga(chkIgual, &frmCalcula::chkIgual_MouseUp);
    MC.Click = [this] { MC_Click(); };
    MR.Click = [this] { MR_Click(); };
    Mmais.Click = [this] { Mmais_Click(); };
    Mmenos.Click = [this] { Mmenos_Click(); };
    ligarFita();  // tape services: the tape's focus handlers (fita_edicao.cpp)
}

MenuItem& frmCalcula::mnuNumeral(int index)
{
    // An index outside the array is the toolkit's "no such item": a spare item absorbs it.
    const auto it = mnuNumeral_.find(index);
    if (it != mnuNumeral_.end())
        return it->second;
    numeralInexistente_ = std::make_unique<MenuItem>();
    return *numeralInexistente_;
}

void frmCalcula::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    emit janelaMudou();
}

void frmCalcula::setWindowState(int estado)
{
    WindowState = estado;
    emit janelaMudou();
}

void frmCalcula::abrirNoDesktop(const QString& alvo, const QString& falha, int icone)
{
    AbrirExterno(servicos_.shell, alvo,
                 {this, servicos_.mensagens, [this] { return Visible; }, [this](int estado) { setWindowState(estado); }},
                 falha, icone);
}

void frmCalcula::definirModoFita(ModoFita modo)
{
    modoFita_ = modo;
    const bool edicao = modo == ModoFita::Edicao;
    txtFita.setLocked(!edicao);
    txtFita.setForeColor(edicao ? kCorPreta : kCorAzul);
}

void frmCalcula::SetFocus(TextBox& controle)
{
    if (!Visible || foco_ == &controle)
        return;
    TextBox* anterior = foco_;
    foco_ = &controle;
    if (anterior && anterior->LostFocus)
        anterior->LostFocus();
    if (foco_ == &controle && controle.GotFocus)
        controle.GotFocus();
}

void frmCalcula::teclar(int KeyAscii)
{
    avisos_.teclou();
    // Tape services: KeyPreview is off while the tape is edited; the tape's own key
    // handling comes before its text takes the key (fita_edicao.cpp).
    int tecla = KeyPreview ? Form_KeyPress(KeyAscii) : KeyAscii;
    if (tecla == 0 || !foco_)
        return;
    TextBox& controle = *foco_;
    if (&controle == &txtFita && (tecla = txtFita_KeyPress(tecla)) == 0)
        return;
    if (&controle == &txtEntrada) {
        const int aceita = txtEntrada_KeyPress(tecla);
        if (aceita == codigo(Caractere::Backspace))
            txtEntrada.backspace();
        else if (aceita != 0)
            txtEntrada.type(QString(QChar(aceita)));
        txtEntrada_KeyUp(aceita, 0);
    } else if (!controle.Locked()) {
        if (tecla == codigo(Caractere::Backspace))
            controle.backspace();
        else if (tecla >= 32)
            controle.type(QString(QChar(tecla)));
    }
}

const frmCalcula::ValorLido& frmCalcula::lido(const QString& texto) const
{
    const LocaleInfo& locale = currentLocale();
    if (simbolosLidos_[0] != locale.decimalSymbol || simbolosLidos_[1] != locale.thousandsSeparator) {
        valoresLidos_.fill({});
        formatados_.fill({});
        simbolosLidos_[0] = locale.decimalSymbol;
        simbolosLidos_[1] = locale.thousandsSeparator;
    }
    for (const ValorLido& guardado : valoresLidos_)
        if (guardado.texto.size() == texto.size() && !guardado.texto.isNull() && guardado.texto == texto)
            return guardado;
    const std::optional<double> lido = numberValue(texto, locale);
    ValorLido& novo = valoresLidos_[proximoValor_];
    novo = {texto, lido.value_or(0.0), lido.has_value()};
    proximoValor_ = (proximoValor_ + 1) % valoresLidos_.size();
    return novo;
}

QString frmCalcula::decimal() const
{
    return globais().gDecimal;
}

QString frmCalcula::formatar(const QString& texto, const QString& mascara) const
{
    lido(texto);  // drops what was kept under other number symbols
    for (const Formatado& f : formatados_)
        if (!f.mascara.isNull() && f.texto.size() == texto.size() && f.texto == texto && f.mascara == mascara)
            return f.resultado;
    QString resultado = formatNumber(texto, mascara);
    formatados_[proximoFormatado_] = {texto, mascara, resultado};
    proximoFormatado_ = (proximoFormatado_ + 1) % formatados_.size();
    return resultado;
}

}  // namespace tarvelo
