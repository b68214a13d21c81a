#pragma once
// How a window stands on the screen. The league keeps the scoreboard's, so that the next game's
// scoreboard opens as the last one was left; the view reports and takes it.

#include <cstdint>

namespace zelvano {

enum class WindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

}  // namespace zelvano
