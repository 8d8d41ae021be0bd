#include "documents/ui/cursores.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include <functional>

namespace tarvelo {
namespace {

// A black outline on white, as the desktop's own pointers are drawn, so that the pointer
// shows on both light and dark fields.
QCursor desenhar(const std::function<QPainterPath()>& forma, int x, int y)
{
    QPixmap imagem(32, 32);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setPen(QPen(Qt::black, 1));
    pintor.setBrush(Qt::white);
    pintor.drawPath(forma());
    pintor.end();
    return QCursor(imagem, x, y);
}

QPainterPath seta(const QPolygon& pontos)
{
    QPainterPath caminho;
    caminho.addPolygon(pontos);
    caminho.closeSubpath();
    return caminho;
}

}  // namespace

QCursor CursorMover()
{
    return desenhar([] {
        return seta(QPolygon({{10, 0}, {14, 4}, {11, 4}, {11, 9}, {16, 9}, {16, 6}, {20, 10}, {16, 14}, {16, 11},
                              {11, 11}, {11, 16}, {14, 16}, {10, 20}, {6, 16}, {9, 16}, {9, 11}, {4, 11}, {4, 14},
                              {0, 10}, {4, 6}, {4, 9}, {9, 9}, {9, 4}, {6, 4}}));
    }, 10, 10);
}

QCursor CursorRedimensionar()
{
    return desenhar([] {
        return seta(QPolygon({{0, 4}, {4, 0}, {4, 3}, {14, 3}, {14, 0}, {18, 4}, {14, 8}, {14, 5}, {4, 5}, {4, 8}}));
    }, 9, 4);
}

QCursor CursorMao()
{
    return desenhar([] {
        QPainterPath mao = seta(QPolygon({{12, 4}, {12, 1}, {13, 0}, {15, 0}, {16, 1}, {16, 9}, {18, 8}, {20, 9},
                                          {22, 10}, {24, 11}, {25, 13}, {25, 19}, {23, 23}, {13, 23}, {8, 17},
                                          {7, 14}, {8, 13}, {10, 14}, {12, 16}}));
        return mao;
    }, 14, 4);
}

}  // namespace tarvelo
