// Edit > Create GAME Pack: packs the files and strings that the source lines
// in the report area name into "GPACK.dbp" and publishes their offsets in
// "GPACK.h".

#include "FileIO.h"
#include "Group.h"
#include "MergerCommands.h"
#include "PackSourceLines.h"
#include "TextFormat.h"

namespace packwell::pack {
namespace {

class PackBuild {
public:
    explicit PackBuild(MergerSession& s) : s_(s) {}

    void run()
    {
        size_t count = s_.report.lineCount();
        if (count == 0) {
            s_.tell(Severity::Error, "Please create OR load a GAME Pack source file!");
            return;
        }
        bool headerOpen = header_.create("GPACK.h");
        bool packOpen = pack_.create("GPACK.dbp");
        s_.progress.show();
        if (!headerOpen || !packOpen) {
            stop("Fatal Error: Could not open files.");
            return;
        }
        s_.progress.setCaption("Creating Game Pack");
        for (size_t i = 0; i < count; ++i) {
            s_.platform.processEvents();
            s_.progress.setPosition(static_cast<int>(static_cast<uint64_t>(i) * 100 / count));
            if (!packLine(s_.report.line(i), i)) return;
        }
        bool written = finish();
        if (!written) {
            s_.tell(Severity::Error, "Fatal Error: Could not write files.");
        } else {
            s_.tell(Severity::Info, "GamePack created!");
        }
        s_.progress.close();
    }

private:
    // Packs one source line; false when the build has been stopped.
    bool packLine(const std::string& line, size_t index)
    {
        switch (sourceLineKind(line)) {
        case SourceLineKind::File:
            return packFile(filePathOf(line));
        case SourceLineKind::String: {
            std::optional<StringEntry> entry = parseStringLine(line);
            if (!entry) {
                stop("Fatal Error: Bad line " + std::to_string(index + 1) + ": \"" + upperAscii(line) + "\"");
                return false;
            }
            packString(*entry);
            return true;
        }
        case SourceLineKind::Other:
            return true;
        }
        return true;
    }

    bool packFile(const std::string& path)
    {
        // What is buffered goes out first, so that a source line that names
        // one of the two outputs reads what has been written so far.
        header_.flush();
        pack_.flush();
        InputFile file;
        if (!file.open(path)) {
            stop("Fatal Error: Could not open \"" + path + "\"");
            return false;
        }
        header_.write("GPACK_" + padRight(nameBeforeFirstDot(path), 20) + " = $" +
                      hexUpper(pack_.length() - carry_, 8) + "\r\n");
        carry_ = 0;
        if (!pack_.appendFrom(file, file.isRegular(), file.size())) {
            stop("Fatal Error: Could not open \"" + path + "\"");
            return false;
        }
        return true;
    }

    void packString(const StringEntry& entry)
    {
        if (entry.label)
            header_.write("GPACK_STRING->" + *entry.label + " = $" + hexUpper(pack_.length(), 8) + "\r\n");
        pack_.write(entry.text.data(), entry.text.size());
        pack_.write("\0", 1);
        carry_ = entry.text.size() + 1;
    }

    // Closes both outputs; false if anything could not be written.
    bool finish()
    {
        bool headerOk = header_.close();
        bool packOk = pack_.close();
        return headerOk && packOk;
    }

    // Ends the build on a fatal error: the outputs keep what was written.
    void stop(const std::string& message)
    {
        finish();
        s_.tell(Severity::Error, message);
        s_.progress.close();
    }

    MergerSession& s_;
    OutputFile header_;
    OutputFile pack_;
    uint64_t carry_ = 0;
};

}  // namespace

void buildPack(MergerSession& s)
{
    PackBuild(s).run();
}

}  // namespace packwell::pack
