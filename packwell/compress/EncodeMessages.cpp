#include "EncodeMessages.h"

namespace packwell::compress {

std::string encodeFailureMessage(EncodeStatus status, const std::string& inName, const std::string& kind)
{
    switch (status) {
    case EncodeStatus::Ok:
        return {};
    case EncodeStatus::TooLarge:
        return "Error: " + inName + " is 4 GiB or larger; a " + kind + " file can only hold smaller files.";
    case EncodeStatus::ShortRead:
        return "Error: " + inName + " changed while it was being compressed; its " + kind + " file is incomplete.";
    case EncodeStatus::NoMemory:
        return "Error: There is not enough memory to compress " + inName + ".";
    case EncodeStatus::Unreadable:
        return "Error: Could not read " + inName + ".";
    }
    return {};
}

std::string writeFailureMessage(const std::string& outName)
{
    return "Error: Could not write " + outName + ".";
}

}  // namespace packwell::compress
