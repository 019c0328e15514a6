#pragma once
// The script editor's commands, as plain code over EditorState, the windows'
// EditorView and the platform. The desktop program's menu items and events
// call these; so does the command-line twin.

#include <functional>
#include <string>

#include "EditorState.h"
#include "EditorView.h"
#include "HexModel.h"
#include "Message.h"
#include "NewScriptFiles.h"
#include "platform/Platform.h"

namespace scrivel::editor {

class EditorCommands {
public:
    EditorCommands(EditorState& state, HexModel& hex, EditorView& view, platform::Platform& platform);

    // Starts the session: captures startFolder and gives the screen its
    // picture. Returns false (after the fatal message and a close request)
    // when memory runs out.
    bool initialise(int screenWidth = render::ScreenWidth, int screenHeight = render::ScreenHeight);

    void openRom();       // File > Open ROM File
    void loadDataFile();  // File > Load Text Block Data File
    bool saveTextFile();  // File > Save Text File; false when nothing was saved
    // File > Build Translated ROM...: offers unsaved script text for saving
    // as a block change does, asks where the translated ROM goes, then
    // builds it with its IPS and BPS patches beside it and shows the report.
    // On any error the message is shown and nothing is written.
    void buildTranslatedRom();
    // The user picked the block list's selected entry (or the program did).
    void selectBlock();
    // The user picked the string list's selected entry (or the program did).
    // With the translation shown, the string list takes the keyboard focus
    // only when takeFocus is set (the user's own pick); the ROM's string
    // always gives the list the focus.
    void selectString(bool takeFocus);
    void toggleTranslatedText();  // View > Display Translated Text
    void toggleHideCodes();       // View > Hide Control Codes
    void toggleVariableWidth();   // View > Use VWF Routine
    // Status panel 2: whether the current string's section fits, while the
    // translation is shown (empty otherwise).
    void showFit();
    // The text editor's text or size changed.
    void textEditorChanged();
    // Searches the text editor for searchText (see markerSearch) and keeps
    // the line found in foundLine.
    void findSearchText();
    // The program is about to end: unsaved script text is offered for saving
    // first. Returns false when the program must stay open: the user chose
    // Cancel, or chose Yes and the save failed.
    bool confirmExit();
    // The program ends: the ROM image and the screen picture are let go.
    void endSession();
    // File > Create All Script Files: the script file of every block of the
    // data file, written into folder (the Dumps folder when empty); files
    // that exist are kept as they are. A failure is told as an error.
    ScriptFilesReport createAllScriptFiles(const std::string& folder = {}, const ScriptFilesProgress& progress = {});

    // A top-level render of the current string in the format's cell.
    void renderCurrentString();

    // The text the marker search looks for.
    std::string searchText;
    // The folder the program started in: the ROM dialog opens there.
    std::string startFolder;
    // With no text editor window (the command-line twin) this is false:
    // Open ROM makes no Dumps folder and block selection leaves the editor's
    // text alone instead of switching to the block's script file.
    bool scriptFilesEnabled = true;
    // A table file read in place of the one the data file's ".TABLE" line
    // names (the command-line twin's --table); empty: the data file's own.
    std::string tableFile;

    // Every message shown to the user also goes here, with its severity.
    void setMessageObserver(std::function<void(Severity, const std::string&)> observer)
    {
        observer_ = std::move(observer);
    }
    // The gravest severity of the messages shown so far (Info when none).
    Severity worstSeverity() const { return worst_; }

    EditorState& state() { return state_; }
    HexModel& hex() { return hex_; }

private:
    bool switchScriptFile();
    bool offerToSaveText();
    void showTranslationOf(int stringNumber, bool takeFocus);
    void dropScriptFile(const std::string& message);
    void tell(Severity severity, const std::string& text);

    EditorState& state_;
    HexModel& hex_;
    EditorView& view_;
    platform::Platform& platform_;
    // What the open-file dialog, shared by the ROM and the data file, holds
    // between commands.
    std::string openDialogFileName_;
    std::string openDialogFolder_;
    std::function<void(Severity, const std::string&)> observer_;
    Severity worst_ = Severity::Info;
};

}  // namespace scrivel::editor
