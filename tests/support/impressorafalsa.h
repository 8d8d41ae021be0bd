#pragma once

// A recording stand-in for the system's printers: installed printers and the default are
// set by the test, every page printed is kept as an image.

#include "platform/printerservice.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

#include <vector>

namespace tarvelo::teste {

struct ImpressoraFalsa : PrinterService {
    struct Trabalho {
        QString impressora;
        QImage pagina;
    };
    QList<PrinterInfo> instaladas;
    QString padrao;  // the system default printer; "" for none
    bool recusar = false;
    std::vector<Trabalho> trabalhos;

    QList<PrinterInfo> printers() override { return instaladas; }
    void setTrackDefault(bool follow) override { seguir = follow; }
    bool trackDefault() const override { return seguir; }
    bool setCurrentPrinter(const QString& nome) override
    {
        for (const PrinterInfo& p : instaladas) {
            if (p.deviceName == nome) {
                escolhida = nome;
                seguir = false;
                return true;
            }
        }
        return false;
    }
    QString currentPrinter() override { return seguir || escolhida.isEmpty() ? padrao : escolhida; }
    bool printForm(const QPicture& imagem) override
    {
        if (recusar || currentPrinter().isEmpty())
            return false;
        const QRect limites = imagem.boundingRect();
        QImage pagina(qMax(1, limites.right() + 1), qMax(1, limites.bottom() + 1), QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter pintor(&pagina);
        pintor.drawPicture(0, 0, imagem);
        pintor.end();
        trabalhos.push_back({currentPrinter(), pagina});
        return true;
    }

    bool seguir = true;
    QString escolhida;
};

}  // namespace tarvelo::teste
