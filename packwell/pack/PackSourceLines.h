#pragma once
// The lines of a GAME Pack source file: how the build reads them and how
// Create GAME Pack Source File writes them. Keywords match in any letter
// case; tokens are runs of characters without white space.

#include <optional>
#include <string>

namespace packwell::pack {

enum class SourceLineKind { File, String, Other };

// File line: contains ".GAMEPACK_FILE"; string line: contains
// ".GAMEPACK_STRING" (and no ".GAMEPACK_FILE"); anything else is other.
SourceLineKind sourceLineKind(const std::string& line);

// The second token of a line (its only token when it has one; empty when
// it has none).
std::string secondOrOnlyToken(const std::string& line);

// The path of a file line as the build opens it: letter case kept, every
// "_" read as a space.
std::string filePathOf(const std::string& line);

struct StringEntry {
    std::string text;                  // the packed string, upper case
    std::optional<std::string> label;  // with ".OFFSET": the text after "->", upper case
};
// Reads a string line; nothing when it has no "->".
std::optional<StringEntry> parseStringLine(const std::string& line);

// "; Group Name: "EXT""
std::string groupHeadingLine(const std::string& extension);
// ".GAMEPACK_FILE->EXT FOLDER/NAME" with the spaces of FOLDER and NAME
// written as "_".
std::string fileLine(const std::string& extension, const std::string& folder, const std::string& fileName);

}  // namespace packwell::pack
