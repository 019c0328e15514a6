// scrivel-cli compile SCRIPT STRING: the marker search for ".STRING STRING"
// over the script file's whole text, then the compilation of its section;
// prints the compiled bytes.

#include <array>
#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "editor/HeadlessViews.h"
#include "script/MarkerSearch.h"
#include "script/PreviewCompiler.h"

namespace scrivel::cli {

namespace {

struct CompileRequest {
    std::string script;
    std::string string;
};

Severity runCompile(const CompileRequest& request)
{
    editor::HeadlessTextEditor editor;
    if (!editor.loadFromFile(request.script)) {
        std::cerr << "Error: Could not open script file!\n" << request.script << '\n';
        return Severity::Error;
    }
    const std::string marker = script::markerText(indexValue(request.string));
    const int line = script::markerSearch(editor, marker);
    if (line < 0) {
        std::cerr << "Error: No section " << marker << " in " << request.script << '\n';
        return Severity::Error;
    }
    std::array<uint8_t, script::PreviewSize> bytes{};
    const size_t count =
        script::compileSection(editor.lineCount(), [&](int i) { return editor.line(i); }, line, bytes);
    std::cout << hexByteList(bytes.data(), count) << '\n';
    return Severity::Info;
}

}  // namespace

void addCompileCommand(CLI::App& app, CommandAction& chosen)
{
    auto request = std::make_shared<CompileRequest>();
    CLI::App* command =
        app.add_subcommand("compile", "compile the section .STRING STRING of the script file SCRIPT; print its bytes");
    command->add_option("SCRIPT", request->script, "the script file")
        ->type_name("FILE")
        ->required()
        ->transform(absolutePath());
    command->add_option("STRING", request->string, "the string number of the section")
        ->type_name("NUMBER")
        ->required()
        ->check(decimalIndex());
    command->group("Commands");
    command->callback([&chosen, request] { chosen = [request] { return runCompile(*request); }; });
}

}  // namespace scrivel::cli
