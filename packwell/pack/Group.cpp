#include "Group.h"

#include "TextFormat.h"
#include "platform/Platform.h"

namespace packwell::pack {

std::optional<std::string> groupPattern(const std::string& chosenPath)
{
    std::string name = platform::fileNameOf(chosenPath);
    size_t dot = name.find('.');
    if (dot == std::string::npos) return std::nullopt;
    return "*" + name.substr(dot);
}

std::optional<std::string> groupExtension(const std::string& chosenPath)
{
    std::string name = platform::fileNameOf(chosenPath);
    size_t dot = name.find('.');
    if (dot == std::string::npos) return std::nullopt;
    return name.substr(dot + 1);
}

std::string nameBeforeFirstDot(const std::string& path)
{
    std::string name = platform::fileNameOf(path);
    return upperAscii(name.substr(0, name.find('.')));
}

}  // namespace packwell::pack
