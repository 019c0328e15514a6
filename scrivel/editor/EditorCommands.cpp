#include "EditorCommands.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <stdexcept>
#include <sys/stat.h>

#include "CurrentString.h"
#include "EditorTexts.h"
#include "RenderCurrent.h"
#include "TranslatedRom.h"
#include "SessionFonts.h"
#include "SessionTable.h"
#include "ScriptFit.h"
#include "rom/DataFile.h"
#include "rom/RomFile.h"
#include "script/MarkerSearch.h"
#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/TextFiles.h"

namespace scrivel::editor {

using namespace script;

namespace {

const char* const UnsavedQuestion = "Current data not saved. Do you wish to save it?";
const char* const UnsavedCaption = "File Modified...";

}  // namespace

EditorCommands::EditorCommands(EditorState& state, HexModel& hex, EditorView& view, platform::Platform& platform)
    : state_(state), hex_(hex), view_(view), platform_(platform)
{
}

void EditorCommands::tell(Severity severity, const std::string& text)
{
    if (severity > worst_) worst_ = severity;
    if (observer_) observer_(severity, text);
    platform_.showMessage(text);
}

bool EditorCommands::initialise(int screenWidth, int screenHeight)
{
    startFolder = platform_.workingFolder();
    state_.currentBlock = 0;
    bool ready = false;
    try {
        state_.rendered.picture.reset(screenWidth, screenHeight);
        ready = state_.rendered.picture.ready();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    if (!ready) {
        state_.rendered.picture = {};
        tell(Severity::Fatal, "Fatal Error: Could not allocate memory!");
        view_.requestClose();
        return false;
    }
    return true;
}

void EditorCommands::openRom()
{
    platform::FileDialogRequest request;
    request.title = "Open ROM File";
    request.filter = "SNES ROM | *.s*c; *.fig;";
    request.initialFolder = openDialogFolder_ = startFolder;
    request.fileName = openDialogFileName_;
    auto chosen = platform_.openFile(request);
    if (!chosen) return;
    openDialogFileName_ = *chosen;

    state_.dumpsFolder = platform_.workingFolder() + "/Dumps";
    if (scriptFilesEnabled) ::mkdir(state_.dumpsFolder.c_str(), 0777);  // most often it exists already
    state_.romPath = *chosen;

    std::vector<uint8_t> image;
    rom::RomReadStatus status = rom::readRomFile(state_.romPath, image);
    if (status == rom::RomReadStatus::CannotOpen) {
        tell(Severity::Error, "Fatal Error: Could not open file!");
        return;
    }
    state_.romImage = {};
    state_.romLoaded = false;
    if (status == rom::RomReadStatus::OutOfMemory) {
        tell(Severity::Fatal, "Fatal Error: Could not allocate needed memory!");
        view_.requestClose();
        return;
    }
    if (!rom::hasGameTitle(image)) {
        tell(Severity::Error, "Error: This is not the ROM used.\nPlease load the correct ROM.");
        return;
    }
    state_.romImage = std::move(image);
    state_.romLoaded = true;
    tell(Severity::Info, "ROM loaded successfully!");
    view_.setLoadDataFileEnabled(true);

    loadDataFile();

    ListView& blocks = view_.blockList();
    if (blocks.count() >= 1) {
        blocks.select(0);
        blocks.focus();
        selectBlock();
        renderCurrentString();
    }
}

void EditorCommands::loadDataFile()
{
    platform::FileDialogRequest request;
    request.title = "Open Text Block Data File";
    request.filter = "Font Format File | *.txt";
    request.initialFolder = openDialogFolder_;
    request.fileName = openDialogFileName_ = std::string();
    auto chosen = platform_.openFile(request);
    if (!chosen) return;
    openDialogFileName_ = *chosen;

    auto bytes = readWholeFile(*chosen);
    if (!bytes) {
        tell(Severity::Error, "Fatal Error: Could not open FONT file!");
        return;
    }
    ListView& blocks = view_.blockList();
    blocks.clear();
    rom::DataFileContents contents = rom::parseDataFile(*bytes, state_.format);
    for (size_t i = 0; i < contents.blocks.size(); ++i) {
        state_.blockAddress[i] = contents.blocks[i].address;
        state_.blockTextBank[i] = contents.blocks[i].textBank;
        state_.blockStringCount[i] = contents.blocks[i].stringCount;
        blocks.add(blockEntryText(contents.blocks[i].address));
    }
    if (contents.truncated) tell(Severity::Warning, "Only the first 256 blocks were loaded.");
    state_.dataFilePath = *chosen;
    state_.dataFile = std::move(contents);
    const std::string fontProblems = useDataFileFonts(state_);
    for (const Notice& notice : loadSessionTable(state_, tableFile)) tell(notice.severity, notice.text);

    view_.setCaption(dataFileCaption(*chosen));
    blocks.select(0);
    blocks.setHint(itemsHint(blocks.count()));
    selectBlock();
    renderCurrentString();
    // Told once the stand-in has been drawn, so the screen shows behind it.
    if (!fontProblems.empty()) tell(Severity::Error, fontProblems);
}

void EditorCommands::selectBlock()
{
    if (!state_.romLoaded) return;
    ListView& blocks = view_.blockList();
    int i = blocks.selected();
    if (i < 0 || i >= rom::MaxBlocks) return;
    size_t b = static_cast<size_t>(i);
    state_.currentBlockAddress = state_.blockAddress[b];
    state_.currentBlockStringCount = state_.blockStringCount[b];
    state_.currentBlock = i;

    ListView& strings = view_.stringList();
    strings.clear();
    for (int n = 0; n < state_.currentBlockStringCount; ++n) strings.add(stringEntryText(n));

    // A failed save of unsaved text keeps that text in the editor, still marked modified.
    const bool keptUnsavedText = scriptFilesEnabled && !switchScriptFile();

    strings.select(0);
    strings.setHint(itemsHint(strings.count()));
    selectString(false);
    blocks.focus();
    if (!keptUnsavedText) view_.textEditor().setModified(false);
}

// Returns false when the user's unsaved text could not be saved: the editor
// then keeps it, and the path of its own file, rather than loading the new
// block's file over it.
bool EditorCommands::switchScriptFile()
{
    TextEditorView& editor = view_.textEditor();
    std::string path = scriptFileName(state_.dumpsFolder, state_.currentBlockAddress);
    if (!offerToSaveText()) return false;
    state_.scriptFilePath = path;
    if (!fileExists(path)) {
        const std::string text = newScriptFileText(state_, static_cast<size_t>(state_.currentBlock));
        if (!writeFileAtomically(path, text).empty()) {
            dropScriptFile("Error: Could not create script file!\n" + path);
            return true;
        }
    }
    if (!editor.loadFromFile(path)) dropScriptFile("Error: Could not open script file!\n" + path);
    return true;
}

// Unsaved script text is offered for saving (Yes or No). Returns false when
// the user chose Yes and the save failed.
bool EditorCommands::offerToSaveText()
{
    // Asked even when the file was removed meanwhile: saving writes it again.
    if (!state_.scriptFilePath.empty() && view_.textEditor().modified()) {
        if (platform_.ask(UnsavedQuestion, UnsavedCaption, false) == platform::Answer::Yes && !saveTextFile())
            return false;
    }
    return true;
}

// The block's script file cannot be used: the editor is emptied and keeps no
// path, so that a later save cannot write this text over another block's file.
void EditorCommands::dropScriptFile(const std::string& message)
{
    TextEditorView& editor = view_.textEditor();
    state_.scriptFilePath.clear();
    editor.clearText();
    editor.setModified(false);
    tell(Severity::Error, message);
}

bool EditorCommands::saveTextFile()
{
    TextEditorView& editor = view_.textEditor();
    std::string error = state_.scriptFilePath.empty()
                            ? std::string("Error: No script file is open; the text was not saved.")
                            : editor.saveToFile(state_.scriptFilePath);
    if (!error.empty()) {
        tell(Severity::Error, error);
        return false;
    }
    tell(Severity::Info, "Text file was saved!");
    editor.setModified(false);
    return true;
}

void EditorCommands::buildTranslatedRom()
{
    if (!state_.romLoaded || state_.dataFilePath.empty()) {
        tell(Severity::Error, "Error: Open a ROM and load its text block data file first.");
        return;
    }
    // What the script files hold is what goes in.
    if (scriptFilesEnabled && !offerToSaveText()) return;

    platform::FileDialogRequest request;
    request.title = "Build Translated ROM";
    request.filter = "SNES ROM | *.sfc; *.smc";
    request.initialFolder = platform::folderOf(state_.romPath);
    const std::string romName = platform::fileNameOf(state_.romPath);
    const size_t dot = romName.find_last_of('.');
    request.fileName = dot == std::string::npos || dot == 0
                           ? romName + "-translated"
                           : romName.substr(0, dot) + "-translated" + romName.substr(dot);
    auto chosen = platform_.saveFile(request);
    if (!chosen) return;

    rom::RomFileBytes input;
    if (rom::readRomFileWhole(state_.romPath, input) != rom::RomReadStatus::Ok) {
        tell(Severity::Error, "Error: Could not open file!\n" + state_.romPath);
        return;
    }
    // The patches must fit the file the user opened and sees.
    if (!std::equal(input.file.begin() + static_cast<long>(input.headerLength), input.file.end(),
                    state_.romImage.begin(), state_.romImage.end())) {
        tell(Severity::Error, "Error: The ROM file has changed since it was opened; open it again.\n" + state_.romPath);
        return;
    }
    const TranslatedRom built =
        editor::buildTranslatedRom(input.file, input.headerLength, state_.dataFile, state_.dumpsFolder);
    if (!built.ok()) {
        tell(built.worst, reportText(built.report));
        return;
    }
    const OutputPaths paths{*chosen, patchPathBeside(*chosen, ".ips"), patchPathBeside(*chosen, ".bps")};
    const std::vector<ReportLine> written = writeTranslatedRom(built, paths, {state_.romPath, state_.dataFilePath});
    for (const ReportLine& line : written)
        if (isFailure(line.severity)) {
            tell(Severity::Error, reportText(written));
            return;
        }
    if (built.worst > worst_) worst_ = built.worst;
    view_.showReport("Build Translated ROM", reportText(built.report) + reportText(written));
}

void EditorCommands::selectString(bool takeFocus)
{
    if (!state_.romLoaded) return;
    ListView& strings = view_.stringList();
    int n = strings.selected();
    if (n < 0) return;
    if (state_.checks.showTranslation) {
        showTranslationOf(n, takeFocus);
    } else {
        state_.currentString = n;
        renderCurrentString();
        searchText = markerText(n);
        findSearchText();
        strings.focus();
    }
    view_.setStatusText(0, stringPositionText(state_));
    showFit();
}

void EditorCommands::showTranslationOf(int stringNumber, bool takeFocus)
{
    state_.currentString = stringNumber;
    searchText = markerText(stringNumber);
    findSearchText();
    if (takeFocus) view_.stringList().focus();
    if (state_.foundLine == -1) return;
    TextEditorView& editor = view_.textEditor();
    state_.previewCount = compileSection(editor.lineCount(), [&](int i) { return editor.line(i); }, state_.foundLine,
                                         state_.previewBytes);
    // The preview is drawn in 16 x 16 cells whatever the format's cell.
    RenderTargets targets{view_.screen(), hex_, view_.hexView()};
    editor::renderCurrentString(state_, targets, 16, 16);
}

void EditorCommands::findSearchText() { state_.foundLine = markerSearch(view_.textEditor(), searchText); }

void EditorCommands::toggleTranslatedText()
{
    state_.checks.showTranslation = !state_.checks.showTranslation;
    selectString(true);
}

void EditorCommands::toggleHideCodes()
{
    state_.checks.hideCodes = !state_.checks.hideCodes;
    renderCurrentString();
    view_.setStatusText(1, viewOptionsText(state_.checks));
}

void EditorCommands::toggleVariableWidth()
{
    state_.checks.variableWidth = !state_.checks.variableWidth;
    renderCurrentString();
    view_.setStatusText(1, viewOptionsText(state_.checks));
    showFit();
}

void EditorCommands::showFit()
{
    std::string fit;
    if (state_.checks.showTranslation)
        if (const auto text = sectionText(view_.textEditor(), state_.currentString, state_.foundLine))
            fit = fitStatusText(state_, *text);
    view_.setStatusText(2, fit);
}

void EditorCommands::textEditorChanged()
{
    if (!state_.checks.showTranslation) return;
    TextEditorView& editor = view_.textEditor();
    int caret = editor.caretPosition();
    selectString(false);
    editor.setCaret(caret, 0);
}

void EditorCommands::renderCurrentString()
{
    RenderTargets targets{view_.screen(), hex_, view_.hexView()};
    editor::renderCurrentString(state_, targets, state_.format.cellHeight, state_.format.cellWidth);
}

bool EditorCommands::confirmExit()
{
    TextEditorView& editor = view_.textEditor();
    if (!editor.modified()) return true;
    switch (platform_.ask(UnsavedQuestion, UnsavedCaption, true)) {
    case platform::Answer::Cancel:
        return false;
    case platform::Answer::No:
        return true;
    case platform::Answer::Yes:
        saveTextFile();
        return !editor.modified();
    }
    return false;
}

ScriptFilesReport EditorCommands::createAllScriptFiles(const std::string& folder, const ScriptFilesProgress& progress)
{
    ScriptFilesReport report;
    if (!state_.romLoaded || state_.dataFilePath.empty()) {
        report.error = "Error: Open a ROM and its text block data file first.";
    } else {
        report = writeAllScriptFiles(state_, folder.empty() ? state_.dumpsFolder : folder, progress);
    }
    if (!report.error.empty()) tell(Severity::Error, report.error);
    return report;
}

void EditorCommands::endSession()
{
    state_.romImage.clear();
    state_.romImage.shrink_to_fit();
    state_.romLoaded = false;
    state_.rendered.picture.pixels.clear();
    state_.rendered.picture.pixels.shrink_to_fit();
}

}  // namespace scrivel::editor
