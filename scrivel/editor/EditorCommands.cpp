#include "EditorCommands.h"

#include <cerrno>
#include <sys/stat.h>

#include "EditorTexts.h"
#include "render/Renderer.h"
#include "render/Screen.h"
#include "rom/DataFile.h"
#include "rom/RomFile.h"
#include "script/MarkerSearch.h"
#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/TextFiles.h"

namespace scrivel {

namespace {

const char* const UnsavedQuestion = "Current data not saved. Do you wish to save it?";
const char* const UnsavedCaption = "File Modified...";

}  // namespace

EditorCommands::EditorCommands(EditorState& state, HexModel& hex, EditorView& view, platform::Platform& platform)
    : state_(state), hex_(hex), view_(view), platform_(platform)
{
}

bool EditorCommands::formCreate(int videoWidth, int videoHeight, int windowWidth, int windowHeight)
{
    startFolder = platform_.workingFolder();
    state_.CurrentBlock = 0;
    if (!setupScreen(state_, videoWidth, videoHeight)) {
        platform_.showMessage("Fatal Error: Could not allocate memory!");
        view_.requestClose();
        return false;
    }
    state_.DefaultWidth = windowWidth;
    state_.DefaultHeight = windowHeight;
    return true;
}

void EditorCommands::openRom()
{
    platform::FileDialogRequest request;
    request.title = "Open ROM File";
    request.filter = "SNES ROM | *.s*c; *.fig;";
    request.initialFolder = open1InitialFolder_ = startFolder;
    request.fileName = open1FileName_;
    auto chosen = platform_.openFile(request);
    if (!chosen) return;
    open1FileName_ = *chosen;

    state_.DumpsFolder = platform_.workingFolder() + "/Dumps";
    if (scriptFilesEnabled) ::mkdir(state_.DumpsFolder.c_str(), 0777);  // most often it exists already
    state_.RomPath = *chosen;

    std::vector<uint8_t> image;
    RomReadStatus status = readRomFile(state_.RomPath, image);
    if (status == RomReadStatus::CannotOpen) {
        platform_.showMessage("Fatal Error: Could not open file!");
        return;
    }
    state_.RomImage = {};
    state_.romLoaded = false;
    if (status == RomReadStatus::OutOfMemory) {
        platform_.showMessage("Fatal Error: Could not allocate needed memory!");
        view_.requestClose();
        return;
    }
    if (!hasGameTitle(image)) {
        platform_.showMessage("Error: This is not the ROM used.\nPlease load the correct ROM.");
        return;
    }
    state_.RomImage = std::move(image);
    state_.romLoaded = true;
    platform_.showMessage("ROM loaded successfully!");
    view_.setLoadDataFileEnabled(true);

    loadDataFile();

    ListView& blocks = view_.blockList();
    if (blocks.count() >= 1) {
        blocks.select(0);
        blocks.focus();
        blockListClick();
        renderCurrent();
    }
}

void EditorCommands::loadDataFile()
{
    platform::FileDialogRequest request;
    request.title = "Open Text Block Data File";
    request.filter = "Font Format File | *.txt";
    request.initialFolder = open1InitialFolder_;
    request.fileName = open1FileName_ = std::string();
    auto chosen = platform_.openFile(request);
    if (!chosen) return;
    open1FileName_ = *chosen;

    auto bytes = readWholeFile(*chosen);
    if (!bytes) {
        platform_.showMessage("Fatal Error: Could not open FONT file!");
        return;
    }
    ListView& blocks = view_.blockList();
    blocks.clear();
    DataFileContents contents = parseDataFile(*bytes, state_.Format);
    for (size_t i = 0; i < contents.blocks.size(); ++i) {
        state_.BlockAddress[i] = contents.blocks[i].address;
        state_.BlockTextBank[i] = contents.blocks[i].textBank;
        state_.BlockStringCount[i] = contents.blocks[i].stringCount;
        blocks.add(blockEntryText(contents.blocks[i].address));
    }
    if (contents.truncated) platform_.showMessage("Only the first 256 blocks were loaded.");

    view_.setCaption(dataFileCaption(*chosen));
    blocks.select(0);
    blocks.setHint(itemsHint(blocks.count()));
    blockListClick();
    renderCurrent();
}

void EditorCommands::blockListClick()
{
    if (!state_.romLoaded) return;
    ListView& blocks = view_.blockList();
    int i = blocks.selected();
    if (i < 0 || i >= MaxBlocks) return;
    size_t b = static_cast<size_t>(i);
    state_.CurrentBlockAddress = state_.BlockAddress[b];
    state_.CurrentBlockStringCount = state_.BlockStringCount[b];
    state_.CurrentBlock = i;

    ListView& strings = view_.stringList();
    strings.clear();
    for (int n = 0; n < state_.CurrentBlockStringCount; ++n) strings.add(stringEntryText(n));

    // A failed save of unsaved text keeps that text in the editor, still marked modified.
    const bool keptUnsavedText = scriptFilesEnabled && !switchScriptFile();

    strings.select(0);
    strings.setHint(itemsHint(strings.count()));
    stringListClick(false);
    blocks.focus();
    if (!keptUnsavedText) view_.textEditor().setModified(false);
}

// Returns false when the user's unsaved text could not be saved: the editor
// then keeps it, and the path of its own file, rather than loading the new
// block's file over it.
bool EditorCommands::switchScriptFile()
{
    TextEditorView& editor = view_.textEditor();
    std::string path = scriptFileName(state_.DumpsFolder, state_.CurrentBlockAddress);
    // Asked even when the file was removed meanwhile: saving writes it again.
    if (!state_.ScriptFilePath.empty() && editor.modified()) {
        if (platform_.ask(UnsavedQuestion, UnsavedCaption, false) == platform::Answer::Yes && !saveTextFile())
            return false;
    }
    state_.ScriptFilePath = path;
    if (!fileExists(path)) {
        if (!writeFileAtomically(path, scriptTemplate(state_.CurrentBlockStringCount)).empty()) {
            dropScriptFile("Error: Could not create script file!\n" + path);
            return true;
        }
    }
    if (!editor.loadFromFile(path)) dropScriptFile("Error: Could not open script file!\n" + path);
    return true;
}

// The block's script file cannot be used: the editor is emptied and keeps no
// path, so that a later save cannot write this text over another block's file.
void EditorCommands::dropScriptFile(const std::string& message)
{
    TextEditorView& editor = view_.textEditor();
    state_.ScriptFilePath.clear();
    editor.clearText();
    editor.setModified(false);
    platform_.showMessage(message);
}

bool EditorCommands::saveTextFile()
{
    TextEditorView& editor = view_.textEditor();
    std::string error = state_.ScriptFilePath.empty()
                            ? std::string("Error: No script file is open; the text was not saved.")
                            : editor.saveToFile(state_.ScriptFilePath);
    if (!error.empty()) {
        platform_.showMessage(error);
        return false;
    }
    platform_.showMessage("Text file was saved!");
    editor.setModified(false);
    return true;
}

void EditorCommands::stringListClick(bool hasSender)
{
    if (!state_.romLoaded) return;
    ListView& strings = view_.stringList();
    int n = strings.selected();
    if (n < 0) return;
    if (state_.Checks.DTT) {
        translatedTextBranch(n, hasSender);
    } else {
        state_.CurrentString = n;
        renderCurrent();
        searchText = markerText(n);
        find();
        strings.focus();
    }
    view_.setStatusText(0, stringPositionText(state_));
}

void EditorCommands::translatedTextBranch(int stringNumber, bool hasSender)
{
    state_.CurrentString = stringNumber;
    searchText = markerText(stringNumber);
    find();
    if (hasSender) view_.stringList().focus();
    if (state_.FoundLine == -1) return;
    TextEditorView& editor = view_.textEditor();
    compileSection(editor.lineCount(), [&](int i) { return editor.line(i); }, state_.FoundLine, state_.PreviewBytes);
    RenderTargets targets{view_.screen(), hex_, view_.hexView()};
    RenderText(state_, targets, false, 16, 16);
}

void EditorCommands::find() { state_.FoundLine = markerSearch(view_.textEditor(), searchText); }

void EditorCommands::toggleTranslatedText()
{
    state_.Checks.DTT = !state_.Checks.DTT;
    stringListClick(true);
}

void EditorCommands::toggleHideCodes()
{
    state_.Checks.HideCodes = !state_.Checks.HideCodes;
    renderCurrent();
    view_.setStatusText(1, viewOptionsText(state_.Checks));
}

void EditorCommands::toggleVwf()
{
    state_.Checks.UseVWFRoutine1 = !state_.Checks.UseVWFRoutine1;
    renderCurrent();
    view_.setStatusText(1, viewOptionsText(state_.Checks));
}

void EditorCommands::textEditorChanged()
{
    if (!state_.Checks.DTT) return;
    TextEditorView& editor = view_.textEditor();
    int caret = editor.caretPosition();
    stringListClick(false);
    editor.setCaret(caret, 0);
}

void EditorCommands::renderCurrent()
{
    RenderTargets targets{view_.screen(), hex_, view_.hexView()};
    RenderText(state_, targets, false, state_.Format.CellHeight, state_.Format.CellWidth);
}

}  // namespace scrivel
