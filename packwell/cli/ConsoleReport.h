#pragma once
// The twin's report area: keeps its lines like the window's memo and prints
// every appended line to standard output. Loading or clearing prints nothing.

#include <cstdio>

#include "pack/MergerSession.h"

namespace packwell::cli {

class ConsoleReport : public pack::LineReport {
public:
    void appendLine(const std::string& line) override
    {
        LineReport::appendLine(line);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
};

}  // namespace packwell::cli
