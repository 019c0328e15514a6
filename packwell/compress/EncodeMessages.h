#pragma once
// The texts that tell the user why a file could not be compressed.

#include <string>

#include "CoderStatus.h"

namespace packwell::compress {

// The message for a failed encode of the file inName into a file of the
// given kind (".huf" or ".rle"); empty for EncodeStatus::Ok.
std::string encodeFailureMessage(EncodeStatus status, const std::string& inName, const std::string& kind);

// The message for an output that could not be written completely.
std::string writeFailureMessage(const std::string& outName);

}  // namespace packwell::compress
