#pragma once
// The application's title: the caption of every message box of the merger.
// (The main window has its own caption.)

inline constexpr char kApplicationTitle[] = "Packwell";
