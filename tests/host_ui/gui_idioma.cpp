#include "host/ambiente.h"
#include "host/globais.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// The language the calculator chooses at start-up, which the image-list editor shares:
// the stored choice, else the system's, with Qt's stock dialog texts in it.
TEST(DefinirIdioma, TheStockDialogsFollowTheChosenLanguage)
{
    const auto sim = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    const struct {
        const char* guardado;
        quint16 langId;
        int idioma;
        const char* sim;
    } casos[] = {
        {"", 0x0416, 1, "&Sim"},  // LANG=pt_BR.UTF-8
        {"0", 0x0c0a, 3, "&Sí"},
        {"4", 0x0416, 4, "&Oui"},
        {"", 0x0409, 2, "&Yes"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.langId);
        Globais g;
        definirIdioma(g, QString::fromLatin1(c.guardado), c.langId);
        EXPECT_EQ(g.gIdioma, c.idioma);
        EXPECT_EQ(sim(), QString::fromUtf8(c.sim));
    }
}

}  // namespace
