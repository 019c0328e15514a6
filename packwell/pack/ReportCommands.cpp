// Edit > Erase Text Data on Form, and the saving of the report area that
// File > Exit does before the window closes.

#include "MergerCommands.h"
#include "files/TextLines.h"
#include "files/WholeFile.h"

namespace packwell::pack {

void eraseReport(MergerSession& s)
{
    s.report.clear();
}

bool saveReportOnExit(MergerSession& s)
{
    const std::error_code error = common::replaceFileAtomically("Merge.txt", common::joinLinesCrLf(s.report.lines()));
    if (!error) return true;
    s.tell(Severity::Error, "Error: Could not write \"Merge.txt\".");
    return false;
}

}  // namespace packwell::pack
