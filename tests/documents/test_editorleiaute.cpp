#include "documents/editorleiaute.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A field at Left 100, Top 50, 80 wide: its last pixel column is x = 179.
const QRect kCampo(100, 50, 80, 17);

struct Passo {
    QPoint cursor;
    int botoes;
    bool ajuste;
    bool selecionado;
    QPoint deslocamento;
    bool moverSelecionados;
    std::optional<int> largura;
    Ponteiro ponteiro;
    std::optional<QString> leitura;
};

void conferir(const QRect& campo, const std::vector<Passo>& passos, EstadoEditor estado = {})
{
    for (size_t i = 0; i < passos.size(); ++i) {
        const Passo& p = passos[i];
        const PassoEditor r = MoveCampo(campo, p.cursor, p.botoes, p.ajuste, p.selecionado, estado);
        EXPECT_EQ(r.deslocamento, p.deslocamento) << "step " << i;
        EXPECT_EQ(r.moverSelecionados, p.moverSelecionados) << "step " << i;
        EXPECT_EQ(r.largura, p.largura) << "step " << i;
        EXPECT_EQ(r.ponteiro, p.ponteiro) << "step " << i;
        EXPECT_EQ(r.leitura, p.leitura) << "step " << i;
        EXPECT_EQ(r.alterou, !p.deslocamento.isNull() || p.largura.has_value()) << "step " << i;
    }
}

TEST(MoveCampo, DraggingAFieldKeepsTheGrabPoint)
{
    conferir(kCampo, {
        // Hover in adjust mode: move pointer, readout, nothing moves.
        {{120, 55}, 0, true, false, {}, false, {}, Ponteiro::Mover, LeituraPosicao(100, 50)},
        // Left button: the displacement since the last step, the readout at the new place.
        {{130, 50}, 1, true, false, {10, -5}, false, {}, Ponteiro::Mover, LeituraPosicao(110, 45)},
        // A selected field moves the whole selection.
        {{131, 52}, 1, true, true, {1, 2}, true, {}, Ponteiro::Mover, LeituraPosicao(101, 52)},
    });
}

TEST(MoveCampo, RightMiddleOrTwoButtonsMoveNothingButStillReadOut)
{
    EstadoEditor estado{{0, 0}, false};
    for (int botoes : {2, 4, 3, 5}) {
        const PassoEditor r = MoveCampo(kCampo, {140, 60}, botoes, true, false, estado);
        EXPECT_TRUE(r.deslocamento.isNull()) << botoes;
        EXPECT_FALSE(r.alterou) << botoes;
        EXPECT_EQ(r.leitura, LeituraPosicao(100, 50)) << botoes;
        EXPECT_EQ(estado.cursorAnterior, QPoint(140, 60)) << botoes;
    }
}

TEST(MoveCampo, TheLastColumnResizesInAndOutOfAdjustMode)
{
    for (bool ajuste : {false, true}) {
        EstadoEditor estado;
        conferir(kCampo, {
            {{179, 55}, 0, ajuste, false, {}, false, {}, Ponteiro::Redimensionar, {}},
            {{189, 80}, 1, ajuste, false, {}, false, 90, Ponteiro::Manter, {}},
        }, estado);
    }
    // Narrowing stops at one pixel, so the field can still be reached.
    EstadoEditor estado{{179, 55}, true};
    const PassoEditor r = MoveCampo(kCampo, {0, 55}, 1, false, false, estado);
    EXPECT_EQ(r.largura, 1);
    EXPECT_EQ(estado.cursorAnterior, QPoint(0, 55));  // only X follows a resize
}

TEST(MoveCampo, OutOfAdjustModeTheFieldIsATextField)
{
    EstadoEditor estado{{5, 5}, true};
    const PassoEditor r = MoveCampo(kCampo, {120, 55}, 0, false, false, estado);
    EXPECT_EQ(r.ponteiro, Ponteiro::Texto);
    EXPECT_FALSE(estado.redimensionando);
    EXPECT_EQ(estado.cursorAnterior, QPoint(5, 5));
    EXPECT_FALSE(r.leitura);
    // Left button held out of adjust mode: the pointer stays as it was.
    EXPECT_EQ(MoveCampo(kCampo, {120, 55}, 1, false, false, estado).ponteiro, Ponteiro::Manter);
}

TEST(MoveCampo, TheReadoutPadsToThreeDigitsAndKeepsTheSign)
{
    EXPECT_EQ(LeituraPosicao(464, 15), QStringLiteral(" Posição:  464 / 015"));
    EXPECT_EQ(LeituraPosicao(8, 112), QStringLiteral(" Posição:  008 / 112"));
    EXPECT_EQ(LeituraPosicao(-5, 1234), QStringLiteral(" Posição:  -005 / 1234"));
}

TEST(Banda, RunsFromThePressPointToTheCursorEitherWay)
{
    EXPECT_EQ(NormalizarBanda({50, 60}, {80, 100}), QRect(50, 60, 30, 40));
    EXPECT_EQ(NormalizarBanda({50, 60}, {20, 10}), QRect(20, 10, 30, 50));
    EXPECT_EQ(NormalizarBanda({50, 60}, {50, 60}), QRect(50, 60, 0, 0));
}

TEST(Banda, EdgeRules)
{
    const QRect campo(100, 50, 80, 17);  // right edge 180, bottom edge 67
    struct Caso {
        QRect banda;
        bool toca;
    };
    const Caso casos[] = {
        {{20, 20, 80, 100}, false},   // the band's right edge on the field's left edge
        {{20, 20, 81, 100}, true},
        {{0, 0, 300, 50}, false},     // the band's bottom edge on the field's top edge
        {{180, 0, 10, 100}, true},    // the band's left edge on the field's right edge
        {{0, 67, 300, 10}, true},     // the band's top edge on the field's bottom edge
        {{181, 0, 10, 100}, false},
        {{120, 55, 0, 0}, true},      // a band of no size inside the field
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TocaBanda(campo, c.banda), c.toca) << c.banda.x() << "," << c.banda.y();
}

TEST(Banda, ARowIsOneSpanFromItsFirstToItsLastField)
{
    const QRect primeiro(262, 112, 167, 17), ultimo(580, 112, 43, 17);
    EXPECT_TRUE(LinhaTocaBanda(primeiro, ultimo, {500, 100, 10, 20}));  // over the gap between fields
    EXPECT_FALSE(LinhaTocaBanda(primeiro, ultimo, {624, 100, 10, 20}));
    EXPECT_FALSE(LinhaTocaBanda(primeiro, ultimo, {500, 130, 10, 20}));
    // A first field that reaches further right than the last one.
    EXPECT_TRUE(LinhaTocaBanda({100, 0, 300, 17}, {150, 0, 20, 17}, {250, 0, 10, 10}));
    EXPECT_FALSE(LinhaTocaBanda({100, 0, 100, 17}, {150, 0, 20, 17}, {250, 0, 10, 10}));
}

}  // namespace
