// The GAME Pack source file in the report area: Edit > Create GAME Pack
// Source File, File > Open GAME Pack Source File, File > Save GAME Pack
// Source File.

#include "Dialogs.h"
#include "Group.h"
#include "MergerCommands.h"
#include "PackSourceLines.h"
#include "TextFormat.h"
#include "files/TextLines.h"
#include "files/WholeFile.h"

namespace packwell::pack {

void createPackSource(MergerSession& s)
{
    s.dialogFolder = s.platform.workingFolder();
    for (;;) {
        std::optional<std::string> chosen =
            chooseFileToOpen(s, "Select a file with GROUP's extension to Pack...");
        if (!chosen) return;
        // The working folder is now the chosen file's folder; it is written
        // as the dialog gave it (the system's name for the current folder
        // would resolve symbolic links).
        s.dialogFolder = replaceAll(platform::folderOf(*chosen), ' ', '_');
        std::optional<std::string> pattern = groupPattern(*chosen);
        std::optional<std::string> extension = groupExtension(*chosen);
        if (!pattern || !extension) {
            s.tell(Severity::Error, kNoExtensionMessage);
            return;
        }
        s.report.appendLine(groupHeadingLine(*extension));
        for (const std::string& name : s.platform.findFiles(s.platform.workingFolder(), *pattern))
            s.report.appendLine(fileLine(*extension, s.dialogFolder, name));
        s.report.appendLine("");
        s.report.appendLine("");
    }
}

void openPackSource(MergerSession& s)
{
    platform::FileDialogRequest request;
    request.title = "Open source.";
    request.initialFolder = s.dialogFolder;
    s.openDialogTitle = request.title;
    std::optional<std::string> chosen = s.platform.openFile(request);
    if (!chosen) return;
    std::optional<std::string> text = common::readWholeFile(*chosen);
    if (!text) {
        s.tell(Severity::Error, "Error: Could not read \"" + *chosen + "\".");
        return;
    }
    s.report.setLines(common::splitLines(*text));
}

void savePackSource(MergerSession& s)
{
    platform::FileDialogRequest request;
    request.title = "Save source file.";
    request.initialFolder = s.dialogFolder;
    std::optional<std::string> chosen = s.platform.saveFile(request);
    if (!chosen) return;
    const std::error_code error = common::replaceFileAtomically(*chosen, common::joinLinesCrLf(s.report.lines()));
    if (error) s.tell(Severity::Error, "Error: Could not write \"" + *chosen + "\".");
}

}  // namespace packwell::pack
