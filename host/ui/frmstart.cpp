#include "host/ui/frmstart.h"

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

    // A strip of paper tape with its total block, the program's emblem.
    const QRect fita(24, 22, 70, 106);
    p.fillRect(fita, QColor(0xFA, 0xF7, 0xEC));
    p.setPen(QColor(0x80, 0x80, 0x80));
    for (int y = fita.top() + 14; y < fita.bottom() - 22; y += 12)
        p.drawLine(fita.left() + 10, y, fita.right() - 10, y);
    p.setPen(QPen(QColor(0x1F, 0x3A, 0x68), 2));
    p.drawLine(fita.left() + 8, fita.bottom() - 18, fita.right() - 8, fita.bottom() - 18);
    p.drawLine(fita.left() + 8, fita.bottom() - 14, fita.right() - 8, fita.bottom() - 14);

    QFont titulo(QStringLiteral("Liberation Sans"));
    titulo.setPixelSize(40);
    titulo.setBold(true);
    p.setFont(titulo);
    p.setPen(Qt::white);
    p.drawText(QRect(110, 0, kLargura - 120, kAltura), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Tarvelo"));
}

}  // namespace tarvelo
