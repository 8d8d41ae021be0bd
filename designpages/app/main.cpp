// tarvelo-imagelist FILE: edits the images and keys of an image-list file.
#include "controls/keyedimagelist.h"
#include "designpages/editorlistaimagens.h"
#include "host/ambiente.h"
#include "host/avisogravacao.h"
#include "host/globais.h"
#include "host/preferencias.h"
#include "platform/localeinfo.h"
#include "platform/settings.h"
#include "platform/ui/qtcolourdialog.h"
#include "platform/ui/qtfiledialog.h"
#include "platform/ui/qtservices.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace tarvelo;
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tarvelo-imagelist FILE\n");
        return 2;
    }
    // The stock dialogs speak the calculator's language.
    definirIdioma(globais(), textoPreferencia(settings(), pref::Idioma), currentLocale().languageId);
    const QString arquivo = QFileInfo(args.at(1)).absoluteFilePath();
    QtMessageService mensagens;
    AvisoGravacao aviso(mensagens);
    registry().onWriteFailed = [&aviso](const QString& hive, const QString& motivo) { aviso.falhou(hive, motivo); };
    QtFileDialogService arquivos;
    QtColourDialogService cores;
    ServicosPaginas servicos{mensagens, arquivos, cores, settings()};
    KeyedImageList lista;
    lista.userMode = false;
    if (!EditorListaImagens::abrir(arquivo, lista, servicos))
        return 1;
    EditorListaImagens editor(arquivo, lista, servicos);
    editor.show();
    const int resultado = editor.exec() == QDialog::Accepted ? 0 : 1;
    registry().onWriteFailed = nullptr;
    return resultado;
}
