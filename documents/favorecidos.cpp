#include "documents/favorecidos.h"

#include "host/globais.h"
#include "platform/ansi.h"

#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace tarvelo {
namespace {

constexpr qint64 kTamanhoMaximo = 4 * 1024 * 1024;

std::optional<QByteArray> lerBytes(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.exists())
        return QByteArray();
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    return arquivo.read(kTamanhoMaximo);
}

QStringList linhasDe(const QByteArray& bytes)
{
    static const QRegularExpression fimDeLinha(QStringLiteral("\r\n|\r|\n"));
    QStringList linhas = fromAnsi(bytes).split(fimDeLinha);
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();  // the line end of the last line starts no line of its own
    return linhas;
}

}  // namespace

QString ArquivoFavorecidos()
{
    return globais().gPastaApp + QStringLiteral("favorecidos.txt");
}

QStringList LerFavorecidos(const QString& caminho)
{
    const auto bytes = lerBytes(caminho);
    return bytes ? linhasDe(*bytes) : QStringList();
}

int BuscarFavorecido(const QStringList& linhas, const QString& digitado)
{
    const QString procurado = digitado.toUpper();
    for (int i = 0; i < linhas.size(); ++i) {
        if (linhas.at(i).startsWith(procurado))
            return i;
    }
    return -1;
}

bool AnexarFavorecido(const QString& caminho, const QString& favorecido)
{
    if (favorecido.isEmpty())
        return true;
    const auto bytes = lerBytes(caminho);
    if (!bytes)
        return false;
    if (linhasDe(*bytes).contains(favorecido))
        return true;
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray linha = toAnsi(favorecido) + "\r\n";
    if (arquivo.size() > 0 && arquivo.seek(arquivo.size() - 1)) {
        const QByteArray ultimo = arquivo.read(1);
        if (ultimo != "\n" && ultimo != "\r")
            linha.prepend("\r\n");
    }
    const bool escrito = arquivo.write(linha) == linha.size();
    return arquivo.flush() && escrito;
}

}  // namespace tarvelo
