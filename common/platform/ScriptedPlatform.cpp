#include "ScriptedPlatform.h"

namespace platform {

void ScriptedPlatform::showMessage(const std::string& text)
{
    messages_.push_back(text);
    if (sink_) sink_(text);
}

Answer ScriptedPlatform::ask(const std::string& text, const std::string& caption, bool withCancel)
{
    Answer a = withCancel ? Answer::Cancel : Answer::No;
    if (!answers_.empty()) {
        a = answers_.front();
        answers_.pop_front();
    }
    if (!withCancel && a == Answer::Cancel) a = Answer::No;
    questions_.push_back({text, caption, withCancel, a});
    return a;
}

void ScriptedPlatform::processEvents()
{
    ++processEventsCalls_;
    if (eventHook_) eventHook_();
}

void ScriptedPlatform::clearRecords()
{
    messages_.clear();
    dialogs_.clear();
    questions_.clear();
    processEventsCalls_ = 0;
}

std::optional<std::string> ScriptedPlatform::runOpenDialog(const FileDialogRequest& request)
{
    return next(DialogKind::Open, request);
}

std::optional<std::string> ScriptedPlatform::runSaveDialog(const FileDialogRequest& request)
{
    return next(DialogKind::Save, request);
}

std::optional<std::string> ScriptedPlatform::next(DialogKind kind, const FileDialogRequest& request)
{
    std::optional<std::string> answer;
    if (!choices_.empty()) {
        answer = choices_.front();
        choices_.pop_front();
    }
    if (answer) answer = absolutePath(*answer);
    dialogs_.push_back({kind, request, answer});
    return answer;
}

}  // namespace platform
