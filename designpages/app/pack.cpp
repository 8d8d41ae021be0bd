// tarvelo-imagelist-pack OUT PNG...: packs pictures, in the order given, into an
// image-list file at the size of the first one. The build makes the menu icons this way.
#include "controls/controlerror.h"
#include "controls/keyedimagelist.h"

#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace tarvelo;
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tarvelo-imagelist-pack OUT PICTURE...\n");
        return 2;
    }
    KeyedImageList list;
    const QImage first(args.at(2));
    list.setIconSizeX(first.width());
    list.setIconSizeY(first.height());
    if (!list.Create())
        return 1;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QImage picture(args.at(i));
        if (picture.isNull() || !list.AddFromHandle(Icon{picture, QPoint(), true}, IMAGE_ICON)) {
            std::fprintf(stderr, "%s: not a picture\n", qPrintable(args.at(i)));
            return 1;
        }
    }
    try {
        list.SaveToFile(args.at(1));
    } catch (const ControlError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), qPrintable(e.info().description));
        return 1;
    }
    return 0;
}
