#include "Twin.h"

#include <cstdio>
#include <sys/stat.h>

namespace packwell::cli {
namespace {

void printMessage(const std::string& text)
{
    // Report lines printed so far come first, as they did in the window.
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool isFolder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

Twin::Twin() : session_(platform_, report_, progress_)
{
    platform_.setMessageSink(printMessage);
}

bool Twin::choose(const std::string& path, bool folderMustExist)
{
    const std::string absolute = platform::absolutePath(path);
    if (folderMustExist && !isFolder(platform::folderOf(absolute))) {
        fail("Error: Could not open the folder of \"" + absolute + "\".");
        return false;
    }
    platform_.queueChoice(absolute);
    return true;
}

bool Twin::enterFolder(const std::string& folder)
{
    if (platform_.setWorkingFolder(folder)) return true;
    fail("Error: Could not enter the folder \"" + folder + "\".");
    return false;
}

void Twin::fail(const std::string& message)
{
    session_.tell(pack::Severity::Error, message);
}

int Twin::finish()
{
    for (const std::string& reason : session_.quietFailures()) printMessage(reason);
    std::fflush(stdout);
    return session_.outcome() == pack::Severity::Error ? 1 : 0;
}

int runGroupCommand(const std::string& path, void (*command)(pack::MergerSession&))
{
    Twin twin;
    if (twin.choose(path, true)) command(twin.session());
    return twin.finish();
}

}  // namespace packwell::cli
