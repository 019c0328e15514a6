#pragma once
// The desktop program's platform with the files named on the command line
// standing in for the user's first choices: a preset answers the first file
// dialog of its title, once; every other dialog is asked as usual.

#include <map>
#include <string>

#include "platform_qt/QtPlatform.h"

namespace scrivel::app {

class LaunchPlatform : public platform::QtPlatform {
public:
    using QtPlatform::QtPlatform;

    // The first open-file dialog titled dialogTitle returns path (made
    // absolute against the current folder now) without being shown.
    void presetOpenChoice(const std::string& dialogTitle, const std::string& path);
    bool hasPreset(const std::string& dialogTitle) const { return presets_.count(dialogTitle) != 0; }

protected:
    std::optional<std::string> runOpenDialog(const platform::FileDialogRequest& request) override;

private:
    std::map<std::string, std::string> presets_;
};

}  // namespace scrivel::app
