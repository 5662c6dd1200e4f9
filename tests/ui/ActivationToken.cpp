// Asks the Wayland compositor for an xdg-activation token the way a launcher does: from a
// window of its own that has the keyboard, with the serial of that focus. Prints the token,
// then keeps its window, and so the focus, until it is ended. Usage: activation_token
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Client {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    xdg_wm_base* shell = nullptr;
    xdg_activation_v1* activation = nullptr;
    bool configured = false;
    bool focused = false;
    std::uint32_t focusSerial = 0;
    std::string token;
};

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    auto* client = static_cast<Client*>(data);
    const auto bind = [&](const wl_interface* wanted) {
        return std::strcmp(interface, wanted->name) == 0
                   ? wl_registry_bind(registry, name, wanted, 1)
                   : nullptr;
    };
    if (void* bound = bind(&wl_compositor_interface))
        client->compositor = static_cast<wl_compositor*>(bound);
    else if (void* bound = bind(&wl_shm_interface))
        client->shm = static_cast<wl_shm*>(bound);
    else if (void* bound = bind(&wl_seat_interface))
        client->seat = static_cast<wl_seat*>(bound);
    else if (void* bound = bind(&xdg_wm_base_interface))
        client->shell = static_cast<xdg_wm_base*>(bound);
    else if (void* bound = bind(&xdg_activation_v1_interface))
        client->activation = static_cast<xdg_activation_v1*>(bound);
}
void GlobalRemoved(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener registryListener{Global, GlobalRemoved};

void Ping(void*, xdg_wm_base* shell, std::uint32_t serial) {
    xdg_wm_base_pong(shell, serial);
}
const xdg_wm_base_listener shellListener{Ping};

void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    static_cast<Client*>(data)->configured = true;
}
const xdg_surface_listener surfaceListener{SurfaceConfigure};

void ToplevelConfigure(void*, xdg_toplevel*, std::int32_t, std::int32_t, wl_array*) {}
void ToplevelClose(void*, xdg_toplevel*) {}
const xdg_toplevel_listener toplevelListener{ToplevelConfigure, ToplevelClose, nullptr, nullptr};

void Keymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) {
    close(fd);
}
void Enter(void* data, wl_keyboard*, std::uint32_t serial, wl_surface*, wl_array*) {
    auto* client = static_cast<Client*>(data);
    client->focused = true;
    client->focusSerial = serial;
}
void Leave(void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
    static_cast<Client*>(data)->focused = false;
}
void Key(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void Modifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
               std::uint32_t) {}
const wl_keyboard_listener keyboardListener{Keymap, Enter, Leave, Key, Modifiers, nullptr};

void TokenDone(void* data, xdg_activation_token_v1*, const char* token) {
    static_cast<Client*>(data)->token = token;
}
const xdg_activation_token_v1_listener tokenListener{TokenDone};

// A plain white buffer: a surface without one is never mapped, and so never focused.
wl_buffer* WhiteBuffer(wl_shm* shm, int side) {
    const int stride = side * 4;
    const int size = stride * side;
    const int fd = memfd_create("activation-token", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0)
        return nullptr;
    void* pixels = mmap(nullptr, std::size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED)
        return nullptr;
    std::memset(pixels, 0xff, std::size_t(size));
    munmap(pixels, std::size_t(size));
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, side, side, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

bool DispatchUntil(wl_display* display, const bool& done) {
    while (!done)
        if (wl_display_dispatch(display) < 0)
            return false;
    return true;
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fputs("activation_token: no Wayland display\n", stderr);
        return 1;
    }
    Client client;
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &client);
    wl_display_roundtrip(display);
    if (!client.compositor || !client.shm || !client.seat || !client.shell || !client.activation) {
        std::fputs("activation_token: the compositor lacks xdg-activation or a seat\n", stderr);
        return 1;
    }
    xdg_wm_base_add_listener(client.shell, &shellListener, &client);
    wl_keyboard_add_listener(wl_seat_get_keyboard(client.seat), &keyboardListener, &client);

    wl_surface* surface = wl_compositor_create_surface(client.compositor);
    xdg_surface* shellSurface = xdg_wm_base_get_xdg_surface(client.shell, surface);
    xdg_surface_add_listener(shellSurface, &surfaceListener, &client);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(shellSurface);
    xdg_toplevel_add_listener(toplevel, &toplevelListener, &client);
    xdg_toplevel_set_title(toplevel, "activation-token");
    wl_surface_commit(surface);
    if (!DispatchUntil(display, client.configured))
        return 1;
    wl_surface_attach(surface, WhiteBuffer(client.shm, 64), 0, 0);
    wl_surface_commit(surface);
    if (!DispatchUntil(display, client.focused))
        return 1;

    xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(client.activation);
    xdg_activation_token_v1_add_listener(request, &tokenListener, &client);
    xdg_activation_token_v1_set_serial(request, client.focusSerial, client.seat);
    xdg_activation_token_v1_set_surface(request, surface);
    xdg_activation_token_v1_commit(request);
    while (client.token.empty())
        if (wl_display_dispatch(display) < 0)
            return 1;
    std::printf("%s\n", client.token.c_str());
    std::fflush(stdout);
    while (wl_display_dispatch(display) >= 0) {
    }
    return 0;
}
