// The main window's 50 ms timer: numbers copied in other programs are added to the open
// calculation, and the caption of the minimised window shows the display.

#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/globais.h"
#include "host/preferencias.h"
#include "host/rotinas.h"
#include "host/texto.h"
#include "platform/blanks.h"
#include "platform/clipboard.h"
#include "platform/currency.h"
#include "platform/decimal.h"
#include "platform/messagebox.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"
#include "platform/settings.h"

#include <algorithm>
#include <utility>

namespace tarvelo {

namespace {

// What ends the value text of a line, read backwards from its end: anything but digits,
// blanks, signs and separators (the no-break spaces of a locale that groups with a space
// among them); a tab too, unless the text holds numbers in columns.
bool separador(QChar c, bool emColunas)
{
    if (c.unicode() >= '0' && c.unicode() <= '9')
        return false;
    if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(',')
        || isGroupSeparator(c))
        return false;
    return !(emColunas && c == QLatin1Char('\t'));
}

// Whether the text starts the way a number does: its first two characters read as one, or
// they are a digit and a thousands separator, as in "1.234,56".
bool comecaComoNumero(QStringView texto)
{
    const QStringView inicio = texto.first(std::min<qsizetype>(2, texto.size()));
    if (isNumeric(inicio))
        return true;
    return inicio.size() == 2 && inicio[0].unicode() >= '0' && inicio[0].unicode() <= '9'
           && isGroupSeparator(inicio[1]);
}

// What is left of a value text once its leading words go, one at a time, until the rest
// reads as a number or holds no blank ("1 2" gives "2"). Views, not copies: a line of a
// million numbers and blanks is read in one pass.
QString ultimaParteNumerica(QStringView valor)
{
    QStringView resto = blanksTrimmed(valor);
    while (resto.contains(QLatin1Char(' ')) && !isNumeric(resto))
        resto = blanksTrimmed(resto.sliced(resto.indexOf(QLatin1Char(' ')) + 1));
    return resto.toString();
}

// The product of two cells as money text, or nothing when either is no number.
QString produto(const QString& primeira, const QString& segunda)
{
    if (!isNumeric(primeira) || !isNumeric(segunda))
        return {};
    const auto a = Decimal::fromText(primeira);
    const auto b = Decimal::fromText(segunda);
    if (!a || !b)
        return {};
    const auto resultado = multiply(*a, *b);
    return resultado ? FormatarValor(*resultado) : QString();
}

}  // namespace

QString frmCalcula::TextoClipboard() const
{
    return comQuebrasDaFita(servicos_.clipboard.text());
}

void frmCalcula::Timer1_Timer()
{
    if (TagHost == QLatin1String("2"))
        return;
    // Timers keep firing inside modal loops: inside this tick's own message box, or the
    // question a total may ask, the next ticks must wait for this one.
    if (emTick_)
        return;
    emTick_ = true;
    struct Fim {
        bool& emTick;
        ~Fim() { emTick = false; }
    } fim{emTick_};

    QString texto;
    QString numero;
    if (mnuMonit.Checked() && reservasClipboard_ == 0 && !monitorarClipboard(texto, numero))
        return;

    // Lines or columns just added are closed with a total, which leaves any products on
    // the clipboard in place of the total.
    if (!numero.isEmpty()
        && formatNumber(QStringView(numero), FormatoNumero) != formatNumber(QStringView(texto), FormatoNumero)) {
        Form_KeyPress(codigo(Caractere::Igual));
        chkIgual.setValue(false);
    }
    if (minimizada())
        legendaMinimizada();
}

void frmCalcula::lembrarClipboard()
{
    limparDeNovo_.reset();
    clipboardVisto();
}

void frmCalcula::recusarClipboard(int topico, const QString& lido)
{
    const quint64 aberta = servicos_.clipboard.changes();
    servicos_.mensagens.show(fTexto(topico), mb::Exclamation);
    if (servicos_.clipboard.changes() == aberta)
        esvaziarClipboard(lido);
}

void frmCalcula::limparClipboard()
{
    servicos_.clipboard.clear();
    clipboardVisto();
}

void frmCalcula::liberarClipboard()
{
    --reservasClipboard_;
    clipboardVisto();
}

void frmCalcula::clipboardVisto()
{
    mudancaVista_ = servicos_.clipboard.changes();
}

void frmCalcula::esvaziarClipboard(const QString& lido)
{
    limparClipboard();
    limparDeNovo_.reset();
    if (TextoClipboard() == lido)
        limparDeNovo_ = lido;
}

