#include "mainwindow/visorfita.h"

#include "calc/controles.h"
#include "platform/syscolors.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace tarvelo {
namespace {

QColor corQt(Cor cor)
{
    return toQColor(translateOleColour(cor).value_or(0));
}

}  // namespace

VisorFita::VisorFita(TextBox& fita, QWidget* parent) : QPlainTextEdit(parent), fita_(fita)
{
    setObjectName(QStringLiteral("txtFita"));
    setReadOnly(true);
    // The caret shows and the keyboard moves it, as in a locked text box.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTabChangesFocus(true);

    {
        const QScopedValueRollback guarda(sincronizando_, true);
        setPlainText(mapa_.reiniciar(fita_.Text()));
    }
    aplicarPropriedades();
    mostrarSelecao();

    connect(&fita_, &TextBox::editado, this,
            [this](const EdicaoTexto& e) { aplicarEdicao(e.position, e.removed, e.inserted); });
    connect(&fita_, &Controle::mudou, this, [this] {
        aplicarPropriedades();
        mostrarSelecao();
    });
    // A new size settles the scroll range only once the scroll bars are placed (a narrow
    // tape gains a horizontal one): until the user scrolls, the view follows the range.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximo) {
        if (seguirFim_)
            verticalScrollBar()->setValue(maximo);
    });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { seguirFim_ = false; });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &VisorFita::selecaoDoUsuario);
    connect(this, &QPlainTextEdit::selectionChanged, this, &VisorFita::selecaoDoUsuario);
}

void VisorFita::aplicarEdicao(qsizetype posicao, qsizetype removidos, qsizetype inseridos)
{
    const QScopedValueRollback guarda(sincronizando_, true);
    const MapaFita::TrechoVista trecho = mapa_.aplicar(fita_.Text(), posicao, removidos, inseridos);
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(trecho.inicio));
    cursor.setPosition(static_cast<int>(trecho.inicio + trecho.removidos), QTextCursor::KeepAnchor);
    if (trecho.inserido.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(trecho.inserido);
    // The text box puts its caret in place with the edit and says nothing more about it.
    mostrarSelecao();
}

void VisorFita::aplicarPropriedades()
{
    QPalette p = palette();
    p.setColor(QPalette::Text, corQt(fita_.ForeColor()));
    p.setColor(QPalette::Base, corQt(fita_.BackColor()));
    if (p != palette())
        setPalette(p);
    // The locked tape reads in bold; the tape being edited is plain. A new font lays the
    // whole tape out again, so only a real change sets it.
    if (font().bold() != fita_.Locked()) {
        QFont fonte = font();
        fonte.setBold(fita_.Locked());
        setFont(fonte);
    }
}

void VisorFita::mostrarSelecao()
{
    const qsizetype inicio = mapa_.paraVista(fita_.SelStart());
    const qsizetype fim = mapa_.paraVista(fita_.SelStart() + fita_.SelLength());
    QTextCursor cursor = textCursor();
    if (doUsuario_ || (cursor.selectionStart() == inicio && cursor.selectionEnd() == fim))
        return;
    const QScopedValueRollback guarda(sincronizando_, true);
    cursor.setPosition(static_cast<int>(inicio));
    cursor.setPosition(static_cast<int>(fim), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void VisorFita::rolarAteCursor()
{
    // From the top, the least scroll that shows the caret leaves its line at the bottom.
    verticalScrollBar()->setValue(0);
    ensureCursorVisible();
}

void VisorFita::resizeEvent(QResizeEvent* e)
{
    QPlainTextEdit::resizeEvent(e);
    manterFimEmVista();
}

void VisorFita::changeEvent(QEvent* e)
{
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        manterFimEmVista();
}

void VisorFita::manterFimEmVista()
{
    seguirFim_ = fita_.Locked();
    if (seguirFim_)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    else
        ensureCursorVisible();
}

void VisorFita::selecaoDoUsuario()
{
    if (sincronizando_)
        return;
    const QTextCursor cursor = textCursor();
    const qsizetype inicio = mapa_.paraFita(cursor.selectionStart());
    const qsizetype fim = mapa_.paraFita(cursor.selectionEnd());
    // The engine's answer must not turn a selection the user drags backwards around.
    const QScopedValueRollback guarda(doUsuario_, true);
    fita_.setSelStart(inicio);
    fita_.setSelLength(fim - inicio);
}

void VisorFita::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The engine selects the word and may enter it again; the view's own word selection
    // would only be undone.
    const int posicao = cursorForPosition(e->position().toPoint()).position();
    e->accept();
    emit duploClique(mapa_.paraFita(posicao));
}

}  // namespace tarvelo
