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
class EditorListaImagens final : public QDialog {
    Q_OBJECT
public:
    EditorListaImagens(const QString& arquivo, KeyedImageList& lista, ServicosPaginas& servicos,
                       QWidget* parent = nullptr);

    // Reads the file into the list, at the size of its first image; a file that does not
    // exist gives an empty 16 x 16 list. False, with the reason told, when it cannot be read.
    static bool abrir(const QString& arquivo, KeyedImageList& lista, MessageService& mensagens);

    PpgControl* paginaTamanho() const { return ppgControl_; }
    PpgImages* paginaImagens() const { return ppgImages_; }
    QPushButton* botaoAplicar() const { return cmdAplicar_; }
    QTabWidget* abas() const { return abas_; }

    // Applies both pages and writes the file; false (told to the user) when writing failed.
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
