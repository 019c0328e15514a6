#pragma once
// The few services both programs ask of the window system and the file
// system: file dialogs, message boxes, the working folder and the folder
// search. Commands talk only to this interface, so that the desktop programs
// (Qt implementation), the command-line twins and the tests (scripted
// implementation) run the same command code.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// What a command sets on a file dialog before running it.
struct FileDialogRequest {
    std::string title;
    std::string filter;         // "Description | *.a; *.b" style, may be empty
    std::string initialFolder;  // may be empty: the platform's default folder
    std::string fileName;       // name shown in the name field, may be empty
};

enum class Answer { Yes, No, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    // Runs the open-file dialog modally. Returns the chosen file's absolute
    // path, or nothing when the user cancelled. A successful choice makes the
    // chosen file's folder the working folder.
    std::optional<std::string> openFile(const FileDialogRequest& request);
    // The same for the save-file dialog.
    std::optional<std::string> saveFile(const FileDialogRequest& request);

    // The simple message display: modal, one OK button, captioned with the
    // application's title. Returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;

    // A modal question with a question icon. With withCancel false the box
    // offers Yes and No only.
    virtual Answer ask(const std::string& text, const std::string& caption, bool withCancel) = 0;

    // The process's current folder (absolute, no trailing separator unless it
    // is the root).
    virtual std::string workingFolder();
    // Makes folder the process's current folder. Returns false on failure.
    virtual bool setWorkingFolder(const std::string& folder);

    // The folder search: the regular, non-hidden files of folder whose names
    // match pattern ("*" and "?" wildcards, letter case ignored), ordered by
    // name compared byte by byte after ASCII letters are folded to lower
    // case (ties by the exact names). Returns bare file names.
    virtual std::vector<std::string> findFiles(const std::string& folder, const std::string& pattern);

    // Lets pending window events through (repaints during long commands).
    virtual void processEvents() {}

protected:
    // The dialogs proper; return an absolute path or nothing.
    virtual std::optional<std::string> runOpenDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> runSaveDialog(const FileDialogRequest& request) = 0;

private:
    std::optional<std::string> afterDialog(std::optional<std::string> chosen);
};

// Folder part of an absolute path ("/a/b/c.txt" -> "/a/b", "/c.txt" -> "/");
// only "/" separates folders here.
std::string folderOf(const std::string& path);
// File-name part of a path: the text after the last "/" (or "\").
std::string fileNameOf(const std::string& path);
// Makes a path absolute against the process's current folder, as a file
// dialog returns it. Does not resolve links or require the file to exist.
std::string absolutePath(const std::string& path);

}  // namespace platform
