// Another program's copy for bench/clipboard.sh: puts the pattern, repeated up to the given
// size, on the clipboard, says so on stdout and keeps serving it until it is ended.
//
//   donoclipboard <pattern> <characters>

#include <QClipboard>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args[1].isEmpty())
        return 2;
    const qsizetype tamanho = args[2].toLongLong();
    QString texto;
    texto.reserve(tamanho + args[1].size());
    while (texto.size() < tamanho)
        texto += args[1];
    texto.truncate(tamanho);
    QGuiApplication::clipboard()->setText(texto);
    std::puts("copiado");
    std::fflush(stdout);
    return app.exec();
}
