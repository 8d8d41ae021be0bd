#include "mainwindow/calculadorapadrao.h"

#include "mainwindow/janelacalcula.h"

namespace tarvelo {

CalculadoraPadrao::CalculadoraPadrao(frmSysTray& host, RegistroJanelas& janelas, const ServicosJanela& servicos,
                                     QObject* parent)
    : QObject(parent), host_(host), janelas_(janelas), servicos_(servicos)
{
    janelas_.registrar(QStringLiteral("frmCalcula"), this);
}

CalculadoraPadrao::~CalculadoraPadrao()
{
    janelas_.remover(QStringLiteral("frmCalcula"), this);
    delete janela_.data();
}

void CalculadoraPadrao::Preparar()
{
    PrepararFontes();
    if (!janela_ && !preparada_) {
        preparada_ = std::make_unique<JanelaCalcula>(host_, janelas_, servicos_);
        preparada_->carregarIcones();
    }
}

JanelaCalcula* CalculadoraPadrao::janela() const
{
    return janela_.data();
}

void CalculadoraPadrao::PrepararFontes()
{
    JanelaCalcula::PrepararFontes();
}

bool CalculadoraPadrao::Carregada() const
{
    return janela_ && !janela_->Descarregando();
}

void CalculadoraPadrao::Unload()
{
    if (Carregada())
        janela_->Unload();
}

void CalculadoraPadrao::Show()
{
    if (!Carregada()) {
        auto* janela = preparada_ ? preparada_.release() : new JanelaCalcula(host_, janelas_, servicos_);
        connect(janela, &JanelaCalcula::descarregada, this, [this, janela] {
            if (janela_ == janela)
                janela_ = nullptr;
            janela->deleteLater();
        });
        janela_ = janela;
        // The program is closing: the window goes at once, and without its close
        // handling, which would write the untouched new window over the day's tape.
        if (!janela->Form_Load()) {
            janela_ = nullptr;
            delete janela;
            return;
        }
    }
    janela_->Mostrar();
}

void CalculadoraPadrao::Ativar()
{
    if (Carregada())
        janela_->Ativar();
}

bool CalculadoraPadrao::Visivel() const
{
    return Carregada() && janela_->isVisible();
}

void CalculadoraPadrao::mnuTempo_Click()
{
    if (Carregada())
        janela_->entrada([j = janela_.data()] { j->form().mnuTempo_Click(); });
}

void CalculadoraPadrao::mnuJuro_Click()
{
    if (Carregada())
        janela_->mnuJuro_Click();
}

void CalculadoraPadrao::mnuPeso_Click()
{
    if (Carregada())
        janela_->mnuPeso_Click();
}

void CalculadoraPadrao::mnuData_Click()
{
    if (Carregada())
        janela_->mnuData_Click();
}

void CalculadoraPadrao::AbrirArquivo(const QString& caminho)
{
    if (Carregada())
        janela_->AbrirArquivo(caminho);
}

}  // namespace tarvelo
