#pragma once

#include "controls/keyedimagelist.h"
#include "designpages/paginapropriedades.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "support/falsos.h"
#include "support/imagensteste.h"

#include <QTemporaryDir>

namespace tarvelo::teste {

// A list of 16 x 16 images and the pages' services, all answered by the test, with
// settings of their own.
struct PaginasFixture {
    QTemporaryDir pasta;
    MensagensFalsas mensagens;
    DialogoFalso arquivos;
    CoresFalsas cores;
    Registry registro{pasta.filePath(QStringLiteral("registry"))};
    SettingsStore configuracoes{registro};
    ServicosPaginas servicos{mensagens, arquivos, cores, configuracoes};
    KeyedImageList lista;

    PaginasFixture() { lista.Create(); }
    QString caminho(const QString& nome) const { return pasta.filePath(nome); }
    void adicionar(int quantas)
    {
        for (int i = 0; i < quantas; ++i)
            lista.AddFromHandle(Icon{squareImage(16, 16, QColor::fromHsv(i * 40 % 360, 255, 200)), QPoint(), true},
                                IMAGE_ICON);
    }
    // The file dialog answers these files, as a multiple selection does.
    void escolher(const QStringList& arquivosEscolhidos) { arquivos.escolhido = joinSelection(arquivosEscolhidos); }
};

}  // namespace tarvelo::teste
