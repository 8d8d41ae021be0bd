// Every window in each language: a letter is the access key of one visible control of a
// window at most, and of one item of each menu, so Alt and the letter (or the letter in an
// open menu) always reaches what it says.

#include "bancada.h"
#include "support/ferramentasfalsas.h"

#include "controls/xpbutton.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmimp.h"
#include "documents/ui/frmpromissoria.h"
#include "interest/ui/frmjuro2.h"
#include "interest/ui/janelajuro.h"
#include "tools/ui/frmconverte.h"
#include "tools/ui/frmdata.h"
#include "tools/ui/frmpeso.h"
#include "tools/ui/frmregra.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// Access keys by the captions that use them.
using Teclas = std::map<QKeySequence, QStringList>;

void anotar(Teclas& teclas, const QString& legenda)
{
    const QKeySequence tecla = QKeySequence::mnemonic(legenda);
    if (!tecla.isEmpty())
        teclas[tecla] << legenda;
}

// The captions of the window's visible controls that answer to Alt and a letter: buttons,
// labels that pass the focus on, group boxes, tabs and menu bar titles.
Teclas teclasDaJanela(QWidget& janela)
{
    Teclas teclas;
    for (QWidget* w : janela.findChildren<QWidget*>()) {
        if (w->window() != &janela || !w->isVisibleTo(&janela))
            continue;
        if (const auto* botao = qobject_cast<QAbstractButton*>(w))
            anotar(teclas, botao->text());
        else if (const auto* pintado = qobject_cast<XPButton*>(w))
            anotar(teclas, pintado->Caption());
        else if (const auto* rotulo = qobject_cast<QLabel*>(w); rotulo && rotulo->buddy())
            anotar(teclas, rotulo->text());
        else if (const auto* grupo = qobject_cast<QGroupBox*>(w))
            anotar(teclas, grupo->title());
        else if (const auto* abas = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < abas->count(); ++i)
                anotar(teclas, abas->tabText(i));
        else if (const auto* barra = qobject_cast<QMenuBar*>(w))
            for (const QAction* titulo : barra->actions())
                if (titulo->isVisible())
                    anotar(teclas, titulo->text());
    }
    return teclas;
}

Teclas teclasDoMenu(const QMenu& menu)
{
    Teclas teclas;
    for (const QAction* item : menu.actions())
        if (item->isVisible() && !item->isSeparator())
            anotar(teclas, item->text());
    return teclas;
}

void semRepetidas(const Teclas& teclas, const QString& onde, int idioma)
{
    for (const auto& [tecla, legendas] : teclas)
        EXPECT_EQ(legendas.size(), 1) << "language " << idioma << ", " << onde.toStdString() << ": "
                                      << tecla.toString().toStdString() << " in "
                                      << legendas.join(QStringLiteral(" | ")).toStdString();
}

void verificarJanela(QWidget& janela, int idioma)
{
    janela.show();
    semRepetidas(teclasDaJanela(janela), janela.metaObject()->className(), idioma);
    janela.hide();
}

// The calculator with the captions it starts with and with those its language menu gives.
void verificarCalculadora(int idioma)
{
    static const char* const kIdiomas[] = {"mnuPortuguese", "mnuEnglish", "mnuSpanish", "mnuFrench"};
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    Usuario usuario(pasta.path());
    Bancada b(usuario, {.comando = {}, .idioma = idioma});
    JanelaCalcula& calculadora = b.abrir();
    for (const char* quando : {"at start", "after its language menu"}) {
        const QString onde = QString::fromLatin1(quando);
        semRepetidas(teclasDaJanela(calculadora), QStringLiteral("the calculator ") + onde, idioma);
        for (const QMenu* menu : calculadora.findChildren<QMenu*>())
            semRepetidas(teclasDoMenu(*menu), QStringLiteral("menu ") + menu->title() + QLatin1Char(' ') + onde,
                         idioma);
        b.comando(QString::fromLatin1(kIdiomas[idioma - 1]));
    }
}

TEST(TeclasDeAcesso, NoWindowOrMenuUsesALetterTwiceInAnyLanguage)
{
    for (int idioma = 1; idioma <= 4; ++idioma) {
        verificarCalculadora(idioma);

        ServicosFalsos falsos;
        globais().gIdioma = idioma;
        const ServicosFerramenta servicos = falsos.servicos();
        ImpressoraFalsa impressoras;
        DialogoFalso arquivos;
        const ServicosDocumento documentos{falsos.mensagens, falsos.entrada, falsos.relogio,
                                           falsos.configuracoes, impressoras, arquivos};
        const Entrega valor{QStringLiteral("***10,00"), QStringLiteral("(DEZ REAIS)"), QStringLiteral("15/03/2025")};
        QtClipboardService clipboard;
        std::vector<std::unique_ptr<QWidget>> janelas;
        janelas.push_back(std::make_unique<frmData>(servicos, false));
        janelas.push_back(std::make_unique<frmRegra>(servicos, &impressoras));
        janelas.push_back(std::make_unique<frmPeso>(servicos));
        janelas.push_back(std::make_unique<frmJuro>(servicos));
        // The advanced interest window, the converter and the documents (with their printer
        // choice) open in Portuguese only.
        if (idioma == 1) {
            janelas.push_back(std::make_unique<frmJuro2>(servicos, [](const Entrega&) {}));
            janelas.push_back(std::make_unique<frmConverte>(servicos, clipboard));
            janelas.push_back(std::make_unique<frmCheque>(documentos, valor));
            janelas.push_back(std::make_unique<frmPromissoria>(documentos, valor));
            janelas.push_back(
                std::make_unique<frmImp>(falsos.configuracoes, impressoras, falsos.mensagens, nullptr));
        }
        for (const auto& janela : janelas)
            verificarJanela(*janela, idioma);
    }
}

}  // namespace
