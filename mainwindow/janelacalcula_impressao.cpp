// The tape on paper: the system printer and the roll printer.

#include "mainwindow/janelacalcula.h"

#include "calc/impressao.h"
#include "calc/sons.h"
#include "platform/printer.h"
#include "platform/rawport.h"

#include <QCoreApplication>

namespace tarvelo {
namespace {

// What a window given no printer services prints on: nothing, which the jobs report.
class SemImpressora final : public TextPrinter {
public:
    bool available() override { return false; }
    bool printText(const QString&, const QString&, int) override { return false; }
};

class SemPorta final : public RawPort {
public:
    bool open(const QString&) override { return false; }
    bool write(QByteArrayView) override { return false; }
    void close() override {}
};

}  // namespace

void JanelaCalcula::mnuImprimir_Click(int Index)
{
    SilenciarNota(form_, servicos_.midi);
    SemImpressora nenhuma;
    ImprimirFita(form_.txtFita.Text(), Index, servicos_.impressora ? *servicos_.impressora : nenhuma,
                 servicos_.mensagens);
}

void JanelaCalcula::mnuMatricial_Click()
{
    SilenciarNota(form_, servicos_.midi);
    if (!bobina_) {
        static SemPorta nenhuma;
        bobina_ = std::make_shared<ImpressoraBobina>(ServicosBobina{
            servicos_.entrada, servicos_.mensagens, servicos_.configuracoes,
            servicos_.porta ? *servicos_.porta : nenhuma, [] { QCoreApplication::processEvents(); }});
    }
    // The job lets window events run between its lines: the window may close meanwhile, and
    // the job, which holds only the program's services, goes on without it.
    const std::shared_ptr<ImpressoraBobina> trabalho = bobina_;
    trabalho->imprimir(form_.txtFita.Text(), form_.Caption());
}

}  // namespace tarvelo
