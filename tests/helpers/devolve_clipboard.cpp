// A clipboard manager for the X11 tests, without a window: it keeps the texts copied and,
// when another program empties the clipboard, puts one back, as managers do that watch the
// clipboard's owner on the server. It reports on stdout, a line each:
//   pronto                    once it watches the clipboard
//   devolvido <text>          for every text it puts back
//
//   devolve_clipboard ja <text>         the text just taken, at once (the newest it saw)
//   devolve_clipboard historico <text>  its newest history entry, half a second later
// <text> is its history when it starts, and on the clipboard, as after an earlier put-back.

#include "linha.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

namespace {

// The clipboard's owner changes, as the server tells them (Qt asks for them for itself).
class Dono final : public QAbstractNativeEventFilter {
public:
    Dono(xcb_connection_t* conexao, std::function<void(xcb_window_t)> mudou) : mudou_(std::move(mudou))
    {
        std::unique_ptr<xcb_query_extension_reply_t, void (*)(void*)> xfixes(
            xcb_query_extension_reply(conexao, xcb_query_extension(conexao, 6, "XFIXES"), nullptr), std::free);
        std::unique_ptr<xcb_intern_atom_reply_t, void (*)(void*)> atomo(
            xcb_intern_atom_reply(conexao, xcb_intern_atom(conexao, 0, 9, "CLIPBOARD"), nullptr), std::free);
        if (xfixes && xfixes->present && atomo) {
            evento_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
            clipboard_ = atomo->atom;
        }
    }
    bool valido() const { return clipboard_ != XCB_NONE; }
    bool nativeEventFilter(const QByteArray& tipo, void* mensagem, qintptr*) override
    {
        const auto* e = static_cast<const xcb_generic_event_t*>(mensagem);
        if (tipo == "xcb_generic_event_t" && (e->response_type & 0x7f) == evento_) {
            const auto* n = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(e);
            if (n->selection == clipboard_)
                mudou_(n->owner);
        }
        return false;
    }

private:
    std::function<void(xcb_window_t)> mudou_;
    quint8 evento_ = 0;
    xcb_atom_t clipboard_ = XCB_NONE;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (args.size() != 3 || (args[1] != QLatin1String("ja") && args[1] != QLatin1String("historico")) || !x11)
        return 2;
    const int demora = args[1] == QLatin1String("ja") ? 0 : 500;
    QString ultimo = args[2];
    QClipboard* clipboard = QApplication::clipboard();
    bool vazio = false;
    Dono dono(x11->connection(), [&](xcb_window_t janela) {
        vazio = janela == XCB_NONE;
        if (!vazio) {
            if (!clipboard->ownsClipboard() && !clipboard->text().isEmpty())
                ultimo = clipboard->text();
            return;
        }
        QTimer::singleShot(demora, [&] {
            if (!vazio)
                return;
            vazio = false;
            clipboard->setText(ultimo);
            linha(QStringLiteral("devolvido ") + ultimo);
        });
    });
    if (!dono.valido())
        return 2;
    app.installNativeEventFilter(&dono);
    clipboard->setText(ultimo);
    linha(QStringLiteral("pronto"));
    return app.exec();
}
