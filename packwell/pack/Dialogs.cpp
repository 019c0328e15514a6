#include "Dialogs.h"

namespace packwell::pack {

std::optional<std::string> chooseFileToOpen(MergerSession& s, const std::string& title)
{
    s.openDialogTitle = title;
    return chooseFileToOpen(s);
}

std::optional<std::string> chooseFileToOpen(MergerSession& s)
{
    platform::FileDialogRequest request;
    request.title = s.openDialogTitle;
    request.initialFolder = s.dialogFolder;
    return s.platform.openFile(request);
}

}  // namespace packwell::pack
