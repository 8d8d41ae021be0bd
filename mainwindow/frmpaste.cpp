#include "mainwindow/frmpaste.h"

#include "platform/keystrokes.h"

#include <QBitmap>
#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QWindow>

namespace tarvelo {
namespace {

constexpr int kLado = 16;  // 240 twips
constexpr int kMeio = kLado / 2;

// Three stacked pages with an arrow pointing at them, hot spot at (20, 15).
QCursor cursorColar()
{
    QBitmap imagem(32, 32);
    imagem.fill(Qt::color0);
    QBitmap mascara(32, 32);
    mascara.fill(Qt::color0);
    QPainter pi(&imagem);
    QPainter pm(&mascara);
    for (int i = 2; i >= 0; --i) {
        const QRect pagina(14 + 3 * i, 9 + 3 * i, 11, 13);
        pm.fillRect(pagina, Qt::color1);
        pi.fillRect(pagina.adjusted(1, 1, -1, -1), Qt::color0);
        pi.setPen(Qt::color1);
        pi.drawRect(pagina.adjusted(0, 0, -1, -1));
    }
    const QPolygon seta({{20, 15}, {9, 4}, {12, 4}, {20, 12}});
    pm.setPen(Qt::color1);
    pm.setBrush(Qt::color1);
    pm.drawPolygon(seta);
    pi.setPen(Qt::color1);
    pi.setBrush(Qt::color1);
    pi.drawPolygon(seta);
    pi.end();
    pm.end();
    return QCursor(imagem, mascara, 20, 15);
}

void deixarEventosRodarem()
{
    QApplication::processEvents();
}

}  // namespace

frmPaste::frmPaste(KeystrokeService& teclas, QWidget* dono)
    : QWidget(dono, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                        | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus),
      teclas_(teclas)
{
    setObjectName(QStringLiteral("frmPaste"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setCursor(cursorColar());
    Timer2.setInterval(10);
    connect(&Timer2, &QTimer::timeout, this, &frmPaste::Timer2_Timer);
    Timer1.setInterval(1000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &frmPaste::Timer1_Timer);
    Form_Load();
}

frmPaste* frmPaste::Show(KeystrokeService& teclas, QWidget* dono)
{
    auto* janela = new frmPaste(teclas, dono);
    // Modal by hand: Qt's own modality would hand this window the keyboard focus, which
    // must stay with the program the user is about to paste into.
    qApp->installEventFilter(janela);
    janela->show();
    return janela;
}

void frmPaste::ShowModal(KeystrokeService& teclas, QWidget* dono)
{
    QPointer<frmPaste> janela = Show(teclas, dono);
    QEventLoop laco;
    while (janela && janela->isVisible())
        laco.processEvents(QEventLoop::WaitForMoreEvents);
}

void frmPaste::Form_Load()
{
    resize(kLado, kLado);
    // Above the screen until the first tick places it on the pointer.
    move(0, -kLado);
    Timer2.start();
}

void frmPaste::Timer2_Timer()
{
    move(QCursor::pos() - QPoint(kMeio, kMeio));
}

void frmPaste::mouseMoveEvent(QMouseEvent*)
{
    Timer2_Timer();
}

void frmPaste::mousePressEvent(QMouseEvent*)
{
    Form_MouseDown();
}

void frmPaste::Form_MouseDown()
{
    // Hidden, the window ends its modal display; the click after it reaches the field below.
    Timer2.stop();
    qApp->removeEventFilter(this);
    hide();
    Timer1.start();
}

void frmPaste::Timer1_Timer()
{
    Timer1.stop();
    teclas_.sendKeys(QStringLiteral("{HOME}"));
    deixarEventosRodarem();
    teclas_.sendKeys(QStringLiteral("+{END}"));
    deixarEventosRodarem();
    teclas_.sendKeys(QStringLiteral("^V"));
    close();
}

bool frmPaste::eventFilter(QObject* alvo, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return alvo != this && alvo != static_cast<QObject*>(windowHandle());
    default:
        return false;
    }
}

void frmPaste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().windowText().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarvelo
