#include "TranslatedRom.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>

#include "files/WholeFile.h"
#include "rom/BpsPatch.h"
#include "rom/IpsPatch.h"
#include "rom/Pointers.h"
#include "rom/SpaceMap.h"
#include "rom/StringExtent.h"
#include "rom/StringPlacement.h"
#include "script/PreviewCompiler.h"
#include "script/ScriptFile.h"
#include "script/ScriptSections.h"
#include "script/TextFiles.h"

namespace scrivel::editor {

namespace {

using rom::loRomFileOffset;

std::string hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

std::string blockName(const rom::BlockLine& block) { return "block " + hex(block.address, 6); }

class Report {
public:
    explicit Report(TranslatedRom& result) : result_(result) {}
    void add(Severity severity, std::string text)
    {
        result_.report.push_back({severity, std::move(text)});
        if (severity > result_.worst) result_.worst = severity;
    }
    void error(std::string text) { add(Severity::Error, std::move(text)); }
    bool failed() const { return !result_.ok(); }

private:
    TranslatedRom& result_;
};

// A hexadecimal SNES address of one to six digits.
bool readAddress(const std::string& text, size_t& at, uint32_t& value)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    const size_t first = at;
    value = 0;
    while (at < text.size() && at - first < 7 && std::isxdigit(static_cast<unsigned char>(text[at]))) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
        value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
        ++at;
    }
    const size_t digits = at - first;
    return digits >= 1 && digits <= 6 && (at == text.size() || text[at] == ' ' || text[at] == '\t');
}

// A ".FREE START END" line as a range of file offsets, or an error naming the line.
std::optional<rom::ByteRange> freeRange(const rom::DirectiveLine& line, size_t imageSize, std::string& error)
{
    const std::string where = "Error: data file line " + std::to_string(line.lineNumber) + ": .FREE " + line.argument;
    size_t at = 0;
    uint32_t start = 0, end = 0;
    bool read = readAddress(line.argument, at, start) && readAddress(line.argument, at, end);
    while (at < line.argument.size() && (line.argument[at] == ' ' || line.argument[at] == '\t')) ++at;
    if (!read || at != line.argument.size()) {
        error = where + ": needs a start and an end SNES address in hexadecimal.";
        return std::nullopt;
    }
    if (end < start) {
        error = where + ": the end comes before the start.";
        return std::nullopt;
    }
    if ((start >> 16) != (end >> 16) || (start & 0xFFFF) < 0x8000) {
        error = where + ": the range must lie in the upper half (8000-FFFF) of one bank.";
        return std::nullopt;
    }
    const uint32_t first = loRomFileOffset(start), last = loRomFileOffset(end);
    if (last >= imageSize) {
        error = where + ": the range lies outside the ROM image (" + std::to_string(imageSize) + " bytes).";
        return std::nullopt;
    }
    return rom::ByteRange{first, last + 1};
}

// The full compiled length of a closed section, closing FF included, even
// when it is more than the preview buffer holds (which the compiler then
// cuts short). No line compiles to more bytes than it has characters.
size_t compiledLength(const std::vector<std::string>& lines, const script::SectionSpan& section)
{
    if (section.firstLine >= section.endLine) return 1;
    std::array<uint8_t, script::PreviewSize> scratch{};
    size_t total = 0;
    for (size_t i = section.firstLine; i < section.endLine; ++i) {
        script::PreviewOutput out(scratch);
        script::compileLine(lines[i], out);
        total += out.count() + 1;  // the line's bytes and the 254 after it (the last line: the closing FF)
    }
    return total;
}

// "3, 5, 7-12": string numbers, ascending, runs joined.
std::string numberRuns(const std::vector<int>& numbers)
{
    std::string text;
    for (size_t i = 0; i < numbers.size();) {
        size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        if (!text.empty()) text += ", ";
        text += std::to_string(numbers[i]);
        if (j > i) text += "-" + std::to_string(numbers[j]);
        i = j + 1;
    }
    return text;
}

std::string bankName(const rom::BankSpace& bank) { return "Bank " + hex(bank.bank >> 16, 2); }

struct BlockTally {
    int translated = 0;
    size_t bytes = 0;
    bool hasScript = false;
};

}  // namespace

