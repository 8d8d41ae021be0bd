// A bare Qt window of the calculator's size: the yardstick of bench/startup.sh.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget janela;
    janela.setWindowTitle(QStringLiteral("Janela nua"));
    janela.resize(288, 490);
    janela.show();
    return app.exec();
}
