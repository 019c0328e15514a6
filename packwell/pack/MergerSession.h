#pragma once
// What the merger's commands share with the window that runs them: the
// platform (dialogs, messages, working folder, folder search), the report
// area, the progress display and the remembered dialog folder, and the
// outcome of the commands run so far. The desktop window implements
// ReportArea over its memo and ProgressDisplay over its progress window; the
// command-line twin implements them over standard output.

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace packwell::pack {

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

// What the GAME Pack build shows while it works through the source lines.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void show() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setPosition(int percent) = 0;  // 0 to 100
    virtual void close() = 0;                   // hides it
};

// A progress display that shows nothing (the twin).
class NoProgress : public ProgressDisplay {
public:
    void show() override {}
    void setCaption(const std::string&) override {}
    void setPosition(int) override {}
    void close() override {}
};

// How a message bears on the command's outcome.
enum class Severity {
    Info,   // a result or a note; the command may still succeed
    Error,  // the command ended on an error or a refusal
};

class MergerSession {
public:
    MergerSession(platform::Platform& p, ReportArea& r, ProgressDisplay& d) : platform(p), report(r), progress(d) {}

    platform::Platform& platform;
    ReportArea& report;
    ProgressDisplay& progress;
    // The one remembered initial folder of the dialogs; empty at start.
    std::string dialogFolder;
    // The title the open-file dialog last had (Add File to Merged File runs
    // it without setting one); empty at start.
    std::string openDialogTitle;

    // Shows text in the platform's message box; an Error also marks the
    // session as failed.
    void tell(Severity severity, const std::string& text);
    // Marks the session as failed without a message box: the desktop program
    // passes over these failures in silence, as the merger always has. The
    // reason is kept so that the command-line twin can say why it failed.
    void failQuietly(const std::string& reason);

    // The worst severity reported since the session began; nothing clears it.
    Severity outcome() const { return outcome_; }
    bool failed() const { return outcome_ == Severity::Error; }
    // The reasons of the quiet failures, in order.
    const std::vector<std::string>& quietFailures() const { return quietFailures_; }

private:
    Severity outcome_ = Severity::Info;
    std::vector<std::string> quietFailures_;
};

}  // namespace packwell::pack
