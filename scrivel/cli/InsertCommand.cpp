// scrivel-cli insert ROM DATA OUT: puts the translation of the script files
// into a copy of the ROM and writes it with an IPS and a BPS patch that turn
// the ROM file into it. The report goes to standard output, errors to
// standard error; status 0 means every output was written, 1 that none was.

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "editor/TranslatedRom.h"
#include "files/WholeFile.h"
#include "platform/Platform.h"
#include "rom/DataFile.h"
#include "rom/RomFile.h"

namespace scrivel::cli {

namespace {

using namespace scrivel::editor;

struct InsertRequest {
    std::string rom;
    std::string dataFile;
    std::string out;
    std::string scripts;
    std::string ips;
    std::string bps;
};

// Report lines to standard output, errors to standard error; returns the
// gravest severity.
Severity print(const std::vector<ReportLine>& lines)
{
    Severity worst = Severity::Info;
    for (const ReportLine& line : lines) {
        (isFailure(line.severity) ? std::cerr : std::cout) << line.text << '\n';
        if (line.severity > worst) worst = line.severity;
    }
    std::cout.flush();
    return worst;
}

Severity runInsert(const InsertRequest& request)
{
    auto refuse = [](const std::string& text) {
        std::cerr << text << '\n';
        return Severity::Error;
    };
    const OutputPaths paths{request.out, request.ips.empty() ? patchPathBeside(request.out, ".ips") : request.ips,
                            request.bps.empty() ? patchPathBeside(request.out, ".bps") : request.bps};
    if (std::string conflict = outputPathConflict(paths, {request.rom, request.dataFile}); !conflict.empty())
        return refuse(conflict);

    rom::RomFileBytes input;
    switch (rom::readRomFileWhole(request.rom, input)) {
    case rom::RomReadStatus::Ok:
        break;
    case rom::RomReadStatus::CannotOpen:
        return refuse("Error: Could not open file!\n" + request.rom);
    case rom::RomReadStatus::OutOfMemory:
        return refuse("Fatal Error: Could not allocate needed memory!");
    }
    if (!rom::hasGameTitle(std::span<const uint8_t>(input.file).subspan(input.headerLength)))
        return refuse("Error: This is not the ROM used.\nPlease load the correct ROM.");

    const auto dataBytes = common::readWholeFile(request.dataFile);
    if (!dataBytes) return refuse("Error: Could not open the text block data file!\n" + request.dataFile);
    rom::FontFormat format;
    const rom::DataFileContents data = rom::parseDataFile(*dataBytes, format);
    const std::string scripts =
        request.scripts.empty() ? platform::folderOf(request.rom) + "/Dumps" : request.scripts;

    const TranslatedRom built = buildTranslatedRom(input.file, input.headerLength, data, scripts);
    const Severity report = print(built.report);
    if (!built.ok()) return report;
    const Severity written = print(writeTranslatedRom(built, paths, {request.rom, request.dataFile}));
    return std::max(report, written);
}

}  // namespace

void addInsertCommand(CLI::App& app, CommandAction& chosen)
{
    auto request = std::make_shared<InsertRequest>();
    CLI::App* command = app.add_subcommand(
        "insert",
        "put the translation of the block's script files into a copy of ROM,\n"
        "written to OUT with an IPS and a BPS patch that turn ROM into it;\n"
        "print the report (status 0: all written, 1: nothing written)");
    addFileArgument(command, "ROM", request->rom, "the ROM file (never written)");
    addFileArgument(command, "DATA", request->dataFile, "the text block data file");
    addFileArgument(command, "OUT", request->out, "the translated ROM to write");
    command->add_option("--scripts", request->scripts, "the folder of the script files (default: Dumps beside ROM)")
        ->option_text("DIR")
        ->transform(absolutePath());
    command->add_option("--ips", request->ips, "the IPS patch to write (default: OUT's name with .ips)")
        ->option_text("FILE")
        ->transform(absolutePath());
    command->add_option("--bps", request->bps, "the BPS patch to write (default: OUT's name with .bps)")
        ->option_text("FILE")
        ->transform(absolutePath());
    command->group("Commands");
    command->callback([&chosen, request] { chosen = [request] { return runInsert(*request); }; });
}

}  // namespace scrivel::cli
