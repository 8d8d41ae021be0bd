#include "platform/ui/textprinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <memory>

namespace tarvelo {

QtTextPrinter QtTextPrinter::pdf(const QString& path)
{
    QtTextPrinter printer;
    printer.pdfPath_ = path;
    return printer;
}

bool QtTextPrinter::available()
{
    return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

bool QtTextPrinter::printText(const QString& text, const QString& family, int pointSize)
{
    if (!available() || pointSize <= 0)
        return false;
    std::unique_ptr<QPrinter> printer;
    if (pdfPath_.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath_);
    }
    printer->setDocName(QStringLiteral("Tarvelo"));

    QFont font(family, pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);

    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    painter.setFont(font);
    const QFontMetrics metrics(font, printer.get());
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = printer->height();  // the printable area, where the painter starts

    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList list = lines.split(QLatin1Char('\n'));
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();  // the break that ends the last line starts no line of its own

    int y = 0;
    for (const QString& line : list) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!printer->newPage())
                return false;
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    if (!painter.end())
        return false;
    return printer->printerState() != QPrinter::Error;
}

}  // namespace tarvelo
