// Another program on the X server for the X11 tests: one text field that takes the
// keyboard focus, with its whole text selected. It reports on stdout, a line each:
//   janela <window id>        once it is shown and has the focus
//   tecla <Qt key> <mods>     for every key press that reaches it
//   texto <text>              whenever its text changes
//
//   campo_texto <x> <y> <text>

#include "linha.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

class Campo final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        linha(QStringLiteral("tecla %1 %2").arg(e->key()).arg(int(e->modifiers())));
        QLineEdit::keyPressEvent(e);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    Campo campo(args[3]);
    campo.setGeometry(args[1].toInt(), args[2].toInt(), 300, 40);
    QObject::connect(&campo, &QLineEdit::textChanged, [](const QString& t) { linha(QStringLiteral("texto ") + t); });
    campo.show();
    campo.activateWindow();
    campo.selectAll();
    auto* espera = new QTimer(&campo);
    QObject::connect(espera, &QTimer::timeout, [&campo, espera] {
        if (!campo.hasFocus())
            return;
        espera->stop();
        linha(QStringLiteral("janela %1").arg(campo.winId()));
    });
    espera->start(10);
    return app.exec();
}
