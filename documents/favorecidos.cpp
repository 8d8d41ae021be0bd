#include "documents/favorecidos.h"

#include "host/globais.h"
#include "platform/ansi.h"
#include "platform/fileio.h"

#include <QRegularExpression>

namespace tarvelo {
namespace {

constexpr qint64 kTamanhoMaximo = 4 * 1024 * 1024;

// The file as far as it is read: a huge one is cut at the limit (and known to be cut).
FileRead lerArquivo(const QString& caminho)
{
    FileRead lido = readRegularFile(caminho, kTamanhoMaximo, Oversize::KeepHead);
    if (lido.status == FileRead::Status::TooLarge)
        lido.bytes.truncate(kTamanhoMaximo);
    return lido;
}

bool legivel(const FileRead& lido)
{
    return lido.status != FileRead::Status::Unreadable;
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
    const FileRead lido = lerArquivo(caminho);
    return legivel(lido) ? linhasDe(lido.bytes) : QStringList();
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
    const FileRead lido = lerArquivo(caminho);
    if (!legivel(lido))
        return false;
    if (linhasDe(lido.bytes).contains(favorecido))
        return true;
    QByteArray linha = toAnsi(favorecido) + "\r\n";
    const bool semFimDeLinha = lido.ok() && !lido.bytes.isEmpty()
                               && !lido.bytes.endsWith('\n') && !lido.bytes.endsWith('\r');
    if (semFimDeLinha)
        linha.prepend("\r\n");
    return appendToFile(caminho, linha).ok();
}

}  // namespace tarvelo
