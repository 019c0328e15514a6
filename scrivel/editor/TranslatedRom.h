#pragma once
// Putting the translation into the game. Every translated section of the
// blocks' script files is compiled as the preview compiles it, the strings
// are placed in free space by the game's bank rule, the pointer tables are
// rewritten, and the translated ROM comes out with an IPS and a BPS patch
// that turn the file as it was opened into it.
//
// Building happens in memory and writes nothing; writing is a second step
// that writes every output or none, so that any error (a section without
// ".ENDS", a bad ".FREE" line, strings that do not fit, an output that
// cannot be written) leaves the disk as it was. The input ROM is never
// written.
//
// Usage:
//   rom::RomFileBytes input;  rom::readRomFileWhole(path, input);
//   TranslatedRom built = buildTranslatedRom(input.file, input.headerLength, data, dumpsFolder);
//   if (!built.ok()) ... built.report holds the errors ...
//   std::vector<ReportLine> written = writeTranslatedRom(built, {out, out.ips, out.bps}, {path, dataPath});

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Message.h"
#include "rom/DataFile.h"

namespace scrivel::editor {

struct ReportLine {
    Severity severity = Severity::Info;
    std::string text;
};

struct TranslatedRom {
    std::vector<uint8_t> romFile;   // the translated ROM file, the copier header included
    std::vector<uint8_t> ipsPatch;  // empty when the file is too large for IPS (see ipsRefusal)
    std::string ipsRefusal;         // why there is no IPS patch, else empty
    std::vector<uint8_t> bpsPatch;
    // One line per block, the warnings, then the bytes left free per bank;
    // on failure the errors (Error lines), and nothing else is filled in.
    std::vector<ReportLine> report;
    Severity worst = Severity::Info;

    bool ok() const { return !isFailure(worst); }
};

// romFile is the ROM file's bytes exactly as opened; its first headerLength
// bytes are a copier header, which the output keeps as it was. The script
// file of each block is scriptsFolder/%08X.txt (the editor's name); a block
// without one keeps its strings.
TranslatedRom buildTranslatedRom(std::span<const uint8_t> romFile, size_t headerLength,
                                 const rom::DataFileContents& data, const std::string& scriptsFolder);

// Where the outputs go. An empty ips path writes no IPS patch.
struct OutputPaths {
    std::string rom;
    std::string ips;
    std::string bps;
};

// OUT's name with ".ips" or ".bps" in place of its extension (or added,
// when the file name has none).
std::string patchPathBeside(const std::string& romPath, const std::string& extension);

// True when both paths name the same file, however they are spelled
// (symbolic links, "..", hard links). A path that names no existing file is
// compared after resolving what of it exists.
bool namesSameFile(const std::string& a, const std::string& b);

// An error line for the first output path that names one of inputs or
// another output; empty when the paths are fine.
std::string outputPathConflict(const OutputPaths& paths, const std::vector<std::string>& inputs);

// Writes the translated ROM and its patches, each atomically. All or
// nothing: when a write fails, the outputs this call already wrote are put
// back as they were (a file that was there before gets its earlier
// contents again, a new one is removed). Refuses (writing nothing) when
// built is not ok or the paths conflict with each other or with inputs.
// Returns the lines to report: what was written (Info), or why nothing was
// (Error).
std::vector<ReportLine> writeTranslatedRom(const TranslatedRom& built, const OutputPaths& paths,
                                           const std::vector<std::string>& inputs);

// The lines of a report as text, one line each.
std::string reportText(const std::vector<ReportLine>& lines);

}  // namespace scrivel::editor
