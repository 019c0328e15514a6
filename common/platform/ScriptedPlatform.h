#pragma once
// A platform whose dialogs and questions are answered from queues prepared in
// advance. Tests use it to drive commands headless and check what the user
// would have seen; the command-line twins use it with the files named on the
// command line as the dialog answers and standard error as the message box.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

class ScriptedPlatform : public Platform {
public:
    enum class DialogKind { Open, Save };
    struct DialogRecord {
        DialogKind kind;
        FileDialogRequest request;
        std::optional<std::string> answer;
    };
    struct QuestionRecord {
        std::string text;
        std::string caption;
        bool withCancel;
        Answer answer;
    };

    // The next dialog returns path (made absolute); a dialog with nothing
    // queued is cancelled.
    void queueChoice(const std::string& path) { choices_.push_back(path); }
    void queueCancel() { choices_.push_back(std::nullopt); }
    // The next question gets this answer; a question with nothing queued is
    // answered No (or Cancel when the box offers it).
    void queueAnswer(Answer a) { answers_.push_back(a); }
    size_t pendingChoices() const { return choices_.size(); }

    // Called for every message shown, after it is recorded.
    void setMessageSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

    void showMessage(const std::string& text) override;
    Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
    void processEvents() override;

    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<DialogRecord>& dialogs() const { return dialogs_; }
    const std::vector<QuestionRecord>& questions() const { return questions_; }
    int processEventsCalls() const { return processEventsCalls_; }
    void clearRecords();

    // Run on every processEvents call (a test can look at the progress
    // window in the middle of a long command).
    void setEventHook(std::function<void()> hook) { eventHook_ = std::move(hook); }

protected:
    std::optional<std::string> runOpenDialog(const FileDialogRequest& request) override;
    std::optional<std::string> runSaveDialog(const FileDialogRequest& request) override;

private:
    std::optional<std::string> next(DialogKind kind, const FileDialogRequest& request);

    std::deque<std::optional<std::string>> choices_;
    std::deque<Answer> answers_;
    std::vector<std::string> messages_;
    std::vector<DialogRecord> dialogs_;
    std::vector<QuestionRecord> questions_;
    std::function<void(const std::string&)> sink_;
    std::function<void()> eventHook_;
    int processEventsCalls_ = 0;
};

}  // namespace platform
