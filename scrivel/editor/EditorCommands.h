#pragma once
// The script editor's commands, as plain code over EditorState, the windows'
// EditorView and the platform. The desktop program's menu items and events
// call these; so does the command-line twin.

#include <string>

#include "EditorState.h"
#include "EditorView.h"
#include "HexModel.h"
#include "platform/Platform.h"

namespace scrivel {

class EditorCommands {
public:
    EditorCommands(EditorState& state, HexModel& hex, EditorView& view, platform::Platform& platform);

    // Main window creation: allocates ScreenBuffer for a Video of width x
    // height, captures StartFolder and the default window size. Returns false
    // (after the fatal message and a close request) when memory runs out.
    bool formCreate(int videoWidth, int videoHeight, int windowWidth, int windowHeight);

    void openRom();                 // File > &Open ROM File (Ctrl+O)
    void loadDataFile();            // File > Load Text Block Data File (Ctrl+F)
    bool saveTextFile();            // File > &Save Text File (Ctrl+S); false when nothing was saved
    void blockListClick();          // bListClick
    void stringListClick(bool hasSender);  // pListClick
    void toggleTranslatedText();    // View > &Display Translated Text (Ctrl+D)
    void toggleHideCodes();         // View > &Hide Control Codes (Ctrl+H)
    void toggleVwf();               // View > &Use VWF Routine (Ctrl+U)
    void textEditorChanged();       // TDMemoChange and the editor window's FormResize
    void find();                    // Find1Find with the current search text

    // A top-level render of the current string with (CellHeight, CellWidth).
    void renderCurrent();

    // The text held by Find1.
    std::string searchText;
    // The main window's StartFolder.
    std::string startFolder;
    // With no text editor window (the command-line twin) this is false:
    // Open ROM makes no Dumps folder and block selection leaves the editor's
    // text alone instead of switching to the block's script file.
    bool scriptFilesEnabled = true;

    EditorState& state() { return state_; }
    HexModel& hex() { return hex_; }

private:
    bool switchScriptFile();
    void translatedTextBranch(int stringNumber, bool hasSender);
    void dropScriptFile(const std::string& message);

    EditorState& state_;
    HexModel& hex_;
    EditorView& view_;
    platform::Platform& platform_;
    // What the shared open-file dialog Open1 holds between commands.
    std::string open1FileName_;
    std::string open1InitialFolder_;
};

}  // namespace scrivel