TranslatedRom buildTranslatedRom(std::span<const uint8_t> romFile, size_t headerLength,
                                 const rom::DataFileContents& data, const std::string& scriptsFolder)
{
    TranslatedRom result;
    Report report(result);
    if (headerLength > romFile.size()) {
        report.error("Error: The ROM file is shorter than its copier header.");
        return result;
    }
    const std::span<const uint8_t> image = romFile.subspan(headerLength);
    const size_t size = image.size();

    rom::SpaceMap map;
    for (const rom::DirectiveLine& line : data.freeRanges) {
        std::string error;
        if (auto range = freeRange(line, size, error))
            map.addFree(range->begin, range->end);
        else
            report.error(error);
    }

    // Byte ranges of the image, clamped to it.
    auto clamp = [size](int64_t begin, int64_t end) {
        begin = std::clamp<int64_t>(begin, 0, static_cast<int64_t>(size));
        end = std::clamp<int64_t>(end, begin, static_cast<int64_t>(size));
        return rom::ByteRange{static_cast<uint32_t>(begin), static_cast<uint32_t>(end)};
    };

    std::vector<rom::StringRequest> requests;
    std::vector<uint32_t> entryOffsets;  // per request: its pointer table entry
    std::vector<BlockTally> tallies(data.blocks.size());
    std::vector<std::string> warnings;
    std::array<uint8_t, script::PreviewSize> compiled{};

    for (size_t b = 0; b < data.blocks.size(); ++b) {
        const rom::BlockLine& block = data.blocks[b];
        const int count = block.stringCount;
        const int64_t table = rom::snesToFileOffset(block.address);
        // The tables are never free, whatever else says so.
        const rom::ByteRange tableBytes = clamp(table, table + 2 * int64_t{count});
        map.addTaken(tableBytes.begin, tableBytes.end);

        const std::string path = script::scriptFileName(scriptsFolder, block.address);
        std::optional<script::ScriptFileText> file;
        if (script::fileExists(path)) {
            file = script::readScriptFile(path);
            if (!file) report.error("Error: Could not read script file " + path);
        }
        tallies[b].hasScript = file.has_value();
        static const std::vector<std::string> noLines;
        const std::vector<std::string>& lines = file ? file->lines : noLines;
        const auto sections = file ? script::findStringSections(file->lines, count)
                                   : std::vector<std::optional<script::SectionSpan>>();

        for (int n = 0; n < count; ++n) {
            const uint16_t pointer = rom::readPointer(image, block.address, n);
            const int64_t start = rom::snesToFileOffset(rom::stringAddress(block.textBank, pointer));
            const rom::StringExtent extent =
                start >= 0 ? rom::stringExtent(image.data(), size, static_cast<size_t>(start)) : rom::StringExtent{};
            const rom::ByteRange original = clamp(start, start + static_cast<int64_t>(extent.length));

            const std::optional<script::SectionSpan>& section = file ? sections[static_cast<size_t>(n)] : std::nullopt;
            if (section && !section->closed) {
                report.error("Error: " + path + ": the section .STRING " + std::to_string(n) +
                             " has no closing .ENDS line.");
                continue;
            }
            if (!section || !script::isTranslated(file->lines, *section)) {
                map.addTaken(original.begin, original.end);
                continue;
            }
            const int64_t entry = rom::snesToFileOffset(block.address + 2u * static_cast<uint32_t>(n));
            if (entry < 0 || entry + 2 > static_cast<int64_t>(size)) {
                report.error("Error: The pointer table entry of " + blockName(block) + " string " + std::to_string(n) +
                             " lies outside the ROM image.");
                continue;
            }
            // Below 8000 the pointer does not reach the bytes the editor
            // shows there, so those bytes are not this string's to give away.
            if (pointer >= 0x8000) map.addFree(original.begin, original.end);

            const size_t length = script::compileSection(lines, static_cast<int>(section->marker), compiled);
            if (length == script::PreviewSize) {
                const size_t full = compiledLength(lines, *section);
                if (full > script::PreviewSize) {
                    report.error("Error: " + path + ": the section .STRING " + std::to_string(n) + " compiles to " +
                                 std::to_string(full) + " bytes, more than the " + std::to_string(script::PreviewSize) +
                                 " bytes a string may take.");
                    continue;
                }
            }
            if (auto code = rom::codeShortOfOperands(compiled.data(), length - 1))
                warnings.push_back("Warning: " + blockName(block) + " string " + std::to_string(n) + " ends in code " +
                                   hex(*code, 2) + ", which takes the end byte as its operand: the game reads on past it.");
            requests.push_back({std::vector<uint8_t>(compiled.begin(), compiled.begin() + static_cast<long>(length)),
                                block.textBank == 0x1A0000, static_cast<int>(b), n});
            entryOffsets.push_back(static_cast<uint32_t>(entry));
            ++tallies[b].translated;
            tallies[b].bytes += length;
        }
    }
    if (report.failed()) return result;

    const rom::PlacementResult placed = rom::placeStrings(map, requests, size);
    if (!placed.ok()) {
        report.error("Error: The translated strings do not fit in the free space; nothing was written.");
        for (const rom::BankSpace* bank : {&placed.bank1A, &placed.bank1D})
            report.error(bankName(*bank) + ": " + std::to_string(bank->needed) + " bytes needed, " +
                         std::to_string(bank->freeBefore) + " free.");
        std::map<int, std::vector<int>> unplaced;  // block -> strings
        std::map<int, size_t> unplacedBytes;
        for (size_t i : placed.unplaced) {
            unplaced[requests[i].block].push_back(requests[i].string);
            unplacedBytes[requests[i].block] += requests[i].bytes.size();
        }
        for (const auto& [b, strings] : unplaced)
            report.error("Not placed: " + blockName(data.blocks[static_cast<size_t>(b)]) + " string" +
                         (strings.size() > 1 ? "s " : " ") + numberRuns(strings) + " (" +
                         std::to_string(unplacedBytes[b]) + " bytes)");
        return result;
    }

    result.romFile.assign(romFile.begin(), romFile.end());
    uint8_t* out = result.romFile.data() + headerLength;
    std::map<uint32_t, size_t> stored;  // offset -> bytes, identical strings counted once
    for (size_t i = 0; i < requests.size(); ++i) {
        const rom::StringPlacement& p = placed.placements[i];
        std::copy(requests[i].bytes.begin(), requests[i].bytes.end(), out + p.fileOffset);
        out[entryOffsets[i]] = static_cast<uint8_t>(p.pointer & 0xFF);
        out[entryOffsets[i] + 1] = static_cast<uint8_t>(p.pointer >> 8);
        stored[p.fileOffset] = requests[i].bytes.size();
    }

    int total = 0, translated = 0;
    size_t bytes = 0, storedBytes = 0;
    for (size_t b = 0; b < data.blocks.size(); ++b) {
        const rom::BlockLine& block = data.blocks[b];
        const BlockTally& tally = tallies[b];
        std::string line = "Block " + hex(block.address, 6) + ": " + std::to_string(tally.translated) + " of " +
                           std::to_string(block.stringCount) + " strings translated";
        line += tally.hasScript ? ", " + std::to_string(tally.bytes) + " bytes" : " (no script file)";
        report.add(Severity::Info, line);
        total += block.stringCount;
        translated += tally.translated;
        bytes += tally.bytes;
    }
    for (std::string& warning : warnings) report.add(Severity::Warning, std::move(warning));
    for (const auto& entry : stored) storedBytes += entry.second;
    report.add(Severity::Info, "All blocks: " + std::to_string(translated) + " of " + std::to_string(total) +
                                   " strings translated, " + std::to_string(bytes) + " bytes (" +
                                   std::to_string(storedBytes) + " written, identical strings stored once)");
    for (const rom::BankSpace* bank : {&placed.bank1A, &placed.bank1D})
        report.add(Severity::Info, bankName(*bank) + ": " + std::to_string(bank->freeAfter) + " bytes left free (of " +
                                       std::to_string(bank->freeBefore) + ")");

    rom::PatchResult ips = rom::makeIpsPatch(romFile, result.romFile);
    if (ips.ok()) {
        result.ipsPatch = std::move(ips.bytes);
    } else {
        result.ipsRefusal = ips.error;
        // The maker's reason, without its own "Error: ": here it only costs the IPS patch.
        const std::string reason = ips.error.rfind("Error: ", 0) == 0 ? ips.error.substr(7) : ips.error;
        report.add(Severity::Warning, "Warning: No IPS patch was made: " + reason + " The BPS patch holds the translation.");
    }
    rom::PatchResult bps = rom::makeBpsPatch(romFile, result.romFile);
    if (!bps.ok()) {
        report.error(bps.error);
        return result;
    }
    result.bpsPatch = std::move(bps.bytes);
    return result;
}

