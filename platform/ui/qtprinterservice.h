#pragma once

#include "platform/printerservice.h"

#include <QString>

class QPrinter;

namespace tarvelo {

// The system's printers through QPrinterInfo and QPrinter, or every page into one PDF
// file (for tests, and to look at what a document puts on paper).
class QtPrinterService final : public PrinterService {
public:
    QtPrinterService() = default;
    static QtPrinterService pdf(const QString& path);

    QList<PrinterInfo> printers() override;
    void setTrackDefault(bool follow) override;
    bool trackDefault() const override { return trackDefault_; }
    bool setCurrentPrinter(const QString& deviceName) override;
    QString currentPrinter() override;
    bool printForm(const QPicture& image) override;

private:
    bool trackDefault_ = true;
    QString chosen_;
    QString pdfPath_;
};

}  // namespace tarvelo
