#include "LaunchPlatform.h"

namespace scrivel::app {

void LaunchPlatform::presetOpenChoice(const std::string& dialogTitle, const std::string& path)
{
    presets_[dialogTitle] = platform::absolutePath(path);
}

std::optional<std::string> LaunchPlatform::runOpenDialog(const platform::FileDialogRequest& request)
{
    auto preset = presets_.find(request.title);
    if (preset == presets_.end()) return QtPlatform::runOpenDialog(request);
    std::string path = preset->second;
    presets_.erase(preset);
    return path;
}

}  // namespace scrivel::app
