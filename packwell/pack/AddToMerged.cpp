// Edit > Add File to Merged File: appends one chosen file to "Merged.dat" and
// reports the offset at which its bytes start.

#include <new>
#include <vector>

#include "Dialogs.h"
#include "FileIO.h"
#include "Group.h"
#include "MergerCommands.h"
#include "TextFormat.h"

namespace packwell::pack {
namespace {

void refuse(MergerSession& s, const std::string& message) { s.tell(Severity::Error, message); }

}  // namespace

void addFileToMerged(MergerSession& s)
{
    if (s.dialogFolder.empty()) s.dialogFolder = s.platform.workingFolder();

    // "Merged.dat" of the working folder as it stands before the dialog.
    OutputFile data;
    if (!data.openForAppend("Merged.dat")) {
        refuse(s, "Could not re-open DAT file.");
        return;
    }
    std::optional<std::string> chosen = chooseFileToOpen(s);
    if (!chosen) return;

    InputFile file;
    if (!file.open(*chosen)) {
        refuse(s, "Error trying to open file...");
        return;
    }
    // The whole file is read before anything is appended, so a file that
    // cannot be read leaves "Merged.dat" as it was (and adding "Merged.dat"
    // to itself doubles it once).
    std::vector<unsigned char> bytes;
    bool loaded = false;
    try {
        loaded = file.readRest(bytes);
    } catch (const std::bad_alloc&) {
        loaded = false;
    }
    file.close();
    if (!loaded) {
        refuse(s, "Error trying to load file...");
        return;
    }

    uint64_t offset = data.length();
    data.write(bytes.data(), bytes.size());
    data.flush();
    if (data.failed()) data.truncateTo(offset);
    if (!data.close()) {
        refuse(s, "Error: Could not write \"Merged.dat\".");
        return;
    }
    s.tell(Severity::Info, *chosen + " merged successfully!");
    s.report.appendLine("#define " + padRight(nameBeforeFirstDot(*chosen), 20) + " 0x" + hexUpper(offset, 8));
}

}  // namespace packwell::pack
