#pragma once
#include "Arguments.h"

namespace packwell_cli {

// Runs one parsed command; returns the exit status (0 success, 1 error).
int runCommand(const Invocation& invocation);

}  // namespace packwell_cli
