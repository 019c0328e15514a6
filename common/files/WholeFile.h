#pragma once
// Files read and written whole. Reading takes everything a file holds in one
// call; replacing writes a new file beside the old one and renames it over
// it, so a failed save never leaves a truncated file behind.

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace common {

// Every byte of the file at path, or nothing when it cannot be opened or
// read to its end (a folder, a missing file, a read error, too little
// memory). Pipes and devices are read until they end.
std::optional<std::string> readWholeFile(const std::string& path);

// Makes bytes the content of the file at path. The bytes go to a temporary
// file in the same folder that is then renamed over path, so that on any
// failure an earlier file stays exactly as it was and no temporary file is
// left. An earlier file keeps its permissions; a new one gets the usual ones
// (0666 less the umask). An earlier file that may not be written (or that is
// a folder) is not replaced. Returns no error on success, otherwise the
// system's error of the step that failed (error.message() says why).
[[nodiscard]] std::error_code replaceFileAtomically(const std::string& path, std::string_view bytes);

// Makes a new file at path holding bytes, unless something is there already:
// an existing file is never opened for writing, replaced or removed (the
// answer is then std::errc::file_exists). The bytes go to a temporary file
// beside path that is then moved to path only if path is still free, so the
// file appears there whole or not at all. Unlike a replacement, which
// guards earlier contents, the new file is not forced to disk: making
// hundreds of them at once stays fast, and none holds anything that exists
// only there. Returns no error on success, otherwise the system's error of
// the step that failed.
[[nodiscard]] std::error_code createFileExclusively(const std::string& path, std::string_view bytes);

}  // namespace common
