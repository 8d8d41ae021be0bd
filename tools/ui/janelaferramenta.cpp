#include "tools/ui/janelaferramenta.h"

#include "calc/portacalculadora.h"
#include "controls/virtualkeys.h"
#include "host/globais.h"
#include "host/preferencias.h"
#include "host/sistema.h"
#include "platform/clock.h"
#include "platform/numberfield.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/maskeddateedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>

namespace tarvelo {
namespace {

// The field's text before and after its selection, or its caret.
std::pair<QString, QString> emVolta(const QLineEdit* campo)
{
    const QString texto = campo->text();
    const qsizetype inicio = campo->hasSelectedText() ? campo->selectionStart() : campo->cursorPosition();
    return {texto.left(inicio), texto.mid(inicio + campo->selectedText().size())};
}

// The paste command of a field's own context menu, known by the text the field gives it.
QAction* itemColar(const QMenu* menu)
{
    const QString colar = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* item : menu->actions())
        if (item->text().section(QLatin1Char('\t'), 0, 0) == colar)
            return item;
    return nullptr;
}

QChar decimal()
{
    return globais().gDecimal.isEmpty() ? QLatin1Char(',') : globais().gDecimal[0];
}

}  // namespace

JanelaFerramenta::JanelaFerramenta(const QString& nome, const ServicosFerramenta& servicos, QWidget* parent)
    : QDialog(parent), nome_(nome), servicos_(servicos)
{
    servicos_.janelas.registrar(nome_, this);
    qApp->installEventFilter(this);
    ativacao_ = new AtivacaoJanela(
        *this,
        [this] {
            if (!fechada_)
                ativar();
        },
        [this] {
            if (comportamento_.fechaAoDesativar)
                reject();
        });
}

JanelaFerramenta::~JanelaFerramenta()
{
    servicos_.janelas.remover(nome_, this);
}

void JanelaFerramenta::definirComportamento(const ComportamentoFerramenta& comportamento)
{
    comportamento_ = comportamento;
    for (QWidget* controle : comportamento_.maos)
        controle->setCursor(Qt::PointingHandCursor);
}

// ---- closing ---------------------------------------------------------------------------------

void JanelaFerramenta::done(int resultado)
{
    if (ocupada_ > 0) {
        fecharDepois_ = true;
        resultadoDepois_ = resultado;
        return;
    }
    if (fechada_)
        return;
    fechada_ = true;
    Form_QueryUnload();
    Form_Unload();
    QDialog::done(resultado);
    devolverFoco();
}

void JanelaFerramenta::devolverFoco()
{
    if (!comportamento_.focoNaCalculadora || globais().gFechando)
        return;
    if (JanelaCalculadora* calculadora = servicos_.janelas.calculadora())
        calculadora->Ativar();
}

JanelaFerramenta::Ocupada::Ocupada(JanelaFerramenta& janela) : janela_(&janela)
{
    ++janela.ocupada_;
}

JanelaFerramenta::Ocupada::~Ocupada()
{
    if (!janela_ || --janela_->ocupada_ > 0 || !janela_->fecharDepois_)
        return;
    janela_->fecharDepois_ = false;
    // The command that held the close back is still on the stack: close once it returned.
    QMetaObject::invokeMethod(
        janela_.data(), [j = janela_] { j->done(j->resultadoDepois_); }, Qt::QueuedConnection);
}

// ---- activation ------------------------------------------------------------------------------

void JanelaFerramenta::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // The desktop may hand the window the keyboard later, or not at all (no window
    // manager): the window counts as active from its show on.
    QMetaObject::invokeMethod(this, [this] { ativacao_->conferir(); }, Qt::QueuedConnection);
}

void JanelaFerramenta::ativar()
{
    tornarSempreVisivel();
    if (QWidget* campo = comportamento_.primeiroCampo; campo && campo->isEnabled() && campo->isVisible())
        campo->setFocus(Qt::OtherFocusReason);
    Form_Activate();
}

void JanelaFerramenta::tornarSempreVisivel()
{
    // A stored text that is no truth value counts as True.
    const bool visivel = lerPreferencia(servicos_.configuracoes, pref::Visivel).value_or(true);
    QWindow* janela = windowHandle();
    if (!visivel || !janela || janela->flags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    // Through the platform window: changing the widget's flags would hide it, and hiding
    // a modal dialog ends it.
    janela->setFlags(janela->flags() | Qt::WindowStaysOnTopHint);
}

// ---- keys ---------------------------------------------------------------------------------------

bool JanelaFerramenta::eventFilter(QObject* objeto, QEvent* evento)
{
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::ContextMenu && !fechada_) {
        auto* campo = qobject_cast<CampoTexto*>(objeto);
        if (!campo || campo->window() != this)
            return false;
        menuDoCampo(campo, static_cast<QContextMenuEvent*>(evento)->globalPos());
        return true;
    }
    if ((tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease) || reenviando_ || fechada_)
        return false;
    auto* alvo = qobject_cast<QWidget*>(objeto);
    // Each key once, at the control that has the focus (a key a control leaves travels on
    // to its parents).
    if (!alvo || alvo->window() != this || alvo != (focusWidget() ? focusWidget() : this))
        return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tipo == QEvent::KeyRelease) {
        teclaAcima(tecla);
        return false;
    }
    return teclaAbaixo(alvo, tecla);
}

