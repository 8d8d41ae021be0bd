#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace tarvelo {

// The layout editor: moving and resizing the document fields with the mouse. One step
// per mouse move over a field, worked out here without any widget; the window applies
// the result.

// What the editor remembers between steps; one per window, zero when it loads.
struct EstadoEditor {
    QPoint cursorAnterior;
    bool redimensionando = false;
};

// The pointer a field shows after the step.
enum class Ponteiro { Manter, Texto, Mover, Redimensionar };

// Mouse buttons as the steps count them: the left button alone is 1.
inline constexpr int kBotaoEsquerdo = 1;

struct PassoEditor {
    // Added to the Left and Top of the field, or of every selected field when the field is
    // selected.
    QPoint deslocamento;
    bool moverSelecionados = false;
    std::optional<int> largura;  // the field's new width
    bool alterou = false;        // the layout changed: saving becomes possible
    Ponteiro ponteiro = Ponteiro::Manter;
    std::optional<QString> leitura;  // the position readout's new caption
};

// One step for the field at `campo` (window coordinates) with the pointer at `cursor`
// (window coordinates) and `botoes` held (1 left, 2 right, 4 middle, added). A field
// is never made narrower than one pixel, so that it can always be reached again.
PassoEditor MoveCampo(const QRect& campo, QPoint cursor, int botoes, bool modoAjuste, bool selecionado,
                      EstadoEditor& estado);

// " Posição:  464 / 015": Left and Top with at least three digits.
QString LeituraPosicao(int left, int top);

// The rubber band from the press point to the cursor, never of negative size.
QRect NormalizarBanda(QPoint inicio, QPoint cursor);

// Whether a field meets the band: touching the band's top or left edge from inside counts,
// touching its bottom or right edge from outside does not. Sizes are widths and heights
// (QRect's right() and bottom() are not used).
bool TocaBanda(const QRect& campo, const QRect& banda);

// A row of fields (first to last as listed) meets the band as one span from the first
// field's left to the last field's right, at the first field's height.
bool LinhaTocaBanda(const QRect& primeiro, const QRect& ultimo, const QRect& banda);

}  // namespace tarvelo
