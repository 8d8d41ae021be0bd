#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Unit tests run without a display; gui and x11 tests get a QApplication on the
// platform their CTest environment names. Either application sets the C library's
// locale from the environment, as the program's start does.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (std::getenv("QT_QPA_PLATFORM"))
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // A locale the environment names but the machine lacks would leave the C library in
    // "C" and hide what the users' desktops show: no test runs then.
    if (!std::setlocale(LC_ALL, "")) {
        std::fprintf(stderr, "The locale the environment names is missing here; scripts/deps.sh generates it.\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
