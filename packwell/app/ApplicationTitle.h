#pragma once
// The application's title: the caption of every message box of the merger.
// (The main window has its own caption.)

namespace packwell::app {

inline constexpr char kApplicationTitle[] = "Packwell";

}  // namespace packwell::app
