#include "host/texto.h"

#include "host/globais.h"
#include "platform/fileio.h"
#include "platform/qttranslations.h"
#include "resources/catalogo.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tarvelo {
namespace {

// Each placeholder is found in the catalogue's text before any is filled, and they are
// filled from the last one back: a value that holds a placeholder's character (a "Ž" in a
// file name) is never taken for the next placeholder.
void preencher(QString& text, const std::array<std::pair<QChar, const QString*>, 3>& valores)
{
    std::array<std::pair<qsizetype, const QString*>, 3> lugares{};
    for (std::size_t i = 0; i < valores.size(); ++i)
        lugares[i] = {text.indexOf(valores[i].first), valores[i].second};
    std::sort(lugares.begin(), lugares.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [at, valor] : lugares)
        if (at >= 0)
            text.replace(at, 1, *valor);
}

// The reasons a user meets when a file cannot be read or saved, by errno; any other is
// named by its code ("ELOOP") in a sentence of the interface language, where the system's
// own words would come in the system's language.
QString motivoNoIdioma(int erro)
{
    static constexpr std::pair<int, int> kMotivos[] = {
        {ENOSPC, 1131}, {EROFS, 1132},        {EACCES, 1133}, {EPERM, 1133},  {ENOENT, 1134},
        {EISDIR, 1135}, {ENAMETOOLONG, 1136}, {EDQUOT, 1137}, {EFBIG, 1138},  {ENOTDIR, 1139},
        {EIO, 1149},    {EWOULDBLOCK, 1147},  {kNotRegularFile, 1146},
    };
    for (const auto& [codigo, topico] : kMotivos) {
        if (codigo == erro)
            return fTexto(topico);
    }
    const char* nome = ::strerrorname_np(erro);
    return fTexto(1148, nome ? QString::fromLatin1(nome) : QString::number(erro));
}

}  // namespace

QString fTexto(int topic, const QString& a1, const QString& a2, const QString& a3)
{
    QString text = catalogo().value(topic * 10 + globais().gIdioma);
    // Line breaks first, so that "|" inside an argument survives.
    text.replace(QLatin1Char('|'), QLatin1String("\r\n"));
    preencher(text, {{{QChar(0x008D), &a1}, {QChar(0x017D), &a2}, {QChar(0x008F), &a3}}});
    return text;
}

void traduzirDialogos(int idioma)
{
    static const char* const kLocais[] = {"pt_BR", "en", "es", "fr"};
    const int indice = idioma >= 1 && idioma <= 4 ? idioma - 1 : 0;
    useQtTranslations(QString::fromLatin1(kLocais[indice]));
    setSystemErrorWording(motivoNoIdioma);
}

}  // namespace tarvelo
