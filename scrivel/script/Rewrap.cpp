#include "Rewrap.h"

#include <cctype>
#include <map>

#include "BracketCode.h"
#include "ScriptEncoding.h"
#include "SectionIndex.h"

namespace scrivel::script {

namespace {

// The blanks a line may break at: spaces outside bracket codes.
std::vector<size_t> breakBlanks(std::string_view line)
{
    std::vector<size_t> blanks;
    for (size_t p = 0; p < line.size();) {
        if (const size_t end = bracketSpanEnd(line, p)) {
            p = end;
        } else {
            if (line[p] == ' ') blanks.push_back(p);
            ++p;
        }
    }
    return blanks;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

// A line that the section rules could read as a marker or a section end. A
// rewrap leaves such lines as they are and makes no new ones, so that every
// section keeps its place and a second rewrap finds the same sections.
bool mayBeStructural(std::string_view text)
{
    return startsWithNoCase(text, ".STRING") || startsWithNoCase(text, ".ENDS");
}

// A file's line as it stands: its text and the line end after it (empty for
// a last line without one). Lines end as common::splitLines ends them.
struct RawLine {
    std::string_view text;
    std::string_view end;
};

std::vector<RawLine> rawLines(std::string_view bytes)
{
    std::vector<RawLine> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        const size_t length = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.substr(start, i - start), bytes.substr(i, length)});
        i += length;
        start = i;
    }
    if (start < bytes.size()) lines.push_back({bytes.substr(start), {}});
    return lines;
}

}  // namespace

std::vector<std::string> rewrapLine(const std::string& line, LineMeasure& measure)
{
    if (mayBeStructural(line) || !measure.measureWidth(line).overflows) return {line};
    const std::vector<size_t> blanks = breakBlanks(line);
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        std::string rest = line.substr(start);
        if (!measure.measureWidth(rest).overflows) {
            pieces.push_back(std::move(rest));
            break;
        }
        // A longer piece overflows whenever a shorter one does, so the search
        // stops at the first that overflows.
        size_t chosen = std::string::npos;
        size_t firstUsable = std::string::npos;
        for (size_t blank : blanks) {
            if (blank <= start || mayBeStructural(std::string_view(line).substr(blank + 1))) continue;
            const LineFit fit = measure.measureWidth(line.substr(start, blank - start));
            if (fit.shortCode) continue;
            if (firstUsable == std::string::npos) firstUsable = blank;
            if (fit.overflows) break;
            chosen = blank;
        }
        // Nothing fits: the first word stays whole, however wide.
        if (chosen == std::string::npos) chosen = firstUsable;
        if (chosen == std::string::npos) {
            pieces.push_back(std::move(rest));
            break;
        }
        pieces.push_back(line.substr(start, chosen - start));
        start = chosen + 1;
    }
    return pieces;
}

namespace {

// The pieces of every line that breaks, by line index.
std::map<size_t, std::vector<std::string>> rewraps(const std::vector<std::string>& lines, int stringCount,
                                                   LineMeasure& measure)
{
    std::map<size_t, std::vector<std::string>> broken;
    const SectionIndex sections(lines);
    for (int n = 0; n < stringCount; ++n) {
        const std::optional<SectionSpan> section = sections.find(n);
        if (!section || !isTranslated(lines, *section)) continue;
        for (size_t i = section->firstLine; i < section->endLine && i < lines.size(); ++i) {
            if (broken.count(i)) continue;  // a section shared by two markers
            std::vector<std::string> pieces = rewrapLine(lines[i], measure);
            if (pieces.size() > 1) broken.emplace(i, std::move(pieces));
        }
    }
    return broken;
}

}  // namespace

ScriptRewrap rewrapScriptBytes(std::string_view bytes, int stringCount, LineMeasure& measure)
{
    const std::vector<RawLine> raw = rawLines(bytes);
    const TextEncoding encoding = isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
    std::vector<std::string> lines;
    lines.reserve(raw.size());
    for (const RawLine& line : raw)
        lines.push_back(encoding == TextEncoding::Utf8 ? std::string(line.text) : latin1ToUtf8(line.text));

    const auto broken = rewraps(lines, stringCount, measure);
    ScriptRewrap result;
    result.linesRewrapped = static_cast<int>(broken.size());
    if (broken.empty()) {
        result.bytes = std::string(bytes);
        return result;
    }
    std::string_view fileEnd = "\r\n";
    for (const RawLine& line : raw)
        if (!line.end.empty()) {
            fileEnd = line.end;
            break;
        }
    result.bytes.reserve(bytes.size() + 2 * broken.size() * fileEnd.size() + 64);
    for (size_t i = 0; i < raw.size(); ++i) {
        const auto found = broken.find(i);
        if (found == broken.end()) {
            result.bytes.append(raw[i].text).append(raw[i].end);
            continue;
        }
        const std::vector<std::string>& pieces = found->second;
        const std::string_view breakEnd = raw[i].end.empty() ? fileEnd : raw[i].end;
        for (size_t k = 0; k < pieces.size(); ++k) {
            // Pieces of a Latin-1 line hold only Latin-1 characters.
            TextEncoding pieceEncoding = encoding;
            result.bytes += encodeScriptText(pieces[k], pieceEncoding);
            result.bytes.append(k + 1 < pieces.size() ? breakEnd : raw[i].end);
        }
    }
    return result;
}

}  // namespace scrivel::script
