#include "tools/ui/ferramentas.h"

#include "host/texto.h"
#include "platform/messagebox.h"
#include "tools/ui/frmconverte.h"
#include "tools/ui/frmdata.h"
#include "tools/ui/frmpeso.h"
#include "tools/ui/frmregra.h"

#include <QProcess>
#include <QStandardPaths>

namespace tarvelo {

void AbrirData(const ServicosFerramenta& servicos, bool grande, QWidget* pai)
{
    frmData janela(servicos, grande, pai);
    janela.exec();
}

void AbrirRegra(const ServicosFerramenta& servicos, PrinterService* impressora, QWidget* pai)
{
    frmRegra janela(servicos, impressora, pai);
    janela.exec();
}

void AbrirPeso(const ServicosFerramenta& servicos, QWidget* pai)
{
    frmPeso janela(servicos, pai);
    janela.exec();
}

void AbrirConverte(const ServicosFerramenta& servicos, ClipboardService& clipboard, QWidget* pai)
{
    frmConverte janela(servicos, clipboard, pai);
    janela.exec();
}

void AbrirCalculadoraDoSistema(MessageService& mensagens)
{
    static const char* const kCalculadoras[] = {"gnome-calculator", "kcalc", "galculator",
                                                "mate-calc",        "qalculate-gtk", "xcalc"};
    for (const char* nome : kCalculadoras) {
        const QString caminho = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!caminho.isEmpty() && QProcess::startDetached(caminho, {}))
            return;
    }
    mensagens.show(fTexto(19), mb::Critical);
}

}  // namespace tarvelo
