#include "platform/ui/qtprinterservice.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace tarvelo {
QtPrinterService QtPrinterService::pdf(const QString& path)
{
    QtPrinterService service;
    service.pdfPath_ = path;
    return service;
}

QList<PrinterInfo> QtPrinterService::printers()
{
    QList<PrinterInfo> list;
    if (!pdfPath_.isEmpty()) {
        list.append({QStringLiteral("PDF"), pdfPath_});
        return list;
    }
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        list.append({info.printerName(), info.location()});
    return list;
}

void QtPrinterService::setTrackDefault(bool follow)
{
    trackDefault_ = follow;
}

bool QtPrinterService::setCurrentPrinter(const QString& deviceName)
{
    for (const PrinterInfo& info : printers()) {
        if (info.deviceName == deviceName) {
            chosen_ = deviceName;
            trackDefault_ = false;
            return true;
        }
    }
    return false;
}

QString QtPrinterService::currentPrinter()
{
    if (!pdfPath_.isEmpty())
        return QStringLiteral("PDF");
    if (!trackDefault_ && !chosen_.isEmpty() && !QPrinterInfo::printerInfo(chosen_).isNull())
        return chosen_;
    return QPrinterInfo::defaultPrinterName();
}

bool QtPrinterService::printForm(const QPicture& image)
{
    std::unique_ptr<QPrinter> printer;
    if (pdfPath_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(currentPrinter());
        if (info.isNull())
            return false;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath_);
    }
    printer->setDocName(QStringLiteral("Tarvelo"));
    QPainter painter;
    if (!painter.begin(printer.get()))
        return false;
    // A picture plays back scaled from the screen's 96 pixels to the inch to the printer's
    // resolution, text included.
    painter.drawPicture(0, 0, image);
    return painter.end();
}

}  // namespace tarvelo
