#include "host/ui/ativacao.h"

#include "host/ui/janelas.h"

#include <QApplication>
#include <QMainWindow>
#include <QWindow>

namespace tarvelo {

AtivacaoJanela::AtivacaoJanela(QWidget& janela, std::function<void()> aoAtivar, std::function<void()> aoDesativar)
    : QObject(&janela), janela_(janela), aoAtivar_(std::move(aoAtivar)), aoDesativar_(std::move(aoDesativar))
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &AtivacaoJanela::conferir);
}

bool AtivacaoJanela::abertaPorEla(const QWidget* ativa) const
{
    if (abertas_ > 0)
        return true;
    for (const QWidget* w = ativa->parentWidget(); w; w = w->parentWidget())
        if (w == &janela_)
            return true;
    return false;
}

void AtivacaoJanela::conferir()
{
    QWidget* ativa = QApplication::activeWindow();
    if (!ativa || !janela_.isVisible())
        return;
    if (ativa == &janela_) {
        if (!ativa_) {
            ativa_ = true;
            aoAtivar_();
        }
        return;
    }
    if (!ativa_ || ativa == abridor_ || (!dynamic_cast<Janela*>(ativa) && !qobject_cast<QMainWindow*>(ativa)))
        return;
    ativa_ = false;
    if (abertaPorEla(ativa))
        return;
    QMetaObject::invokeMethod(
        this, [this] {
            if (janela_.isVisible())
                aoDesativar_();
        },
        Qt::QueuedConnection);
}

}  // namespace tarvelo
