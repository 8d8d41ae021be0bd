#include <QApplication>
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// Unit tests run without a display; gui and x11 tests get a QApplication on the
// platform their CTest environment names.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (std::getenv("QT_QPA_PLATFORM"))
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
