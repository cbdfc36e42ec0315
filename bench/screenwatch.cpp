#include "screenwatch.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

} // namespace

ScreenWatch::ScreenWatch()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot connect to the X server in DISPLAY");
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present)
        throw std::runtime_error("the X server has no DAMAGE extension");
    m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    owned(xcb_damage_query_version_reply(
        m_connection, xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    const char pidName[] = "_NET_WM_PID";
    auto atom = owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, sizeof pidName - 1, pidName), nullptr));
    if (!atom)
        throw std::runtime_error("cannot intern _NET_WM_PID");
    m_pidAtom = atom->atom;

    // Map notifications of every top-level window, and every drawing on the
    // screen: damage on the root window covers the windows inside it.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_damage_create(m_connection, xcb_generate_id(m_connection), m_root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    auto sync = owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    if (!sync)
        throw std::runtime_error("the X server does not answer");
}

ScreenWatch::~ScreenWatch() { xcb_disconnect(m_connection); }

void ScreenWatch::drain()
{
    owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
        std::free(event);
}

std::optional<pid_t> ScreenWatch::windowPid(std::uint32_t window)
{
    auto reply = owned(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    std::uint32_t pid = 0;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return static_cast<pid_t>(pid);
}

std::optional<ScreenWatch::Window> ScreenWatch::geometryOf(std::uint32_t window)
{
    auto reply = owned(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    if (!reply)
        return std::nullopt;
    // Without a window manager a top-level window's parent is the root.
    return Window{window, reply->x, reply->y, reply->x + reply->width, reply->y + reply->height};
}

std::optional<std::chrono::steady_clock::time_point> ScreenWatch::waitForFirstPaint(
    pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    std::optional<Window> mapped;
    for (;;) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(m_connection)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !mapped) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(raw);
                if (!map->override_redirect && windowPid(map->window) == pid)
                    mapped = geometryOf(map->window);
            } else if (type == m_damageEvent && mapped) {
                // Qt's windows have no server-drawn background, so the first
                // drawing inside the window after its map is the program's.
                const auto* damage = reinterpret_cast<const xcb_damage_notify_event_t*>(raw);
                const xcb_rectangle_t& a = damage->area;
                if (a.x < mapped->right && a.x + a.width > mapped->left && a.y < mapped->bottom
                    && a.y + a.height > mapped->top)
                    return std::chrono::steady_clock::now();
            }
        }
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("lost the X server");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()) + 1);
    }
}
