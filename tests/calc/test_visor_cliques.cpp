#include "calc/visor_cliques.h"

#include "support/calculadora.h"

#include <gtest/gtest.h>

using namespace tarvelo;
using teste::Calculadora;

namespace {

TEST(CliquesVisor, EachButtonAndLabelDoesWhatTheDisplayOffers)
{
    struct Caso {
        const char* nome;
        bool tempo;
        int Index, Button;
        const char* menu;  // the popup asked for, "" for none
        bool copia;        // the number on show went to the clipboard
    };
    const Caso casos[] = {
        {"left on the display copies it", false, 0, 1, "", true},
        {"left on the box behind it too", false, 3, 1, "", true},
        {"right offers the number formats", false, 0, 2, "mnuForm", false},
        {"middle as well", false, 3, 4, "mnuForm", false},
        {"the counter takes no clicks", false, 1, 2, "", false},
        {"time mode offers the time formats to the left button", true, 2, 1, "mnuTime", false},
        {"and to the right one", true, 3, 2, "mnuTime", false},
        {"the counter still takes none", true, 1, 1, "", false},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Calculadora c;
        if (caso.tempo)
            c.calc.mnuTempo_Click();
        c.teclas(QStringLiteral("1234"));
        c.clipboard.conteudo = QStringLiteral("antes");
        QStringList menus;
        QObject::connect(&c.calc, &frmCalcula::PopupMenu, [&](const QString& menu) { menus << menu; });

        lblVisor_MouseUp(c.calc, caso.Index, caso.Button);

        EXPECT_EQ(menus.join(','), QString::fromLatin1(caso.menu));
        const QString mostrado = caso.tempo ? c.calc.lblVisor[2].Caption() : c.visor();
        EXPECT_EQ(c.clipboard.conteudo, caso.copia ? mostrado : QStringLiteral("antes"));
    }
}

}  // namespace
