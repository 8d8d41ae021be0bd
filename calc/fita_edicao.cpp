// The tape itself: re-entering a number by double click, typing on the tape, the free
// edit mode of a closed tape, and find.

#include "calc/fita_edicao.h"

#include "calc/fita_arquivo.h"
#include "calc/frmcalcula.h"
#include "calc/linhafita.h"
#include "calc/teclas.h"

#include "host/globais.h"
#include "host/texto.h"
#include "platform/blanks.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

namespace tarvelo {

namespace {

// At most this many characters may be typed between two Enters in edit mode.
constexpr int kLinhaEditada = 24;

bool digito(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Anything but white space belongs to a word, and so does a space that groups the digits of
// a number, as in "1 234,56" where numbers are grouped with a space.
bool naPalavra(QStringView fita, qsizetype i, const LocaleInfo& locale)
{
    const QChar c = fita[i];
    if (!c.isSpace())
        return true;
    return isGroupSeparator(c, locale) && i > 0 && i + 1 < fita.size() && digito(fita[i - 1]) && digito(fita[i + 1]);
}

// The text with every space that may group digits written as a blank, so that a number on
// the tape is found whichever of them its search was typed with. Each character keeps its place.
QString comBrancosDeGrupo(QStringView texto, const LocaleInfo& locale)
{
    QString resultado = texto.toString();
    for (QChar& c : resultado)
        if (c.isSpace() && isGroupSeparator(c, locale))
            c = QLatin1Char(' ');
    return resultado;
}

}  // namespace

PalavraFita palavraNaPosicao(QStringView fita, qsizetype posicao, const LocaleInfo& locale)
{
    if (posicao < 0 || posicao >= fita.size() || !naPalavra(fita, posicao, locale))
        return {std::clamp<qsizetype>(posicao, 0, fita.size()), std::clamp<qsizetype>(posicao, 0, fita.size()), 0};
    qsizetype inicio = posicao;
    while (inicio > 0 && naPalavra(fita, inicio - 1, locale))
        --inicio;
    qsizetype fim = posicao;
    while (fim < fita.size() && naPalavra(fita, fim, locale))
        ++fim;
    const bool brancoDepois = fim < fita.size() && fita[fim] == QLatin1Char(' ');
    return {inicio, fim, fim - inicio + (brancoDepois ? 1 : 0)};
}

bool fitaTerminaComSeparador(QStringView fita)
{
    return fita.endsWith(QLatin1String("==\r\n"));
}

void terminarEdicao(frmCalcula& form)
{
    if (form.modoFita() != ModoFita::Edicao)
        return;
    form.SetFocus(form.txtEntrada);
    // Edit mode ends with the tape's focus; should the tape not have had it, it ends here.
    if (form.modoFita() == ModoFita::Edicao)
        form.txtFita_LostFocus();
}

void frmCalcula::ligarFita()
{
    txtFita.GotFocus = [this] { txtFita_GotFocus(); };
    txtFita.LostFocus = [this] { txtFita_LostFocus(); };
}

void frmCalcula::txtFita_DblClick(qsizetype posicao)
{
    if (modoFita_ == ModoFita::Edicao)
        return;
    const PalavraFita palavra = palavraNaPosicao(txtFita.Text(), posicao);
    txtFita.setSelStart(palavra.inicio);
    txtFita.setSelLength(palavra.selecao);
    QString texto = txtFita.Text().mid(palavra.inicio, palavra.fim - palavra.inicio);

    const QDate hoje = servicos_.relogio.now().date();
    if (!mnuTempo.Checked() && !isNumeric(texto) && isDateOrTime(texto, currentLocale(), hoje))
        mnuTempo_Click();
    if (mnuTempo.Checked()) {
        // Plain numbers are not durations; a time is entered as the digits time mode reads.
        if (isNumeric(texto))
            return;
        texto.remove(QLatin1Char(':'));
    }
    if (!isNumeric(texto) || valorZero(texto))
        return;

    PosicaoClique = palavra.inicio;
    QString entrada = formatNumber(QStringView(texto), FormatoNumero).left(22);
    // As the clipboard monitor does: a whole number keeps no dangling decimal symbol, so
    // the line entered again reads as the one clicked.
    if (entrada.endsWith(decimal()))
        entrada.chop(decimal().size());
    txtEntrada.setMaxLength(22);
    txtEntrada.setText(entrada);
    Form_KeyPress(codigo(mnuEnter.Checked() ? Caractere::Enter : Caractere::Mais));
    chkMais.setValue(false);
}

void frmCalcula::txtFita_GotFocus()
{
    SelecionarEntrada();
}

int frmCalcula::txtFita_KeyPress(int KeyAscii)
{
    if (modoFita_ != ModoFita::Edicao) {
        // The locked tape takes no key: a digit or the decimal key starts a new entry.
        SetFocus(txtEntrada);
        if (KeyAscii == codigo(Caractere::Virgula) || KeyAscii == codigo(Caractere::Ponto)) {
            txtEntrada.setText(decimal());
            txtEntrada.setSelStart(txtEntrada.length());
        } else if (KeyAscii >= '0' && KeyAscii <= '9') {
            txtEntrada.setText(QString(QChar(KeyAscii)));
            txtEntrada.setSelStart(txtEntrada.length());
        } else {
            SelecionarEntrada();
        }
        return 0;
    }

    if (KeyAscii == codigo(Caractere::Enter)) {
        // Enter always opens a new line at the end of the tape, wherever the caret is.
        txtFita.setMaxLength(0);
        if (doFim(txtFita.Text(), 1) != QLatin1Char(' '))
            txtFita.append(QStringLiteral(" "));
        txtFita.append(kQuebra + QLatin1Char(' '));
        txtFita.setSelStart(txtFita.length());
        txtFita.setMaxLength(static_cast<int>(txtFita.length()) + kLinhaEditada);
        return 0;
    }
    if (KeyAscii < 32)
        return KeyAscii;
    const QString tecla = textoParaFita(QString(QChar(KeyAscii)));
    return tecla.isEmpty() ? 0 : tecla.at(0).unicode();
}

bool frmCalcula::txtFita_Colar(QStringView texto)
{
    if (modoFita_ != ModoFita::Edicao)
        return false;
    QString limpo = comQuebrasDaFita(textoParaFita(texto));
    const int limite = txtFita.MaxLength();
    if (limite > 0) {
        const qsizetype cabe = limite - (txtFita.length() - txtFita.SelLength());
        limpo.truncate(std::max<qsizetype>(0, cabe));
        if (limpo.endsWith(QLatin1Char('\r')))
            limpo.chop(1);
    }
    if (limpo.isEmpty())
        return false;
    txtFita.setSelText(limpo);
    return true;
}

void frmCalcula::mnuEditar_Click()
{
    if (mnuEditar.Checked()) {
        // What the clipboard holds now was not copied by the user for the monitor.
        lembrarClipboard();
        terminarEdicao(*this);
        return;
    }
    if (!fitaTerminaComSeparador(txtFita.Text())) {
        servicos_.mensagens.show(fTexto(12), mb::Exclamation);
        return;
    }
    mnuEditar.setChecked(true);
    KeyPreview = false;
    // In edit mode first: a change of the tape counts no number, so one typed and not yet
    // added stays in the display, to be added once the tape is left.
    definirModoFita(ModoFita::Edicao);
    txtFita.append(QStringLiteral(" "));
    SetFocus(txtFita);
    txtFita.setSelStart(txtFita.length());
    txtFita.setMaxLength(static_cast<int>(txtFita.length()) + kLinhaEditada);
}

void frmCalcula::txtFita_LostFocus()
{
    UltimaBusca.clear();
    mnuEditar.setChecked(false);
    if (modoFita_ != ModoFita::Edicao)
        return;

    txtFita.setMaxLength(0);
    const QString& fita = txtFita.Text();
    if (!fita.right(2).contains(QLatin1Char('\n'))) {
        if (doFim(fita, 1) != QLatin1Char(' '))
            txtFita.append(QStringLiteral(" "));
        txtFita.append(kQuebra + QLatin1Char(' '));
    }
    txtFita.append(QString(25, QLatin1Char('=')) + kQuebra);

    KeyPreview = true;
    definirModoFita(ModoFita::Armada);
    SelecionarEntrada();
    estadoMudou(true);
}

void frmCalcula::mnuLocalizar_Click()
{
    const QString anterior = UltimaBusca;
    const QString resposta = servicos_.entrada.ask(fTexto(55), fTexto(56), UltimaBusca);
    UltimaBusca = trimBlanks(resposta);
    if (UltimaBusca.isEmpty())
        return;
    SetFocus(txtFita);
    if (UltimaBusca != anterior)
        txtFita.setSelStart(1);
    // The search starts one character after the start of the selection: a repeated search
    // moves past the present match, and a new one starts at the tape's third character.
    const LocaleInfo& locale = currentLocale();
    const qsizetype encontrado = comBrancosDeGrupo(txtFita.Text(), locale)
                                     .indexOf(comBrancosDeGrupo(UltimaBusca, locale), txtFita.SelStart() + 1,
                                              Qt::CaseInsensitive);
    if (encontrado < 0) {
        servicos_.mensagens.show(fTexto(18), mb::Information);
        return;
    }
    txtFita.setSelStart(encontrado);
    txtFita.setSelLength(UltimaBusca.size());
}

}  // namespace tarvelo
