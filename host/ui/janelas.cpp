#include "host/ui/janelas.h"

namespace tarvelo {

void RegistroJanelas::registrar(const QString& nome, Janela* janela)
{
    if (janela)
        janelas_.insert(nome, janela);
}

void RegistroJanelas::remover(const QString& nome, const Janela* janela)
{
    const auto it = janelas_.constFind(nome);
    if (it != janelas_.cend() && it.value() == janela)
        janelas_.erase(it);
}

Janela* RegistroJanelas::janela(const QString& nome) const
{
    return janelas_.value(nome, nullptr);
}

JanelaCalculadora* RegistroJanelas::calculadora() const
{
    return dynamic_cast<JanelaCalculadora*>(janela(QStringLiteral("frmCalcula")));
}

void RegistroJanelas::descarregar(const QString& nome)
{
    if (Janela* j = janela(nome); j && j->Carregada())
        j->Unload();
}

const QStringList& RegistroJanelas::ordemDeFechamento()
{
    static const QStringList ordem = {
        QStringLiteral("frmRegra"),    QStringLiteral("frmCheque"), QStringLiteral("frmPromissoria"),
        QStringLiteral("frmData"),     QStringLiteral("frmJuro"),   QStringLiteral("frmJuro2"),
        QStringLiteral("frmConverte"), QStringLiteral("frmImp"),    QStringLiteral("frmPeso"),
        QStringLiteral("frmPaste"),    QStringLiteral("frmStart"),  QStringLiteral("frmCalcula"),
    };
    return ordem;
}

}  // namespace tarvelo
