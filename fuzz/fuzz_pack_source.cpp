// The GAME Pack source reader and the build over random lines: the input is
// the source file, opened with Open GAME Pack Source File and built with
// Create GAME Pack in a private folder. The files its file lines name are
// created there first (except those whose name starts with "!", which stay
// missing). A build that reports success has written every entry.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzTempFolder.h"
#include "pack/MergerCommands.h"
#include "pack/MergerSession.h"
#include "pack/PackSourceLines.h"
#include "platform/ScriptedPlatform.h"

namespace {

// The names the build itself writes or reads; a source line naming them
// makes the expected length depend on the order of writes.
bool isOwnFile(const std::string& path)
{
    return path == "GPACK.h" || path == "GPACK.dbp" || path == "source.txt";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::KeepWorkingFolder keep;
    fuzzing::emptyTempFolder();
    std::string source(reinterpret_cast<const char*>(data), size);
    // Keep every named file inside the private folder.
    for (char& c : source)
        if (c == '/') c = '\\';
    const std::string sourcePath = fuzzing::writeTempFile("source.txt", source);

    platform::ScriptedPlatform platform;
    packwell::pack::LineReport report;
    packwell::pack::NoProgress progress;
    packwell::pack::MergerSession session(platform, report, progress);
    platform.queueChoice(sourcePath);
    packwell::pack::openPackSource(session);
    if (session.failed()) std::abort();  // the file was just written

    // Create the named files; work out what a complete build writes.
    uint64_t expected = 0;
    bool predictable = source.find('\0') == std::string::npos;
    for (const std::string& line : report.lines()) {
        switch (packwell::pack::sourceLineKind(line)) {
        case packwell::pack::SourceLineKind::File: {
            const std::string path = packwell::pack::filePathOf(line);
            if (isOwnFile(path) || path.size() > 200) predictable = false;
            if (path.empty() || path[0] == '!' || path == "." || path == ".." || isOwnFile(path)) break;
            std::error_code ec;
            if (!std::filesystem::exists(fuzzing::tempFolder() + "/" + path, ec))
                fuzzing::writeTempFile(path, line);
            expected += std::filesystem::file_size(fuzzing::tempFolder() + "/" + path, ec);
            break;
        }
        case packwell::pack::SourceLineKind::String:
            if (auto entry = packwell::pack::parseStringLine(line)) expected += entry->text.size() + 1;
            break;
        case packwell::pack::SourceLineKind::Other:
            break;
        }
    }

    platform.clearRecords();
    packwell::pack::buildPack(session);
    if (platform.messages().size() != 1) std::abort();
    if (platform.messages()[0] == "GamePack created!") {
        if (session.failed()) std::abort();
        std::error_code ec;
        const auto written = std::filesystem::file_size(fuzzing::tempFolder() + "/GPACK.dbp", ec);
        if (ec || (predictable && written != expected)) std::abort();
    } else if (!session.failed()) {
        std::abort();  // an error that the twin would not see
    }
    return 0;
}
