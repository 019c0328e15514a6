#include "CommandLine.h"

#include <sstream>

#include "platform/Platform.h"

namespace scrivel::cli {

namespace {

// Options the user sets, leaving out --help and --version.
bool hasOwnOptions(const CLI::App* app)
{
    const auto options = app->get_options([app](const CLI::Option* opt) {
        return opt->nonpositional() && opt != app->get_help_ptr() && opt != app->get_help_all_ptr() &&
               opt != app->get_version_ptr();
    });
    return !options.empty();
}

std::string usageLine(const CLI::App* app, const std::string& name)
{
    std::string line = name;
    for (const CLI::Option* opt : app->get_options([](const CLI::Option* o) { return o->get_positional(); }))
        line += " " + opt->get_name();
    if (hasOwnOptions(app)) line += " [OPTIONS]";
    if (!app->get_subcommands([](const CLI::App*) { return true; }).empty()) line += " COMMAND";
    return line;
}

}  // namespace

const CLI::Validator& decimalIndex()
{
    static const CLI::Validator check(
        [](const std::string& text) {
            const bool digits = !text.empty() && text.size() <= 9 &&
                                text.find_first_not_of("0123456789") == std::string::npos;
            return digits ? std::string() : "must be a number from 0, got " + text;
        },
        "");
    return check;
}

int indexValue(const std::string& text) { return std::stoi(text, nullptr, 10); }

const CLI::Validator& absolutePath()
{
    static const CLI::Validator make(
        [](std::string& path) {
            path = platform::absolutePath(path);
            return std::string();
        },
        "");
    return make;
}

CLI::Option* addFileArgument(CLI::App* command, const std::string& name, std::string& path,
                             const std::string& description)
{
    return command->add_option(name, path, description)->type_name("FILE")->required()->transform(absolutePath());
}

std::string UsageFormatter::make_usage(const CLI::App* app, std::string name) const
{
    return "Usage: " + usageLine(app, name) + "\n";
}

std::string UsageFormatter::make_subcommand(const CLI::App* sub) const
{
    const std::string name = sub->get_parent()
                                               ? sub->get_parent()->get_name() + " " + sub->get_name()
                                               : sub->get_name();
    std::ostringstream out;
    out << "  " << usageLine(sub, name) << "\n";
    std::istringstream description(sub->get_description());
    for (std::string line; std::getline(description, line);) out << "      " << line << "\n";
    return out.str();
}

std::string UsageFormatter::make_expanded(const CLI::App* sub) const
{
    std::ostringstream out;
    out << make_subcommand(sub);
    std::istringstream details(make_positionals(sub) + make_groups(sub, CLI::AppFormatMode::Sub));
    for (std::string line; std::getline(details, line);) {
        if (line.empty()) continue;
        out << "    " << line << "\n";
    }
    return out.str();
}

std::string hexByteList(const unsigned char* bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

}  // namespace scrivel::cli
