#include "platform/ui/textprinter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct Pdf {
    QByteArray bytes;
    int pages() const
    {
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
        return static_cast<int>(QString::fromLatin1(bytes).count(page));
    }
    // The base names of the fonts the document embeds, without their subset prefix.
    QStringList fonts() const
    {
        static const QRegularExpression font(QStringLiteral("/BaseFont\\s*/(?:[A-Z]{6}\\+)?([^\\s/>]+)"));
        QStringList names;
        for (const auto& m : font.globalMatch(QString::fromLatin1(bytes)))
            names << m.captured(1);
        names.removeDuplicates();
        return names;
    }
};

Pdf print(const QString& text, int points)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tape.pdf");
    QtTextPrinter printer = QtTextPrinter::pdf(path);
    EXPECT_TRUE(printer.available());
    EXPECT_TRUE(printer.printText(text, QStringLiteral("Courier New"), points));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return {f.readAll()};
}

QString tape(int lines)
{
    QString text = QStringLiteral("\r\n\r\n");
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("%1 ×\r\n").arg(i * 1.25, 24, 'f', 2);
    return text;
}

TEST(QtTextPrinter, TheTapeIsPrintedInAMonospaceStandInForCourierNew)
{
    const Pdf pdf = print(tape(20), 10);
    ASSERT_TRUE(pdf.bytes.startsWith("%PDF"));
    EXPECT_EQ(pdf.pages(), 1);
    const QStringList fonts = pdf.fonts();
    ASSERT_EQ(fonts.size(), 1) << fonts.join(' ').toStdString();
    EXPECT_TRUE(fonts[0].contains("Mono") || fonts[0].contains("Courier")) << fonts[0].toStdString();
}

TEST(QtTextPrinter, LongTapesFlowOntoMorePagesTheLargerTheFont)
{
    const QString text = tape(200);
    const int small = print(text, 8).pages();
    const int large = print(text, 12).pages();
    EXPECT_GE(small, 2);
    EXPECT_GT(large, small);
}

TEST(QtTextPrinter, AFileThatCannotBeWrittenIsAFailedJob)
{
    QtTextPrinter printer = QtTextPrinter::pdf(QStringLiteral("/nonexistent-folder/tape.pdf"));
    EXPECT_FALSE(printer.printText(tape(3), QStringLiteral("Courier New"), 10));
}

}  // namespace
