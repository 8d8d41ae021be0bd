#pragma once

// Pasting into the number fields of the tool windows, with Ctrl+V and with the field's
// context menu, under the Brazilian and the American number formats.

#include "host/globais.h"
#include "platform/localeinfo.h"
#include "tools/ui/campotexto.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace tarvelo::teste {

// A pasted text and what a number field then holds: a field that takes decimals, and one
// of whole numbers; none when the field stays as it was.
struct Colagem {
    QString colado;
    std::optional<QString> decimal;
    std::optional<QString> inteiro;
};

inline std::vector<Colagem> colagens(bool americano)
{
    const std::optional<QString> nada;
    const auto t = [](const char* texto) { return std::optional<QString>(QString::fromUtf8(texto)); };
    std::vector<Colagem> linhas = {
        {QStringLiteral("abc"), nada, nada},
        {QStringLiteral("--5"), nada, nada},
        {QStringLiteral("1.2.3"), nada, nada},
        {QStringLiteral("1e5"), nada, nada},
        {QStringLiteral("12\n34"), nada, nada},
        {QString(10'000, QLatin1Char('1')), nada, nada},
        {QStringLiteral("-5"), t("-5"), t("-5")},
    };
    if (americano) {
        linhas.insert(linhas.end(), {
            {QStringLiteral("1.234"), t("1.234"), nada},
            {QStringLiteral("1.234,56"), nada, nada},
            {QStringLiteral("12,5"), nada, nada},
            {QStringLiteral("1,234.56"), t("1234.56"), nada},
            {QStringLiteral("1,234\r\n"), t("1234"), t("1234")},
        });
    } else {
        linhas.insert(linhas.end(), {
            {QStringLiteral("1.234"), t("1234"), t("1234")},
            {QStringLiteral("1.234,56"), t("1234,56"), nada},
            {QStringLiteral("12,5"), t("12,5"), nada},
            {QStringLiteral("1,234.56"), nada, nada},
            {QStringLiteral("1.234\r\n"), t("1234"), t("1234")},
        });
    }
    return linhas;
}

// Ctrl+V in the field, or Colar of its context menu.
enum class Colar { Teclado, Menu };

inline void colar(QLineEdit* campo, Colar como)
{
    if (como == Colar::Teclado) {
        QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    const QPoint ponto = campo->rect().center();
    QContextMenuEvent evento(QContextMenuEvent::Mouse, ponto, campo->mapToGlobal(ponto));
    QApplication::sendEvent(campo, &evento);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no context menu";
    QAction* acao = nullptr;
    for (QAction* item : menu->actions())
        if (item->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste")))
            acao = item;
    ASSERT_NE(acao, nullptr) << "no Paste in the context menu";
    ASSERT_TRUE(acao->isEnabled());
    // As a click does: the menu closes, then its command runs.
    menu->close();
    acao->trigger();
}

struct CampoNumerico {
    const char* nome;
    CampoTexto* campo;
    bool decimais;
    bool sinal;
    // What the field holds before each paste, selected whole as the focus leaves it.
    QString antes = QStringLiteral("7");
};

// Every pasted text of the table into the field, both ways, under the current number
// format: what is no number of the field, or is longer than the field's limit, leaves it
// as it was and beeps (`bipes` counts the beeps). A number as long as the limit fits; one
// digit more does not.
inline void verificarColagens(const CampoNumerico& c, bool americano, const int& bipes)
{
    std::vector<Colagem> linhas = colagens(americano);
    const int limite = c.campo->limite();
    if (limite > 0) {
        const QString cabe(limite, QLatin1Char('1'));
        linhas.push_back({cabe, cabe, cabe});
        linhas.push_back({cabe + QLatin1Char('1'), std::nullopt, std::nullopt});
    }
    for (const Colar como : {Colar::Teclado, Colar::Menu}) {
        for (const Colagem& linha : linhas) {
            SCOPED_TRACE(::testing::Message() << c.nome << (como == Colar::Teclado ? ", Ctrl+V " : ", Colar ")
                                              << (americano ? "en-US " : "pt-BR ") << linha.colado.left(20).toStdString());
            std::optional<QString> esperado = c.decimais ? linha.decimal : linha.inteiro;
            if (esperado && ((esperado->startsWith(QLatin1Char('-')) && !c.sinal)
                             || (limite > 0 && esperado->size() > limite)))
                esperado.reset();
            c.campo->setFocus(Qt::TabFocusReason);
            c.campo->setText(c.antes);
            c.campo->selectAll();
            QApplication::clipboard()->setText(linha.colado);
            const int antes = bipes;
            colar(c.campo, como);
            EXPECT_EQ(c.campo->text(), esperado.value_or(c.antes));
            EXPECT_EQ(bipes - antes, esperado ? 0 : 1) << "a refused paste beeps, a taken one does not";
        }
    }
}

// The table under pt-BR and then under en-US (decimal point, comma groups).
inline void verificarColagensNosDoisFormatos(const std::vector<CampoNumerico>& campos, const int& bipes)
{
    for (const CampoNumerico& c : campos)
        verificarColagens(c, false, bipes);
    ScopedLocale americano(LocaleInfo::unitedStates());
    const QString decimal = globais().gDecimal;
    globais().gDecimal = QStringLiteral(".");
    for (const CampoNumerico& c : campos)
        verificarColagens(c, true, bipes);
    globais().gDecimal = decimal;
}

}  // namespace tarvelo::teste
