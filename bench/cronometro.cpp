// The stopwatch of bench/startup.sh: starts a program and times, from X events alone, when
// its window of a given title is mapped and when that window is first drawn into (its first
// damage), counted from the moment before exec. Then reads the program's resident memory
// once it has settled, and ends it.
//
//   cronometro TITLE PROGRAM [ARG...]
//
// Prints "<ms to first damage> <ms to map> <resident kB>". Expects no window manager: a
// top-level window is a child of the root window, so the root's substructure events show
// every creation and map.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <poll.h>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Relogio = std::chrono::steady_clock;
constexpr double kPrazoMs = 30000;

double msDesde(Relogio::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Relogio::now() - t0).count();
}

xcb_atom_t atomo(xcb_connection_t* c, const char* nome)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(nome), nome), nullptr), &std::free);
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string titulo(xcb_connection_t* c, xcb_window_t janela, xcb_atom_t propriedade, xcb_atom_t tipo)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, janela, propriedade, tipo, 0, 1024), nullptr), &std::free);
    if (!r)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       xcb_get_property_value_length(r.get()));
}

long residenteKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string linha; std::getline(status, linha);)
        if (linha.rfind("VmRSS:", 0) == 0)
            return std::strtol(linha.c_str() + 6, nullptr, 10);
    return 0;
}

int falha(const char* motivo, pid_t pid = 0)
{
    std::fprintf(stderr, "cronometro: %s\n", motivo);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return falha("usage: cronometro TITLE PROGRAM [ARG...]");
    const std::string procurado = argv[1];

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return falha("no display");
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return falha("the X server has no Damage extension");
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, raiz, XCB_CW_EVENT_MASK, &mascara);
    const xcb_atom_t netWmName = atomo(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atomo(c, "UTF8_STRING");
    xcb_flush(c);

    pid_t pid = 0;
    const Relogio::time_point t0 = Relogio::now();
    if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0)
        return falha("the program cannot be started");

    // Each new top-level window gets a damage object at once, before its client can draw.
    std::set<xcb_window_t> comDano;
    xcb_window_t alvo = XCB_WINDOW_NONE;
    double msMapa = 0;
    double msDano = 0;
    pollfd conexao = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (msDano == 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> e(xcb_poll_for_event(c), &std::free);
        if (!e) {
            if (xcb_connection_has_error(c))
                return falha("the display connection broke", pid);
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return falha("the program ended before its window was drawn");
            if (msDesde(t0) > kPrazoMs)
                return falha("no drawn window within the time allowed", pid);
            poll(&conexao, 1, 100);
            continue;
        }
        const double agora = msDesde(t0);
        const uint8_t tipo = e->response_type & 0x7f;
        if (tipo == XCB_CREATE_NOTIFY) {
            const auto* criada = reinterpret_cast<xcb_create_notify_event_t*>(e.get());
            if (criada->parent == raiz) {
                xcb_damage_create(c, xcb_generate_id(c), criada->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                comDano.insert(criada->window);
                xcb_flush(c);
            }
        } else if (tipo == XCB_MAP_NOTIFY && alvo == XCB_WINDOW_NONE) {
            const xcb_window_t janela = reinterpret_cast<xcb_map_notify_event_t*>(e.get())->window;
            std::string nome = titulo(c, janela, netWmName, utf8);
            if (nome.empty())
                nome = titulo(c, janela, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            if (nome == procurado && comDano.count(janela)) {
                alvo = janela;
                msMapa = agora;
            }
        } else if (tipo == damage->first_event + XCB_DAMAGE_NOTIFY && alvo != XCB_WINDOW_NONE) {
            if (reinterpret_cast<xcb_damage_notify_event_t*>(e.get())->drawable == alvo)
                msDano = agora;
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long kb = residenteKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    std::printf("%.1f %.1f %ld\n", msDano, msMapa, kb);
    return 0;
}
