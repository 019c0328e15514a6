// packwell-cli unhuf IN OUT: decodes the .huf file IN into OUT, or
// refuses it and leaves no OUT behind.

#include "Subcommands.h"
#include "Twin.h"
#include "compress/FileCodecs.h"

namespace packwell::cli {

void addUnhufCommand(CLI::App& app, int& status)
{
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("unhuf", "decode the .huf file IN into OUT");
    command->add_option("IN", *in, "the .huf file")->required()->check(nonEmptyPath());
    command->add_option("OUT", *out, "the file to write")->required()->check(nonEmptyPath());
    command->callback([=, &status] {
        Twin twin;
        const compress::FileOutcome outcome =
            compress::decodeHufFile(platform::absolutePath(*in), platform::absolutePath(*out));
        if (!outcome.ok) twin.fail(outcome.message);
        status = twin.finish();
    });
}

}  // namespace packwell::cli
