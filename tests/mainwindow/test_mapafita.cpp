// The map between the engine's CR LF tape and the view's lines, edit by edit.

#include "mainwindow/mapafita.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// The engine's text and, beside it, a view kept up to date only from what the map says.
struct Fita {
    QString texto;
    QString vista;
    MapaFita mapa;

    void editar(qsizetype posicao, qsizetype removidos, const QString& inserido)
    {
        texto.replace(posicao, removidos, inserido);
        const MapaFita::TrechoVista t = mapa.aplicar(texto, posicao, removidos, inserido.size());
        vista.replace(t.inicio, t.removidos, t.inserido);
    }
};

std::string mostrar(QString s)
{
    s.replace(QLatin1String("\r"), QLatin1String("<CR>"));
    s.replace(QLatin1String("\n"), QLatin1String("<LF>"));
    return s.toStdString();
}

// Both directions against a count done the slow way.
void conferir(const Fita& f)
{
    ASSERT_EQ(f.vista, MapaFita::textoVista(f.texto)) << mostrar(f.texto);
    qsizetype pares = 0;
    for (qsizetype m = 0; m <= f.texto.size(); ++m) {
        const bool entreCrLf = m > 0 && m < f.texto.size() && f.texto[m - 1] == QLatin1Char('\r')
                               && f.texto[m] == QLatin1Char('\n');
        if (entreCrLf) {
            // Between CR and LF is on the view's line break, as is the CR itself.
            ++pares;
            ASSERT_EQ(f.mapa.paraVista(m), m - pares) << "offset " << m << " of " << mostrar(f.texto);
            continue;
        }
        ASSERT_EQ(f.mapa.paraVista(m), m - pares) << "offset " << m << " of " << mostrar(f.texto);
        ASSERT_EQ(f.mapa.paraFita(m - pares), m) << "view offset " << m - pares << " of " << mostrar(f.texto);
    }
}

TEST(MapaFita, TheEnginesEditsKeepTheViewAndTheOffsetsInStep)
{
    const QString linha = QStringLiteral("                     100 +\r\n");
    struct Passo {
        const char* oque;
        std::function<void(Fita&)> editar;
    };
    const std::vector<Passo> passos = {
        {"a header", [&](Fita& f) { f.editar(0, 0, QStringLiteral(" 05/03/2025 Qua\r\n =====\r\n")); }},
        {"a line appended", [&](Fita& f) { f.editar(f.texto.size(), 0, linha); }},
        {"the operator changed", [&](Fita& f) { f.editar(f.texto.size() - 4, 4, QStringLiteral(" ×\r\n")); }},
        {"the annotation written", [&](Fita& f) { f.editar(f.texto.size() - 27, 12, QStringLiteral(" ABC        ")); }},
        {"a total block over the last line",
         [&](Fita& f) { f.editar(f.texto.size() - 4, 4, QStringLiteral(" =\r\n 002\r\n 108 T\r\n =====\r\n")); }},
        {"a pair split", [&](Fita& f) { f.editar(f.texto.size() - 1, 1, {}); }},
        {"a pair joined again", [&](Fita& f) { f.editar(f.texto.size(), 0, QStringLiteral("\n")); }},
        {"a lone CR typed in the middle", [&](Fita& f) { f.editar(5, 0, QStringLiteral("\r")); }},
        {"and the LF after it", [&](Fita& f) { f.editar(6, 0, QStringLiteral("\n")); }},
        {"a pair cut in half at the edit's start", [&](Fita& f) { f.editar(f.texto.indexOf(QLatin1Char('\n')), 3, {}); }},
        {"everything removed", [&](Fita& f) { f.editar(0, f.texto.size(), {}); }},
    };
    Fita f;
    for (const Passo& passo : passos) {
        SCOPED_TRACE(passo.oque);
        passo.editar(f);
        conferir(f);
    }
}

TEST(MapaFita, RandomEditsNeverLoseStep)
{
    QRandomGenerator aleatorio(20250305);
    const QString alfabeto = QStringLiteral("a \r\n");
    Fita f;
    for (int i = 0; i < 3000; ++i) {
        const qsizetype posicao = aleatorio.bounded(static_cast<int>(f.texto.size()) + 1);
        const qsizetype removidos = aleatorio.bounded(static_cast<int>(f.texto.size() - posicao) + 1) % 5;
        QString inserido;
        for (int n = aleatorio.bounded(6); n > 0; --n)
            inserido += alfabeto[aleatorio.bounded(static_cast<int>(alfabeto.size()))];
        f.editar(posicao, removidos, inserido);
        if (i % 50 == 0 || f.texto.size() < 40)
            conferir(f);
        if (::testing::Test::HasFatalFailure())
            return;
    }
    conferir(f);
    // A map made anew agrees with the one kept up to date.
    MapaFita novo;
    EXPECT_EQ(novo.reiniciar(f.texto), f.vista);
}

}  // namespace
