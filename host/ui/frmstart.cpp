#include "host/ui/frmstart.h"

#include "host/ui/icone.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tarvelo {
namespace {

constexpr int kLargura = 360;
constexpr int kAltura = 150;

}  // namespace

frmStart::frmStart(std::function<void()> carregarHost, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      carregarHost_(std::move(carregarHost))
{
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kLargura, kAltura);
    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &frmStart::Timer1_Timer);
}

void frmStart::Load(bool mostrar)
{
    carregada_ = true;
    if (mostrar) {
        if (const QScreen* tela = QGuiApplication::primaryScreen())
            move(tela->availableGeometry().center() - rect().center());
        show();
    }
    Timer1.start();
}

void frmStart::Timer1_Timer()
{
    Timer1.stop();
    if (carregada_ && carregarHost_)
        carregarHost_();
}

void frmStart::Unload()
{
    Timer1.stop();
    carregada_ = false;
    hide();
}

void frmStart::closeEvent(QCloseEvent* event)
{
    // The splash has no close of its own: the calculator or the host unloads it.
    event->ignore();
}

void frmStart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor azul(0x1F, 0x3A, 0x68);
    p.fillRect(rect(), azul);
    p.setPen(QColor(0x9F, 0xB8, 0xD9));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // The program's emblem, its icon.
    p.drawImage(QPoint(24, 27), emblemaPrograma());

    QFont titulo(QStringLiteral("Liberation Sans"));
    titulo.setPixelSize(40);
    titulo.setBold(true);
    p.setFont(titulo);
    p.setPen(Qt::white);
    p.drawText(QRect(136, 0, kLargura - 146, kAltura), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tarvelo"));
}

}  // namespace tarvelo
