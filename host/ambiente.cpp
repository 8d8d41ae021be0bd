#include "host/ambiente.h"

#include "host/texto.h"
#include "platform/datetext.h"
#include "platform/fileio.h"
#include "platform/numbertext.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace tarvelo {

int idiomaDoLangID(quint16 langId)
{
    struct Regra {
        std::array<const char*, 4> finais;
        int idioma;
    };
    static constexpr std::array<Regra, 3> regras = {{
        {{"416", "816", nullptr, nullptr}, 1},
        {{"c0a", "80a", "40a", "00a"}, 3},
        {{"40c", "80c", "c0c", "00c"}, 4},
    }};
    const QString hex = QString::number(langId, 16);
    const QString fim = hex.right(3);
    for (const Regra& regra : regras) {
        for (const char* final : regra.finais) {
            if (final && fim == QLatin1String(final))
                return regra.idioma;
        }
    }
    return 2;
}

int escolherIdioma(const QString& idiomaGuardado, quint16 langId)
{
    if (const auto valor = numberValue(idiomaGuardado)) {
        if (const auto inteiro = toInteger(*valor); inteiro && *inteiro >= 1 && *inteiro <= 4)
            return *inteiro;
    }
    return idiomaDoLangID(langId);
}

QString fFormatoData(const LocaleInfo& locale)
{
    const QString texto = shortDate(QDate(2000, 12, 31), locale);
    return texto.startsWith(QLatin1String("31")) ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("mm/dd/yyyy");
}

QString pastaDados(const QProcessEnvironment& ambiente)
{
    QString pasta;
    const QString propria = ambiente.value(QStringLiteral("TARVELO_HOME"));
    const QString xdg = ambiente.value(QStringLiteral("XDG_DATA_HOME"));
    if (!propria.isEmpty()) {
        pasta = QFileInfo(propria).absoluteFilePath();
    } else if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        pasta = QDir(xdg).filePath(QStringLiteral("tarvelo"));
    } else {
        QString casa = ambiente.value(QStringLiteral("HOME"));
        if (casa.isEmpty())
            casa = QDir::homePath();
        pasta = QDir(casa).filePath(QStringLiteral(".local/share/tarvelo"));
    }
    pasta = QDir::cleanPath(pasta);
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

void definirIdioma(Globais& g, const QString& idiomaGuardado, quint16 langId)
{
    g.gIdioma = escolherIdioma(idiomaGuardado, langId);
    traduzirDialogos(g.gIdioma);
}

void carregarAmbiente(Globais& g, const EntradaAmbiente& entrada)
{
    g.gPastaApp = pastaDados(entrada.ambiente);
    // The tape and the payees are the user's alone. A folder that cannot be made so is
    // reported by the first file that fails to be written there; the start itself goes on.
    makePrivateFolder(g.gPastaApp);
    if (!entrada.caminhoExe.isEmpty())
        g.gNomeExe = QFileInfo(entrada.caminhoExe).fileName();

    LocaleInfo locale = currentLocale();
    if (fixDecimalSymbolClash(locale))
        setCurrentLocale(locale);

    g.gFormatoData = fFormatoData(locale);
    g.gPlataforma = 2;
    g.gLangID = locale.languageId;
    definirIdioma(g, entrada.idiomaGuardado, g.gLangID);
    g.gDecimal = QString(locale.decimalSymbol);
    g.gChaveWindows = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
}

}  // namespace tarvelo
