#include "platform/ui/qtservices.h"

#include "host/globais.h"
#include "host/texto.h"
#include "resources/catalogo.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace tarvelo;

namespace {

// A box as it stood on the screen, measured while it was up.
struct Medida {
    QRect caixa;           // the box with the frame the window manager gives it
    QRect tela;            // the part of its screen that windows may take
    QRect texto;           // what the label showing the text has for it; empty when no label shows it
    int alturaNecessaria;  // how tall the text is, wrapped at that label's width
    QSize semQuebra;       // how large the text is with no line wrapped
};

// Opens a box through `abrir`, measures it once it is up, and dismisses it.
Medida medir(const QString& texto, const std::function<void()>& abrir)
{
    Medida m{};
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 20000))
            return;
        QWidget* caixa = QApplication::activeModalWidget();
        m.caixa = caixa->frameGeometry();
        m.tela = caixa->screen()->availableGeometry();
        for (const QLabel* label : caixa->findChildren<QLabel*>()) {
            if (label->text() != texto)
                continue;
            m.texto = label->contentsRect();
            const QFontMetrics medidas = label->fontMetrics();
            m.alturaNecessaria =
                medidas.boundingRect(QRect(0, 0, m.texto.width(), 100000), Qt::TextWordWrap, texto).height();
            m.semQuebra = medidas.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextWordWrap, texto).size();
        }
        static_cast<QDialog*>(caixa)->reject();
    });
    abrir();
    return m;
}

// The program's two boxes, each opened with a text and a title.
struct Caixa {
    const char* nome;
    std::function<void(const QString& texto, const QString& titulo)> abrir;
};
const Caixa kCaixas[] = {
    {"prompt", [](const QString& texto, const QString& titulo) { QtInputService().ask(texto, titulo, {}); }},
    {"message",
     [](const QString& texto, const QString& titulo) { QtMessageService().show(texto, mb::Information, titulo); }},
};

// Each box as the window manager frames it: wide enough for its whole title in the title
// bar's bold face, beside the window's icon and buttons, however short its text (the rule of
// three's example asks with its window's title in every language).
TEST(Boxes, EachIsAtLeastAsWideAsItsTitle)
{
    constexpr int kTituloRegraDeTres = 178;
    constexpr int kPrimeiroExemplo = 179;
    QFont negrito = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    negrito.setBold(true);
    QList<std::pair<QString, QString>> perguntas;  // title, text
    for (const char* titulo : {" Capitalizar Juro", " Agendar Horário para Alarme", " T"})
        perguntas.append({QString::fromUtf8(titulo), QStringLiteral("Valor:")});
    for (int idioma = 1; idioma <= 4; ++idioma) {
        Globais valores;
        valores.gIdioma = idioma;
        ScopedGlobais g(valores);
        perguntas.append({fTexto(kTituloRegraDeTres), fTexto(kPrimeiroExemplo)});
    }
    for (const Caixa& caixa : kCaixas) {
        for (const auto& [titulo, texto] : perguntas) {
            const Medida m = medir(texto, [&] { caixa.abrir(texto, titulo); });
            EXPECT_GE(m.caixa.width(), QFontMetrics(negrito).horizontalAdvance(titulo.trimmed()) + 60)
                << caixa.nome << ":" << titulo.toStdString();
            EXPECT_LE(m.alturaNecessaria, m.texto.height()) << caixa.nome << ": the text shows whole";
        }
    }
}

// The catalogue's topic with the most text and the one with the longest line, in `idioma`.
QList<int> textosMaisLongos(int idioma)
{
    int maisTexto = 0, linhaMaisLonga = 0;
    qsizetype texto = 0, linha = 0;
    const Catalogo& c = catalogo();
    for (auto it = c.begin(); it != c.end(); ++it) {
        if (it.key() % 10 != idioma)
            continue;
        const int topico = it.key() / 10;
        if (it.value().size() > texto) {
            texto = it.value().size();
            maisTexto = topico;
        }
        for (const QString& l : it.value().split(QLatin1Char('|'))) {
            if (l.size() > linha) {
                linha = l.size();
                linhaMaisLonga = topico;
            }
        }
    }
    return {maisTexto, linhaMaisLonga};
}

// Each text wraps at a readable width, no more than half the screen's and no less than a
// third of it, and shows whole, its box wholly on the screen.
TEST(Boxes, TheirTextsWrapAtAReadableWidthAndEveryBoxIsWhollyOnTheScreen)
{
    constexpr int kPortaDaImpressora = 176;
    for (int idioma = 1; idioma <= 4; ++idioma) {
        Globais valores;
        valores.gIdioma = idioma;
        ScopedGlobais g(valores);
        QStringList textos{
            QStringLiteral("Valor:"),
            QStringLiteral("Informe o valor depositado todos os meses na conta:"),
            fTexto(kPortaDaImpressora),
        };
        for (int topico : textosMaisLongos(idioma))
            textos << fTexto(topico);
        for (const Caixa& caixa : kCaixas) {
            for (const QString& texto : textos) {
                const Medida m = medir(texto, [&] { caixa.abrir(texto, kTituloPrograma); });
                const QString onde = QStringLiteral("language %1, %2: %3").arg(idioma).arg(caixa.nome, texto.left(40));
                EXPECT_TRUE(m.tela.contains(m.caixa)) << qPrintable(onde);
                ASSERT_FALSE(m.texto.isEmpty()) << qPrintable(onde);
                EXPECT_LE(m.texto.width(), m.tela.width() / 2) << qPrintable(onde);
                EXPECT_LE(m.alturaNecessaria, m.texto.height()) << qPrintable(onde);
                if (m.alturaNecessaria > m.semQuebra.height()) {
                    EXPECT_GE(m.texto.width(), m.tela.width() / 3) << qPrintable(onde);
                }
            }
        }
    }
}

}  // namespace
