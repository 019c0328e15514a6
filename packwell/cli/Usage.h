#pragma once
#include <string>

namespace packwell_cli {

// The usage text, ending with a line break.
const std::string& usageText();

}  // namespace packwell_cli
