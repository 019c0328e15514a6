#pragma once
// One main window and its progress window over a scripted platform, with a
// fresh temporary folder as the working folder.

#include <QAction>
#include <filesystem>
#include <string>
#include <vector>

#include "app/MergerWindow.h"
#include "app/ProgressWindow.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

// Object names of the menu's command items, in menu order.
inline constexpr const char* kMenuItems[] = {
    "OpenGAMEPackSourceFile1", "SaveRPGPackTemplateSourceFile1", "Exit1", "AddMFile", "MergeaGroupoffiles1",
    "CreateRPGPackTemplate1", "CreateRPGPack1", "CompressagroupofFiles1", "CompressagroupofFilesRLE1",
    "FlushTextDataonForm1"};

struct GuiFixture {
    GuiFixture();

    // The menu item with this object name, or null.
    QAction* item(const char* name) const;
    // Triggers the menu item as a click on it would.
    void trigger(const char* name);
    std::vector<std::string> memoLines() { return mergerWindow.report().lines(); }
    void setMemoLines(const std::vector<std::string>& lines) { mergerWindow.report().setLines(lines); }
    std::string cwd() const { return std::filesystem::current_path().string(); }

    testing_support::TempDir dir;
    platform::ScriptedPlatform platform;
    packwell::app::MergerWindow mergerWindow{platform};
    packwell::app::ProgressWindow progressWindow;
};

// Path of a new folder inside the fixture's folder.
std::filesystem::path makeFolder(const GuiFixture& f, const std::string& name);
// Lines joined as the program writes text files: each ended by CR LF.
std::string crlfText(const std::vector<std::string>& lines);