bool JanelaFerramenta::teclaAbaixo(QWidget* alvo, QKeyEvent* tecla)
{
    auto* campo = qobject_cast<CampoTexto*>(alvo);
    if (campo && campo->KeyDown)
        campo->KeyDown(virtualKeyCode(tecla->key(), tecla->modifiers()), shiftState(tecla->modifiers()));
    // Shift+Insert pastes too, without a character for the filters to see.
    auto* editavel = campo ? static_cast<QLineEdit*>(campo) : qobject_cast<MaskedDateEdit*>(alvo);
    if (editavel && !editavel->isReadOnly() && tecla->matches(QKeySequence::Paste)) {
        colar(editavel);
        return true;
    }

    const QString texto = tecla->text();
    const int original = texto.size() == 1 ? characterCode(texto[0]) : 0;
    if (original == 0)
        return false;
    if (original == 27) {
        reject();
        return true;
    }
    if (original == 13 && comportamento_.enter != ComportamentoFerramenta::Enter::Campo) {
        focusNextChild();
        if (comportamento_.enter == ComportamentoFerramenta::Enter::TabImediato)
            QCoreApplication::processEvents();
        return true;
    }
    // Characters only matter to text fields: a button or a check box takes its keys itself.
    if (!qobject_cast<QLineEdit*>(alvo))
        return false;
    // Their characters are control codes the filters would drop, but selecting, copying,
    // cutting and a field's own paste are no typing.
    if (atalhoDeEdicao(tecla))
        return false;
    const int KeyAscii = filtrar(alvo, original);
    if (KeyAscii == 0)
        return true;
    if (KeyAscii == original)
        return false;
    entregar(alvo, KeyAscii, tecla->modifiers());
    return true;
}

int JanelaFerramenta::filtrar(QWidget* alvo, int KeyAscii) const
{
    if (comportamento_.filtro)
        KeyAscii = comportamento_.filtro(KeyAscii);
    auto* campo = qobject_cast<CampoTexto*>(alvo);
    if (!campo)
        return KeyAscii;
    if (KeyAscii != 0 && campo->numero()) {
        const auto [antes, depois] = emVolta(campo);
        KeyAscii = numberFieldKey(antes, depois, KeyAscii, *campo->numero(), decimal());
    }
    if (KeyAscii != 0 && campo->KeyPress)
        KeyAscii = campo->KeyPress(KeyAscii);
    return KeyAscii;
}

void JanelaFerramenta::colar(QLineEdit* campo)
{
    const QString colado = QApplication::clipboard()->text();
    bool aceito = false;
    if (auto* data = qobject_cast<MaskedDateEdit*>(campo))
        aceito = data->pasteDate(colado, servicos_.relogio.now().date());
    else if (auto* texto = qobject_cast<CampoTexto*>(campo))
        aceito = digitarColado(texto, colado);
    if (aceito)
        return;
    if (servicos_.bip)
        servicos_.bip();
    else
        QApplication::beep();
}

bool JanelaFerramenta::digitarColado(CampoTexto* campo, const QString& colado)
{
    // A cell copied from a spreadsheet ends in a line break that is no part of its value.
    QString digitado = colado.trimmed();
    const auto [antes, depois] = emVolta(campo);
    if (const auto& regra = campo->numero()) {
        // The number as the user would have typed it: a number cut by the field's length,
        // or read with a separator for the decimal symbol, would be another number.
        const auto numero = pastedNumber(colado);
        if (!numero)
            return false;
        digitado = *numero;
        if (!fitsNumberField(antes, digitado, depois, *regra, decimal())
            || (campo->limite() > 0 && antes.size() + digitado.size() + depois.size() > campo->limite()))
            return false;
    }
    // Then typed character by character, so the window's and the field's key handlers
    // judge and see it as they do typing; one character they refuse, or a line break,
    // refuses the whole paste.
    const QString texto = campo->text();
    const int inicio = int(antes.size());
    const int tamanho = int(texto.size() - antes.size() - depois.size());
    for (const QChar caractere : digitado) {
        const int KeyAscii = caractere.isPrint() ? filtrar(campo, characterCode(caractere)) : 0;
        if (KeyAscii == 0) {
            campo->setText(texto);
            campo->setSelection(inicio, tamanho);
            return false;
        }
        entregar(campo, KeyAscii, Qt::NoModifier);
    }
    return true;
}

void JanelaFerramenta::menuDoCampo(CampoTexto* campo, const QPoint& posicao)
{
    // The field's own menu, whose paste is the window's.
    QMenu* menu = campo->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* item = itemColar(menu)) {
        disconnect(item, &QAction::triggered, campo, nullptr);
        connect(item, &QAction::triggered, this, [this, campo = QPointer<CampoTexto>(campo)] {
            if (campo)
                colar(campo);
        });
    }
    menu->popup(posicao);
}

void JanelaFerramenta::entregar(QWidget* alvo, int KeyAscii, Qt::KeyboardModifiers modificadores)
{
    const QChar caractere(KeyAscii);
    QKeyEvent trocada(QEvent::KeyPress, caractere.toUpper().unicode(), modificadores, QString(caractere));
    reenviando_ = true;
    QCoreApplication::sendEvent(alvo, &trocada);
    reenviando_ = false;
}

void JanelaFerramenta::teclaAcima(QKeyEvent* tecla)
{
    if (tecla->isAutoRepeat())
        return;
    if (comportamento_.manterNumLock)
        ManterNumLock(servicos_.calculadora.NumLockMarcado(), servicos_.numLock);
    if (tecla->key() == Qt::Key_F1 && comportamento_.ajuda)
        comportamento_.ajuda();
}

}  // namespace tarvelo
