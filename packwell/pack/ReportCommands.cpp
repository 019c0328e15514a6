// Edit > Erase Text Data on Form, and the saving of the report area that
// File > Exit does before the window closes.

#include "FileIO.h"
#include "MergerCommands.h"
#include "ReportText.h"

namespace pack {

void eraseReport(MergerSession& s)
{
    s.report.clear();
}

bool saveReportOnExit(MergerSession& s)
{
    if (writeFileReplacing("Merge.txt", joinLinesCrLf(s.report.lines()))) return true;
    s.platform.showMessage("Error: Could not write \"Merge.txt\".");
    s.failed = true;
    return false;
}

}  // namespace pack
