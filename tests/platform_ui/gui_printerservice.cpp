#include "platform/ui/qtprinterservice.h"

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

QPicture windowImage()
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, 658, 277), Qt::white);
    painter.setFont(QFont(QStringLiteral("Courier New"), 10));
    painter.drawText(QPoint(454, 20), QStringLiteral("***1.234,56"));
    painter.end();
    return picture;
}

TEST(QtPrinterService, EachFormIsOneJobOfOnePageOnTheChosenPrinter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.pdf"));
    QtPrinterService service = QtPrinterService::pdf(path);

    ASSERT_EQ(service.printers().size(), 1);
    EXPECT_FALSE(service.setCurrentPrinter(QStringLiteral("pdf")));  // names match exactly
    EXPECT_TRUE(service.trackDefault());
    EXPECT_TRUE(service.setCurrentPrinter(QStringLiteral("PDF")));
    EXPECT_FALSE(service.trackDefault());
    EXPECT_EQ(service.currentPrinter(), QStringLiteral("PDF"));

    ASSERT_TRUE(service.printForm(windowImage()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    EXPECT_EQ(pdf.count(page), 1);
}

}  // namespace