std::string patchPathBeside(const std::string& romPath, const std::string& extension)
{
    const size_t slash = romPath.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = romPath.find_last_of('.');
    // A leading dot (".rom") names a hidden file, not an extension.
    if (dot == std::string::npos || dot <= nameStart) return romPath + extension;
    return romPath.substr(0, dot) + extension;
}

bool namesSameFile(const std::string& a, const std::string& b)
{
    struct stat sa {}, sb {};
    const bool hasA = ::stat(a.c_str(), &sa) == 0, hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA && hasB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (hasA != hasB) return false;
    std::error_code ea, eb;
    const auto ca = std::filesystem::weakly_canonical(std::filesystem::absolute(a), ea);
    const auto cb = std::filesystem::weakly_canonical(std::filesystem::absolute(b), eb);
    if (ea || eb) return std::filesystem::absolute(a).lexically_normal() == std::filesystem::absolute(b).lexically_normal();
    return ca == cb;
}

std::string outputPathConflict(const OutputPaths& paths, const std::vector<std::string>& inputs)
{
    std::vector<std::string> outputs = {paths.rom};
    if (!paths.ips.empty()) outputs.push_back(paths.ips);
    outputs.push_back(paths.bps);
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].empty()) return "Error: An output file name is missing; nothing was written.";
        for (const std::string& input : inputs)
            if (!input.empty() && namesSameFile(outputs[i], input))
                return "Error: The output " + outputs[i] + " names the input file " + input +
                       ", which is never written; nothing was written.";
        for (size_t j = 0; j < i; ++j)
            if (namesSameFile(outputs[i], outputs[j]))
                return "Error: The outputs " + outputs[j] + " and " + outputs[i] +
                       " name the same file; nothing was written.";
    }
    return {};
}

