#pragma once

// A recording stand-in for the system's printers: installed printers and the default are
// set by the test, every page printed is kept as an image and as the texts it draws.

#include "platform/printerservice.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QStringList>

#include <climits>
#include <vector>

namespace tarvelo::teste {

// The texts a picture draws, in drawing order: what a printed page says, without reading
// it back from pixels.
inline QStringList textosDesenhados(const QPicture& imagem)
{
    struct Motor final : QPaintEngine {
        QStringList textos;
        Motor() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { textos << item.text(); }
        Type type() const override { return User; }
    };
    struct Folha final : QPaintDevice {
        mutable Motor motor;
        QPaintEngine* paintEngine() const override { return &motor; }
        int metric(PaintDeviceMetric m) const override
        {
            switch (m) {
            case PdmWidth:
            case PdmHeight: return 10000;
            case PdmWidthMM:
            case PdmHeightMM: return 2646;
            case PdmNumColors: return INT_MAX;
            case PdmDepth: return 32;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
            default: return 96;  // the resolutions
            }
        }
    };
    Folha folha;
    QPainter pintor(&folha);
    pintor.drawPicture(0, 0, imagem);
    pintor.end();
    return folha.motor.textos;
}

struct ImpressoraFalsa : PrinterService {
    struct Trabalho {
        QString impressora;
        QImage pagina;
        QStringList textos;
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
        trabalhos.push_back({currentPrinter(), pagina, textosDesenhados(imagem)});
        return true;
    }

    bool seguir = true;
    QString escolhida;
};

}  // namespace tarvelo::teste
