#include "tools/ui/campotexto.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace tarvelo {

bool focoDentroDaJanela(const QFocusEvent* evento)
{
    switch (evento->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return false;
    default:
        return true;
    }
}

bool atalhoDeEdicao(const QKeyEvent* tecla)
{
    return tecla->matches(QKeySequence::SelectAll) || tecla->matches(QKeySequence::Copy)
           || tecla->matches(QKeySequence::Cut) || tecla->matches(QKeySequence::Paste);
}

CampoTexto::CampoTexto(QWidget* parent) : QLineEdit(parent) {}

void CampoTexto::setLimite(int caracteres)
{
    limite_ = caracteres;
}

qsizetype CampoTexto::espacoLivre() const
{
    return limite_ - (text().size() - selectedText().size());
}

void CampoTexto::keyPressEvent(QKeyEvent* evento)
{
    // The window judges what is pasted (JanelaFerramenta::colar).
    if (evento->matches(QKeySequence::Paste))
        return;
    if (limite_ > 0 && !isReadOnly()) {
        const QString texto = evento->text();
        if (!atalhoDeEdicao(evento) && !texto.isEmpty() && texto[0].isPrint() && espacoLivre() < texto.size())
            return;
    }
    QLineEdit::keyPressEvent(evento);
}

void CampoTexto::focusInEvent(QFocusEvent* evento)
{
    QLineEdit::focusInEvent(evento);
    if (!focoDentroDaJanela(evento))
        return;
    if (selecaoAoFocar_ >= 0)
        setSelection(0, std::min<int>(selecaoAoFocar_, int(text().size())));
    emit GotFocus();
}

void CampoTexto::focusOutEvent(QFocusEvent* evento)
{
    QLineEdit::focusOutEvent(evento);
    if (focoDentroDaJanela(evento))
        emit LostFocus();
}

}  // namespace tarvelo
