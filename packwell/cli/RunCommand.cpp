#include "RunCommand.h"

#include <cstdio>
#include <sys/stat.h>

#include "ConsoleReport.h"
#include "MergerCommands.h"
#include "platform/ScriptedPlatform.h"
#ifdef PACKWELL_CLI_WITH_COMPRESS
#include "compress/FileCodecs.h"
#endif

namespace packwell_cli {
namespace {

void printMessage(const std::string& text)
{
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool isFolder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The twin's stand-in for the window: dialog answers from the command line,
// messages to standard error, report lines to standard output.
class Twin {
public:
    Twin() : session_(platform_, report_, progress_) { platform_.setMessageSink(printMessage); }

    // A file that a dialog will be answered with. Its folder must exist, as
    // that of a file picked in a dialog does.
    bool choose(const std::string& path, bool folderMustExist)
    {
        std::string abs = platform::absolutePath(path);
        if (folderMustExist && !isFolder(platform::folderOf(abs))) {
            fail("Error: Could not open the folder of \"" + abs + "\".");
            return false;
        }
        platform_.queueChoice(abs);
        return true;
    }

    bool enterFolder(const std::string& folder)
    {
        if (platform_.setWorkingFolder(folder)) return true;
        fail("Error: Could not enter the folder \"" + folder + "\".");
        return false;
    }

    void fail(const std::string& message)
    {
        platform_.showMessage(message);
        session_.failed = true;
    }

    pack::MergerSession& session() { return session_; }
    platform::ScriptedPlatform& platform() { return platform_; }

    int exitStatus() const
    {
        if (session_.failed) return 1;
        for (const std::string& m : platform_.messages())
            if (startsWith(m, "Error") || startsWith(m, "Fatal Error")) return 1;
        return 0;
    }

private:
    platform::ScriptedPlatform platform_;
    ConsoleReport report_;
    pack::NoProgress progress_;
    pack::MergerSession session_;
};

#ifdef PACKWELL_CLI_WITH_COMPRESS
void decode(Twin& twin, const Invocation& inv)
{
    compress::FileOutcome r = inv.command == "unhuf" ? compress::decodeHufFile(inv.paths[0], inv.paths[1])
                                                     : compress::decodeRleFile(inv.paths[0], inv.paths[1]);
    if (!r.ok) twin.fail(r.message);
}
#endif

}  // namespace

int runCommand(const Invocation& inv)
{
    Twin twin;
    pack::MergerSession& s = twin.session();
    const std::string& cmd = inv.command;

    if (cmd == "merge" || cmd == "huffman" || cmd == "rle") {
        if (twin.choose(inv.paths[0], true)) {
            if (cmd == "merge") pack::mergeGroup(s);
#ifdef PACKWELL_CLI_WITH_COMPRESS
            else if (cmd == "huffman") pack::compressGroupHuffman(s);
            else pack::compressGroupRle(s);
#else
            else twin.fail("Error: This build has no compression.");
#endif
        }
    } else if (cmd == "add") {
        twin.choose(inv.paths[0], false);
        if (!inv.folder || twin.enterFolder(*inv.folder)) pack::addFileToMerged(s);
    } else if (cmd == "source") {
        bool ok = true;
        for (const std::string& p : inv.paths) ok = ok && twin.choose(p, true);
        if (ok) pack::createPackSource(s);
    } else if (cmd == "pack") {
        // Taken before loading the source, whose dialog changes the folder.
        std::string folder = platform::absolutePath(inv.folder ? *inv.folder : ".");
        twin.choose(inv.paths[0], false);
        pack::openPackSource(s);
        if (!s.failed && twin.enterFolder(folder)) pack::buildPack(s);
    } else if (cmd == "unhuf" || cmd == "unrle") {
#ifdef PACKWELL_CLI_WITH_COMPRESS
        decode(twin, inv);
#else
        twin.fail("Error: This build has no decoders.");
#endif
    }
    std::fflush(stdout);
    return twin.exitStatus();
}

}  // namespace packwell_cli
