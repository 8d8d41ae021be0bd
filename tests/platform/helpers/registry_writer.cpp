// A second running copy for the registry tests: writes `count` settings named
// <prefix>0, <prefix>1, ... into section "Conf" of the registry in <folder>, starting
// when the file <go> appears so that several copies write at the same time.
//
//   registry_writer <folder> <prefix> <count> <go>

#include "platform/registry.h"
#include "platform/settings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: registry_writer <folder> <prefix> <count> <go>\n");
        return 2;
    }
    const QDeadlineTimer deadline(20000);
    while (!QFileInfo::exists(args[4])) {
        if (deadline.hasExpired())
            return 3;
        QThread::msleep(1);
    }
    tarvelo::Registry registry(args[1]);
    tarvelo::SettingsStore settings(registry);
    const int count = args[3].toInt();
    for (int i = 0; i < count; ++i) {
        if (!settings.SaveSetting(QStringLiteral("Conf"), args[2] + QString::number(i), QString::number(i))) {
            std::fprintf(stderr, "registry_writer: setting %d not saved\n", i);
            return 1;
        }
    }
    return 0;
}
