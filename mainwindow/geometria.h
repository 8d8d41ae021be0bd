#pragma once

#include <QString>

#include <optional>

namespace tarvelo {

// Window geometry is kept in twips, as the settings store holds it: 15 twips a pixel.
inline constexpr double kTwipsPorPixel = 15.0;
inline int pixels(double twips)
{
    return static_cast<int>(twips / kTwipsPorPixel + (twips < 0 ? -0.5 : 0.5));
}
inline double twips(int pixels) { return pixels * kTwipsPorPixel; }

// The frame a window manager draws around the window, caption bar and borders, top and
// bottom together, in pixels, where none is known (no window manager, or the window not
// yet on the screen).
inline constexpr int kMolduraNominal = 24;
// The client height in pixels of a window `alturaExterna` twips tall with its frame, of
// `moldura` pixels or, unknown, the nominal one. Never below 0.
int alturaCliente(double alturaExterna, std::optional<int> moldura);

// A control's left edge and width, in twips.
struct Faixa {
    double esquerda = 0;
    double largura = 0;
};
// A key of the keypad whose keys lie between `inicio` and `fim`, on a keypad `extra` twips
// wider (below 0, narrower) than it was laid out for: the keys keep their order and share
// the new width in proportion, the gaps between them included.
Faixa esticarTecla(Faixa tecla, double inicio, double fim, double extra);

// A number read from the settings store as the window's load reads it: in the user's
// number format; nullopt when it is no number, so that the step keeps the designed value.
std::optional<double> numeroGuardado(const QString& texto);

// Where the first calculator opens, in twips. `textoTopo` and `textoEsquerda` are the
// stored "CalcTop" and "CalcLeft" (the left edge's default is computed by the caller from
// the screen, so that a narrow screen gives a negative default). An edge that would put the
// window past the screen's far side, or whose text holds a minus sign, becomes 0; the mini
// window always sits at the top. A text that is no number keeps the designed edge.
struct Posicao {
    double topo = 0;
    double esquerda = 0;
};
Posicao posicaoInicial(const QString& textoTopo, const QString& textoEsquerda, double altura, double largura,
                       double alturaTela, double larguraTela, bool modoMini, Posicao desenhada = {});

// The default of "CalcLeft": the window's right edge 360 twips short of the screen's.
double esquerdaPadrao(double larguraTela, double largura);

// The vertical layout of the normal window, in twips of its client area: the tape on top,
// then the display box and, when shown, the keypad, 60 twips apart.
struct LeiauteJanela {
    double alturaFita = 0;
    double topoCaixa = 0;      // lblVisor(3), and the counter lblVisor(1)
    double topoVisor = 0;      // lblVisor(0) and the time display lblVisor(2)
    double topoTeclado = 0;
};
// nullopt when the client area is too short for the tape (a minimised window), so that the
// layout stays as it was.
std::optional<LeiauteJanela> calcularLeiaute(double alturaCliente, double alturaCaixa, double alturaTeclado,
                                       bool tecladoVisivel);

}  // namespace tarvelo
