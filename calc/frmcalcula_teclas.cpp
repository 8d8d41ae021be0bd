// Key entry: the window's key handler and the tape lines it writes.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/globais.h"
#include "host/texto.h"
#include "platform/keystrokes.h"
#include "platform/messagebox.h"
#include "platform/midi.h"
#include "platform/numbermask.h"

namespace tarvelo {

namespace {


int digitoDaLetra(int tecla)
{
    switch (QChar(tecla).toUpper().unicode()) {
    case 'U': return '4';
    case 'I': return '5';
    case 'O': return '6';
    case 'J': return '1';
    case 'K': return '2';
    case 'L': return '3';
    case 'M': return '0';
    default: return tecla;
    }
}

bool cabeNaAnotacao(int tecla)
{
    return tecla == 32 || (tecla >= 65 && tecla <= 126) || (tecla >= 192 && tecla <= 251);
}

}  // namespace

int frmCalcula::Form_KeyPress(int KeyAscii)
{
    if (globais().gFechando)
        return KeyAscii;
    if (KeyAscii == codigo(Caractere::Esc)) {
        servicos_.teclas.closeActiveWindow();
        return 0;
    }
    if (!mnuNumLock.Checked() && !mnuInserir.Checked())
        KeyAscii = digitoDaLetra(KeyAscii);
    if (KeyAscii == codigo(Caractere::Aspas))
        return 0;

    // Letters typed after an operator line go into that line's annotation columns.
    if (mnuInserir.Checked() && txtFita.SelLength() > 0 && valorZero(txtEntrada.Text())) {
        if (cabeNaAnotacao(KeyAscii) && Anotacao.size() < 11) {
            Anotacao += QChar(KeyAscii);
            escreverAnotacao();
            return 0;
        }
        if (KeyAscii == codigo(Caractere::Backspace) && !Anotacao.isEmpty()) {
            Anotacao.chop(1);
            escreverAnotacao();
            return 0;
        }
    }

    if (KeyAscii >= '0' && KeyAscii <= '9')
        chkNum[KeyAscii - '0'].setValue(true);

    switch (KeyAscii) {
    case codigo(Caractere::Backspace):
        chkBack.setValue(true);
        break;
    case codigo(Caractere::Enter):
        KeyAscii = mnuEnter.Checked() ? codigo(Caractere::Somar) : codigo(Caractere::Igual);
        break;
    case codigo(Caractere::Virgula):
    case codigo(Caractere::Ponto):
        if (mnuTempo.Checked())
            return 0;
        chkVirgula.setValue(true);
        // Room for the decimal symbol the entry field is about to take.
        txtEntrada.setMaxLength(txtEntrada.MaxLength() + 1);
        return KeyAscii;
    case codigo(Caractere::PontoEVirgula):
    case codigo(Caractere::CCedilha):
        KeyAscii = codigo(Caractere::Somar);
        break;
    default:
        break;
    }

    if (KeyAscii == codigo(Caractere::Igual) && !minimizada())
        chkIgual.setValue(true);

    // A result on show (right after a total) becomes the entry of the next calculation.
    if (valorZero(lblTotal.Caption()) && valorZero(txtEntrada.Text()) && !valorZero(lblVisor[0].Caption())) {
        const QString tempo = lblVisor[2].Caption();
        const qsizetype doisPontos = tempo.indexOf(QLatin1Char(':'));
        if (mnuTempo.Checked() && mnuTime1.Checked()) {
            txtEntrada.setText(tempo.left(std::max<qsizetype>(0, doisPontos)) + tempo.right(2));
        } else if (mnuTempo.Checked()) {
            txtEntrada.setText(tempo.left(std::max<qsizetype>(0, doisPontos)) + tempo.mid(doisPontos + 1, 2)
                               + tempo.right(2));
        } else {
            const QString visor = lblVisor[0].Caption();
            txtEntrada.setMaxLength(static_cast<int>(visor.size()));
            txtEntrada.setText(visor);
        }
        SelecionarEntrada();
    }

    // The same operator again on an empty entry enters the last number once more.
    const bool mesmoOperador = QString(QChar(KeyAscii)) == UltimoOperador && !mnuEnter.Checked();
    if ((mesmoOperador || KeyAscii == codigo(Caractere::Somar)) && valorZero(txtEntrada.Text()) && !mnuTempo.Checked()) {
        txtEntrada.setMaxLength(static_cast<int>(UltimoNumero.size()));
        txtEntrada.setText(UltimoNumero);
        SelecionarEntrada();
    }

    return despacharOperador(KeyAscii);
}

int frmCalcula::despacharOperador(int tecla)
{
    switch (tecla) {
    case codigo(Caractere::Mais):
    case codigo(Caractere::Somar): return teclaSomar(tecla);
    case codigo(Caractere::Menos): return teclaMenos(tecla);
    case codigo(Caractere::Vezes): return teclaMultiplicar(tecla, QLatin1Char('*'));
    case codigo(Caractere::Dividir): return teclaMultiplicar(tecla, QLatin1Char('/'));
    case codigo(Caractere::Porcento): return teclaPercentual(tecla);
    case codigo(Caractere::Igual): return teclaIgual(tecla);
    default: return tecla;
    }
}

int frmCalcula::teclaSomar(int tecla)
{
    if (valorZero(lblVisor[0].Caption())) {
        reiniciarEntrada();
        return tecla;
    }
    if (valorZero(txtEntrada.Text()))
        trocarOperador(QLatin1Char('+'));
    else
        anexarLinha(QLatin1Char('+'));
    if (mnuEnter.Checked())
        chkMais.setValue(true);
    Tag = QStringLiteral("+");
    cauda(tecla);
    return tecla;
}

int frmCalcula::teclaMenos(int tecla)
{
    if (valorZero(lblVisor[0].Caption())) {
        // A minus on an empty display starts a negative number.
        chkNeg.setValue(true);
        txtEntrada.setText(QLatin1Char('-') + txtEntrada.Text());
        txtEntrada.setSelStart(txtEntrada.length());
        const QString zero = QStringLiteral("-0");
        if (valorZero(lblVisor[0].Caption()) && lblVisor[0].Caption() != zero)
            lblVisor[0].setCaption(QLatin1Char('-') + formatNumber(0.0, FormatoNumero));
        if (lblVisor[0].Caption() == zero + decimal())
            lblVisor[0].setCaption(zero);
        return 0;
    }
    if (mnuEnter.Checked()) {
        // With Enter adding, minus negates the entry and adds it at once.
        txtEntrada.setMaxLength(static_cast<int>(txtEntrada.length()) + 1);
        txtEntrada.setText(QLatin1Char('-') + txtEntrada.Text());
        txtEntrada.setSelStart(txtEntrada.length());
        if (txtEntrada.Text() != QLatin1String("-0"))
            Form_KeyPress(codigo(Caractere::Mais));
        return 0;
    }
    if (valorZero(txtEntrada.Text()))
        trocarOperador(QLatin1Char('-'));
    else
        anexarLinha(QLatin1Char('-'));
    Tag = QStringLiteral("-");
    cauda(tecla);
    return tecla;
}

int frmCalcula::teclaMultiplicar(int tecla, QChar operador)
{
    if (valorZero(lblVisor[0].Caption())) {
        reiniciarEntrada();
        return tecla;
    }
    if (valorZero(txtEntrada.Text()))
        trocarOperador(operador);
    else
        anexarLinha(operador);
    Tag = QString(operador);
    cauda(tecla);
    return tecla;
}

int frmCalcula::teclaPercentual(int tecla)
{
    if (mnuTempo.Checked())
        return tecla;
    if (valorZero(lblVisor[0].Caption()) || valorZero(txtEntrada.Text()) || valorZero(lblTotal.Caption())) {
        reiniciarEntrada();
        return tecla;
    }
    chkPercent.setValue(true);
    Tag = QStringLiteral("%");
    // The tape's change handling computes the percentage and closes the calculation.
    txtFita.append(LinhaFita(lblVisor[0].Caption(), QLatin1Char('%')));
    cauda(tecla);
    return tecla;
}

int frmCalcula::teclaIgual(int tecla)
{
    const QString& fita = txtFita.Text();
    if (fitaFechada(fita)) {
        if (fita.size() < 8 || QStringView(fita).mid(fita.size() - 8, 6) != QLatin1String("======"))
            txtFita.append(kSeparador + kQuebra);
        LimpaTudo();
        return 0;
    }
    TextoFita texto{fita.size(), {}};
    if (!valorZero(txtEntrada.Text())) {
        texto.acrescimo = LinhaFita(mnuTempo.Checked() ? lblVisor[2].Caption() : lblVisor[0].Caption(),
                                    QLatin1Char('='));
    } else if (fita.size() >= 4) {
        texto.manter = fita.size() - 4;
        texto.acrescimo = QStringLiteral(" =") + kQuebra;
    }
    FecharCalculo(texto);
    verificarLimite();
    cauda(tecla);
    return tecla;
}

void frmCalcula::reiniciarEntrada()
{
    txtEntrada.setText(QStringLiteral("0"));
    SelecionarEntrada();
}

void frmCalcula::anexarLinha(QChar operador)
{
    const QString& valor = mnuTempo.Checked() ? lblVisor[2].Caption() : lblVisor[0].Caption();
    txtFita.append(LinhaFita(valor, simboloOperador(operador)));
}

void frmCalcula::trocarOperador(QChar operador)
{
    if (txtFita.length() < 4)
        return;
    QString fim = QStringLiteral(" ");
    fim += simboloOperador(operador);
    fim += kQuebra;
    txtFita.replace(txtFita.length() - 4, 4, fim);
}

void frmCalcula::escreverAnotacao()
{
    // Columns 2 to 13 of the last line; a tape without a whole line has no place for it.
    if (txtFita.length() < kLinhaComQuebra)
        return;
    const QString campo = Anotacao.toUpper().leftJustified(12, QLatin1Char(' '), true);
    txtFita.replace(txtFita.length() - 27, 12, campo);
}

void frmCalcula::cauda(int tecla)
{
    if (!minimizada()) {
        switch (tecla) {
        case '/': chkDividir.setValue(true); break;
        case '*': chkVezes.setValue(true); break;
        case '+': chkMais.setValue(true); break;
        case '-': chkMenos.setValue(true); break;
        default: break;
        }
    }
    UltimoOperador = Tag;
    CodigoOperador = QString::number(tecla);
    txtEntrada.setText(QStringLiteral("0"));
    SelecionarEntrada();
    if (Tag.isEmpty()) {
        Tag = QStringLiteral("+");
        return;
    }
    const QString total = lblTotal.Caption();
    lblVisor[0].setCaption(total.left(22));
    if (mnuTempo.Checked())
        lblVisor[2].setCaption(ConverterTempo(total));
}

void frmCalcula::verificarLimite()
{
    if (txtFita.length() <= kLimiteFita)
        return;
    silenciarNota();
    const int resposta = servicos_.mensagens.show(fTexto(4), mb::YesNo | mb::Question);
    if (resposta == mb::Yes)
        mnuLimpar_Click();
}

void frmCalcula::silenciarNota()
{
    if (!mnuSemSom.Checked())
        servicos_.midi.shortMessage(midi::noteOff(NotaAtual + 36));
}

}  // namespace tarvelo
