#include "designpages/editorlistaimagens.h"

#include "controls/controlerror.h"
#include "controls/keyedimagelist.h"
#include "controls/saveicon.h"
#include "designpages/ppgcontrol.h"
#include "designpages/ppgimages.h"
#include "host/preferencias.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtEndian>

namespace tarvelo {

namespace {

// The image size of a list file is that of its first record (its colour header).
QSize firstImageSize(const QString& arquivo)
{
    QFile file(arquivo);
    ImageListFileData data;
    if (!file.open(QIODevice::ReadOnly) || ReadImageListFile(file, data) != 0 || data.records.size() < 12 + 24)
        return QSize();
    return QSize(qFromLittleEndian<qint32>(data.records.constData() + 16),
                 qFromLittleEndian<qint32>(data.records.constData() + 20));
}

// The depth chosen for the file; a stored text that is no depth the editor offers counts
// as none.
int profundidadeGuardada(const SettingsStore& configuracoes, const QString& arquivo)
{
    const std::optional<double> lida = lerPreferencia(configuracoes, porNome(pref::ProfundidadeCor, arquivo));
    return lida && offersColourDepth(*lida) ? static_cast<int>(*lida) : static_cast<int>(pref::ProfundidadeCor.padrao);
}

void contar(MessageService& mensagens, const QString& arquivo, const ErrorInfo& erro)
{
    mensagens.show(QStringLiteral("%1\r\n\r\n%2 (%3)").arg(arquivo, erro.description).arg(erro.number),
                   mb::Critical);
}

}  // namespace

bool EditorListaImagens::abrir(const QString& arquivo, KeyedImageList& lista, ServicosPaginas& servicos)
{
    const QSize size = firstImageSize(arquivo);
    if (size.isValid()) {
        lista.setIconSizeX(size.width());
        lista.setIconSizeY(size.height());
    }
    lista.setColourDepth(profundidadeGuardada(servicos.configuracoes, arquivo));
    if (!lista.Create()) {
        lista.setIconSizeX(16);
        lista.setIconSizeY(16);
        lista.Create();
    }
    if (!QFileInfo::exists(arquivo))
        return true;
    try {
        lista.LoadFromFile(arquivo);
    } catch (const ControlError& e) {
        contar(servicos.mensagens, arquivo, e.info());
        return false;
    }
    return true;
}

EditorListaImagens::EditorListaImagens(const QString& arquivo, KeyedImageList& lista, ServicosPaginas& servicos,
                                       QWidget* parent)
    : QDialog(parent), arquivo_(arquivo), lista_(lista), servicos_(servicos)
{
    setWindowTitle(QStringLiteral("%1 - Image List").arg(QFileInfo(arquivo).fileName()));
    abas_ = new QTabWidget(this);
    ppgControl_ = new PpgControl(lista, servicos, abas_);
    ppgImages_ = new PpgImages(lista, servicos, abas_);
    abas_->addTab(ppgControl_, ppgControl_->windowTitle());
    abas_->addTab(ppgImages_, ppgImages_->windowTitle());

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply,
                                        this);
    cmdAplicar_ = botoes->button(QDialogButtonBox::Apply);
    // Enter in a key or size field must not close the editor.
    for (QAbstractButton* botao : botoes->buttons())
        if (auto* push = qobject_cast<QPushButton*>(botao)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    connect(botoes, &QDialogButtonBox::accepted, this, [this] {
        if (aplicar())
            accept();
    });
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdAplicar_, &QPushButton::clicked, this, [this] { aplicar(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(abas_);
    layout->addWidget(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (PaginaPropriedades* pagina : {static_cast<PaginaPropriedades*>(ppgControl_),
                                       static_cast<PaginaPropriedades*>(ppgImages_)}) {
        connect(pagina, &PaginaPropriedades::changedChanged, this, [this] { atualizarAplicar(); });
        pagina->SelectionChanged();
    }
    connect(abas_, &QTabWidget::currentChanged, this, [this] {
        if (auto* pagina = qobject_cast<PaginaPropriedades*>(abas_->currentWidget()))
            pagina->SelectionChanged();
    });
    atualizarAplicar();
}

void EditorListaImagens::atualizarAplicar()
{
    cmdAplicar_->setEnabled(ppgControl_->Changed() || ppgImages_->Changed());
}

bool EditorListaImagens::aplicar()
{
    ppgControl_->ApplyChanges();
    ppgImages_->ApplyChanges();
    try {
        lista_.SaveToFile(arquivo_);
    } catch (const ControlError& e) {
        contar(servicos_.mensagens, arquivo_, e.info());
        return false;
    }
    salvarPreferencia(servicos_.configuracoes, porNome(pref::ProfundidadeCor, arquivo_), lista_.ColourDepth());
    ppgControl_->setChanged(false);
    ppgImages_->setChanged(false);
    ppgControl_->SelectionChanged();
    ppgImages_->SelectionChanged();
    return true;
}

}  // namespace tarvelo