bool frmCalcula::limparOutraVez(const QString& copia)
{
    if (TextoClipboard() != copia)
        return false;
    limparClipboard();
    return true;
}

bool frmCalcula::monitorarClipboard(QString& texto, QString& numero)
{
    ResultadoClipboard.clear();
    if (const std::optional<QString> copia = std::exchange(limparDeNovo_, std::nullopt);
        copia && limparOutraVez(*copia))
        return true;
    if (mnuTempo.Checked())
        return false;
    // Every copy changes the clipboard, also one of the same text as the last; between
    // copies there is nothing new to fetch.
    if (mudancaVista_ == servicos_.clipboard.changes())
        return true;
    clipboardVisto();
    texto = TextoClipboard();
    if (txtFita.SelLength() > 0 && txtFita.SelText() == texto) {
        // Copied from the tape itself: nothing to add.
        SetFocus(txtEntrada);
        return false;
    }
    if (mnuEditar.Checked() || texto.startsWith(QLatin1Char('(')) || texto.isEmpty())
        return true;
    const QString lido = texto;
    if (!comecaComoNumero(texto))
        texto.prepend(QStringLiteral("aa"));

    // A leading value of 0 may still start a number where the decimal symbol is a comma.
    const bool emColunas =
        leadingValue(texto) != 0.0
        || (texto.left(2) == QLatin1Char('0') + decimal() && leadingValue(QStringView(texto).mid(2)) != 0.0);
    texto += QLatin1Char('\r');
    const bool textoInteiroNumero = isNumeric(texto);

    qsizetype i = 0;
    while (i < texto.size()) {
        const qsizetype p = texto.indexOf(QLatin1Char('\r'), i);
        qsizetype j = p;
        while (j > 0 && !separador(texto[j - 1], emColunas))
            --j;
        QString valor = texto.mid(j, p - j);
        i = p + 1;
        if (valor.isEmpty())
            continue;

        valor = ultimaParteNumerica(valor);

        if (emColunas && valor.contains(QLatin1Char('\t'))) {
            const qsizetype tab = valor.indexOf(QLatin1Char('\t'));
            const QString primeira = valor.left(tab);
            const QString segunda = valor.mid(tab + 1);
            if (!Currency::fromText(segunda)) {
                recusarClipboard(20, lido);
                return false;
            }
            const QString multiplicado = produto(primeira, segunda);
            if (!multiplicado.isEmpty()) {
                numero = multiplicado;
                ResultadoClipboard += multiplicado + QStringLiteral("\r\n");
            } else {
                numero = valor;
            }
        }
        if (isNumeric(valor))
            numero = valor;

        bool tomado = false;
        if (isNumeric(numero) && !valorZero(numero) && !blanksTrimmed(numero).isEmpty()) {
            QString entrada = formatNumber(QStringView(numero), FormatoNumero).left(22);
            if (entrada.endsWith(decimal()))
                entrada.chop(decimal().size());
            txtEntrada.setMaxLength(22);
            txtEntrada.setText(entrada);
            SelecionarEntrada();
            Form_KeyPress(codigo(mnuEnter.Checked() ? Caractere::Enter : Caractere::Mais));
            chkMais.setValue(false);
            tomado = textoInteiroNumero;
            if (tomado)
                numero.clear();
        }
        if (tomado)
            esvaziarClipboard(lido);
    }
    return true;
}

void frmCalcula::legendaMinimizada()
{
    const QString& entrada = txtEntrada.Text();
    const QString& total = lblTotal.Caption();
    QString legenda = entrada == total || valorZero(entrada) ? QStringLiteral(" = ") : QStringLiteral(" ");
    legenda += mnuTempo.Checked() ? lblVisor[2].Caption() : lblVisor[0].Caption();
    if (entrada == total || valorZero(total))
        legenda += QStringLiteral(" T");
    else if (lblVisor[0].Caption() == total)
        legenda += QStringLiteral("    ") + Tag;
    setCaption(legenda);
}

void frmCalcula::mnuMonit_Click()
{
    limparClipboard();
    mnuMonit.setChecked(!mnuMonit.Checked());
    if (mnuMonit.Checked())
        servicos_.mensagens.show(fTexto(222), mb::Information);
    salvarPreferencia(servicos_.configuracoes, pref::Monitor, mnuMonit.Checked());
}

}  // namespace tarvelo
