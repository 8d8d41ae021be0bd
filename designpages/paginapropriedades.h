#pragma once

#include <QWidget>

namespace tarvelo {

class ColourDialogService;
class FileDialogService;
class KeyedImageList;
class MessageService;
class SettingsStore;

// What the pages and their editor reach outside themselves.
struct ServicosPaginas {
    MessageService& mensagens;
    FileDialogService& arquivos;
    ColourDialogService& cores;
    SettingsStore& configuracoes;
};

// A property page of the image-list control in the editor's frame: the frame tells it
// when it is shown for the control (SelectionChanged) and when to apply (ApplyChanges);
// the page raises its changed flag for edits not applied yet.
class PaginaPropriedades : public QWidget {
    Q_OBJECT
public:
    PaginaPropriedades(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent = nullptr);

    virtual void SelectionChanged() = 0;
    virtual void ApplyChanges() = 0;

    bool Changed() const { return changed_; }
    void setChanged(bool changed);

signals:
    void changedChanged(bool changed);

protected:
    // Twips of the page's design, as pixels.
    static int px(int twips) { return twips / 15; }
    static QRect twipsRect(int left, int top, int width, int height);

    KeyedImageList& control_;
    ServicosPaginas& servicos_;

private:
    bool changed_ = false;
};

}  // namespace tarvelo
