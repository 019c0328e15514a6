#pragma once
// The application's title: the program's name on the desktop and the caption
// of every message box it shows.

namespace scrivel::app {

inline constexpr const char* ApplicationTitle = "\"Varkel Osti\" Script Editor";

}  // namespace scrivel::app
