#include "MergerSession.h"

namespace packwell::pack {

std::vector<std::string> ReportArea::lines() const
{
    std::vector<std::string> all;
    size_t n = lineCount();
    all.reserve(n);
    for (size_t i = 0; i < n; ++i) all.push_back(line(i));
    return all;
}

void MergerSession::tell(Severity severity, const std::string& text)
{
    if (severity == Severity::Error) outcome_ = Severity::Error;
    platform.showMessage(text);
}

void MergerSession::failQuietly(const std::string& reason)
{
    outcome_ = Severity::Error;
    quietFailures_.push_back(reason);
}

}  // namespace packwell::pack
