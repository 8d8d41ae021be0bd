#include "controls/demowindow.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

// Shows the demo window and rests the pointer on the "Hovered" button, so that a
// screenshot shows every look at once.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tarvelo::DemoWindow window;
    window.move(0, 0);
    window.show();
    window.pressKeys();
    QTimer::singleShot(500, &window, [&window] {
        QCursor::setPos(window.hovered->mapToGlobal(QPoint(20, 11)));
    });
    return app.exec();
}
