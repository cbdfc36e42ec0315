#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>

struct xcb_connection_t;

// Watches the whole screen of the X server in $DISPLAY from outside the
// programs it times: which top-level windows are mapped and where the
// screen is drawn on.
class ScreenWatch {
public:
    ScreenWatch();
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    // Forgets what earlier programs left in the event queue.
    void drain();

    // Blocks until a top-level window of that process is mapped and the
    // process has then drawn into it; returns that moment, or nothing when
    // the deadline passes first.
    std::optional<std::chrono::steady_clock::time_point> waitForFirstPaint(
        pid_t pid, std::chrono::steady_clock::time_point deadline);

private:
    struct Window {
        std::uint32_t id = 0;
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    std::optional<pid_t> windowPid(std::uint32_t window);
    std::optional<Window> geometryOf(std::uint32_t window);

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint32_t m_pidAtom = 0;
    std::uint8_t m_damageEvent = 0;
};
