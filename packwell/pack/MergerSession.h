#pragma once
// What the merger's commands share with the window that runs them: the
// platform (dialogs, messages, working folder, folder search), the report
// area, the progress window and the remembered dialog folder. The desktop
// window implements ReportArea over its memo and ProgressWindow over Form2;
// the command-line twin implements them over standard output.

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace pack {

// The report area: an ordered list of lines.
class ReportArea {
public:
    virtual ~ReportArea() = default;
    virtual void appendLine(const std::string& line) = 0;
    virtual void clear() = 0;
    virtual size_t lineCount() const = 0;
    virtual std::string line(size_t index) const = 0;
    // Replaces every line (loading a source file).
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    std::vector<std::string> lines() const;
};

// A report area that is only a list of lines (tests, the twin).
class LineReport : public ReportArea {
public:
    void appendLine(const std::string& line) override { lines_.push_back(line); }
    void clear() override { lines_.clear(); }
    size_t lineCount() const override { return lines_.size(); }
    std::string line(size_t index) const override { return index < lines_.size() ? lines_[index] : std::string(); }
    void setLines(const std::vector<std::string>& lines) override { lines_ = lines; }

private:
    std::vector<std::string> lines_;
};

// The progress window of the GAME Pack build.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void show() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setPosition(int percent) = 0;  // 0 to 100
    virtual void close() = 0;                   // hides it
};

// A progress window that does nothing (the twin).
class NoProgress : public ProgressWindow {
public:
    void show() override {}
    void setCaption(const std::string&) override {}
    void setPosition(int) override {}
    void close() override {}
};

struct MergerSession {
    MergerSession(platform::Platform& p, ReportArea& r, ProgressWindow& w) : platform(p), report(r), progress(w) {}
    platform::Platform& platform;
    ReportArea& report;
    ProgressWindow& progress;
    // The one remembered initial folder of the dialogs; empty at start.
    std::string dialogFolder;
    // The title the open-file dialog last had (Add File to Merged File runs
    // it without setting one); empty at start.
    std::string openDialogTitle;
    // Set by a command that ends on an error or a refusal; the command-line
    // twin turns it into its exit status. Commands never clear it.
    bool failed = false;
};

}  // namespace pack
