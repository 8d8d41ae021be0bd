#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::fputs("Tarvelo: the calculator window is not built yet; run ./test.sh to check the engine.\n",
               stderr);
    return 1;
}
