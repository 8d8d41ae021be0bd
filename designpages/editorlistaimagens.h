#pragma once

#include "designpages/paginapropriedades.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace tarvelo {

class KeyedImageList;
class PpgControl;
class PpgImages;

// The frame around the two image-list pages: it edits the image list of one file, with
// OK (apply and close), Cancel (close, the file as it was) and Apply (apply and save).
// The file has no field for the colour depth: the one chosen is kept in the editor's
// settings for that file (ProfundidadeCor, keyed by the file's path) and shown again when
// the file is opened.
class EditorListaImagens final : public QDialog {
    Q_OBJECT
public:
    EditorListaImagens(const QString& arquivo, KeyedImageList& lista, ServicosPaginas& servicos,
                       QWidget* parent = nullptr);

    // Reads the file into the list, at the size of its first image and the depth chosen for
    // it before; a file that does not exist gives an empty 16 x 16 list. False, with the
    // reason told, when it cannot be read.
    static bool abrir(const QString& arquivo, KeyedImageList& lista, ServicosPaginas& servicos);

    PpgControl* paginaTamanho() const { return ppgControl_; }
    PpgImages* paginaImagens() const { return ppgImages_; }
    QPushButton* botaoAplicar() const { return cmdAplicar_; }
    QTabWidget* abas() const { return abas_; }

    // Applies both pages, writes the file and keeps its colour depth; false (told to the
    // user) when writing the file failed. A depth that cannot be kept is told by the store.
    bool aplicar();

private:
    void atualizarAplicar();

    QString arquivo_;
    KeyedImageList& lista_;
    ServicosPaginas& servicos_;
    QTabWidget* abas_ = nullptr;
    PpgControl* ppgControl_ = nullptr;
    PpgImages* ppgImages_ = nullptr;
    QPushButton* cmdAplicar_ = nullptr;
};

}  // namespace tarvelo