std::vector<ReportLine> writeTranslatedRom(const TranslatedRom& built, const OutputPaths& paths,
                                           const std::vector<std::string>& inputs)
{
    if (!built.ok()) return {{Severity::Error, "Error: The translated ROM was not built; nothing was written."}};
    if (std::string conflict = outputPathConflict(paths, inputs); !conflict.empty())
        return {{Severity::Error, conflict}};

    struct Output {
        std::string path;
        const std::vector<uint8_t>* bytes;
        std::optional<std::string> previous;  // what the path held before, put back on failure
    };
    std::vector<Output> outputs = {{paths.rom, &built.romFile, {}}};
    if (!paths.ips.empty() && !built.ipsPatch.empty()) outputs.push_back({paths.ips, &built.ipsPatch, {}});
    outputs.push_back({paths.bps, &built.bpsPatch, {}});

    for (Output& o : outputs) {
        std::error_code ec;
        if (!std::filesystem::exists(o.path, ec) && !ec) continue;
        o.previous = common::readWholeFile(o.path);
        if (!o.previous)
            return {{Severity::Error, "Error: " + o.path + " is there already and cannot be read, so it could not "
                                      "be put back if writing failed; nothing was written."}};
    }

    auto view = [](const std::vector<uint8_t>& bytes) {
        return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    for (size_t k = 0; k < outputs.size(); ++k) {
        if (const std::error_code ec = common::replaceFileAtomically(outputs[k].path, view(*outputs[k].bytes))) {
            std::vector<ReportLine> lines = {
                {Severity::Error, "Error: Could not write " + outputs[k].path + ": " + ec.message() + "."}};
            bool undone = true;
            for (size_t j = k; j-- > 0;) {
                const Output& o = outputs[j];
                std::error_code back;
                if (o.previous)
                    back = common::replaceFileAtomically(o.path, *o.previous);
                else
                    std::filesystem::remove(o.path, back);
                if (back) {
                    undone = false;
                    lines.push_back({Severity::Error, "Error: Could not put back " + o.path + ": " + back.message()});
                }
            }
            if (undone) lines.push_back({Severity::Error, "Nothing was written."});
            return lines;
        }
    }
    std::vector<ReportLine> lines;
    for (const Output& o : outputs)
        lines.push_back({Severity::Info, "Wrote " + o.path + " (" + std::to_string(o.bytes->size()) + " bytes)"});
    return lines;
}

std::string reportText(const std::vector<ReportLine>& lines)
{
    std::string text;
    for (const ReportLine& line : lines) text += line.text + "\n";
    return text;
}

}  // namespace scrivel::editor
