#pragma once

#include "mainwindow/mapafita.h"

#include <QPlainTextEdit>

namespace tarvelo {

class TextBox;

// The tape on screen: a read-only view of the engine's tape text box in a fixed-pitch font.
// Every edit the engine makes is applied to the view as it happens, only the lines it
// touches, so a key on a long tape never lays the whole tape out again. The selection
// follows the engine's and the user's mouse and navigation keys move the engine's; all
// typing goes through the engine, which decides what the tape takes.
class VisorFita final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit VisorFita(TextBox& fita, QWidget* parent = nullptr);

    const MapaFita& mapa() const { return mapa_; }

    // Shows the engine's selection (a caret when it is empty), scrolled into view.
    void mostrarSelecao();
    // Scrolls so that the caret's line is the last one in view, as a text box just filled
    // shows the caret put near its end.
    void rolarAteCursor();

signals:
    // A double click on the tape, at the engine's character offset.
    void duploClique(qsizetype posicao);

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // After a new size or font the locked tape shows its last line; the tape being edited
    // keeps its caret in view.
    void manterFimEmVista();
    void aplicarEdicao(qsizetype posicao, qsizetype removidos, qsizetype inseridos);
    void aplicarPropriedades();
    void selecaoDoUsuario();

    TextBox& fita_;
    MapaFita mapa_;
    bool sincronizando_ = false;  // the view follows the engine: its signals are ours
    bool doUsuario_ = false;      // the engine follows the user: the view stays as it is
    bool seguirFim_ = false;      // the view keeps the end of the tape in sight
};

}  // namespace tarvelo
