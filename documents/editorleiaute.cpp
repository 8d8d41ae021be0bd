#include "documents/editorleiaute.h"

#include <cstdlib>

namespace tarvelo {
namespace {

QString tresDigitos(int valor)
{
    const QString digitos = QString::number(std::abs(valor)).rightJustified(3, QLatin1Char('0'));
    return valor < 0 ? QLatin1Char('-') + digitos : digitos;
}

// Along one axis: the field's far edge may lie on the band's near edge, the band's far
// edge must pass the field's near edge.
bool seTocam(int campo, int tamanhoCampo, int banda, int tamanhoBanda)
{
    return campo + tamanhoCampo >= banda && banda + tamanhoBanda > campo;
}

}  // namespace

PassoEditor MoveCampo(const QRect& campo, QPoint cursor, int botoes, bool modoAjuste, bool selecionado,
                      EstadoEditor& estado)
{
    PassoEditor passo;
    if (botoes == kBotaoEsquerdo && estado.redimensionando) {
        passo.largura = qMax(1, campo.width() + cursor.x() - estado.cursorAnterior.x());
        estado.cursorAnterior.setX(cursor.x());
        passo.alterou = true;
        return passo;
    }
    if (campo.x() + campo.width() - 1 == cursor.x()) {
        passo.ponteiro = Ponteiro::Redimensionar;
        estado.redimensionando = true;
        estado.cursorAnterior = cursor;
        return passo;
    }
    if (botoes != kBotaoEsquerdo) {
        estado.redimensionando = false;
        if (!modoAjuste)
            passo.ponteiro = Ponteiro::Texto;
    }
    if (!modoAjuste)
        return passo;
    passo.ponteiro = Ponteiro::Mover;
    QPoint posicao = campo.topLeft();
    if (botoes == kBotaoEsquerdo) {
        passo.deslocamento = cursor - estado.cursorAnterior;
        passo.moverSelecionados = selecionado;
        passo.alterou = true;
        posicao += passo.deslocamento;
    }
    passo.leitura = LeituraPosicao(posicao.x(), posicao.y());
    estado.cursorAnterior = cursor;
    return passo;
}

QString LeituraPosicao(int left, int top)
{
    return QStringLiteral(" Posição:  ") + tresDigitos(left) + QStringLiteral(" / ") + tresDigitos(top);
}

QRect NormalizarBanda(QPoint inicio, QPoint cursor)
{
    return QRect(qMin(inicio.x(), cursor.x()), qMin(inicio.y(), cursor.y()), std::abs(cursor.x() - inicio.x()),
                 std::abs(cursor.y() - inicio.y()));
}

bool TocaBanda(const QRect& campo, const QRect& banda)
{
    return seTocam(campo.y(), campo.height(), banda.y(), banda.height()) &&
           seTocam(campo.x(), campo.width(), banda.x(), banda.width());
}

bool LinhaTocaBanda(const QRect& primeiro, const QRect& ultimo, const QRect& banda)
{
    if (!seTocam(primeiro.y(), primeiro.height(), banda.y(), banda.height()))
        return false;
    if (ultimo.x() + ultimo.width() >= banda.x())
        return banda.x() + banda.width() > primeiro.x();
    return primeiro.x() + primeiro.width() > banda.x();
}

}  // namespace tarvelo
