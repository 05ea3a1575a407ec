#include "LibraryCommands.h"
#include "RunCommand.h"

#include "model/Errors.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    CLI::App app{"orvexcalc - allowable-stress checks and designs of steel members"};
    app.set_version_flag("--version", "orvexcalc 1.0");
    app.require_subcommand(1);
    orvexcalc::AddRunCommand(app);
    CLI::App* library = app.add_subcommand("library", "Inspect and build section library files");
    library->require_subcommand(1);
    orvex::AddLibraryCommands(*library);
    try {
        CLI11_PARSE(app, argc, argv);
    } catch (const orvex::Error& e) {
        // One line: the library's header message puts a carriage return after the file name.
        std::string message = e.what();
        for (std::size_t at; (at = message.find('\r')) != std::string::npos;)
            message.replace(at, 1, ": ");
        std::cerr << "orvexcalc: " << message << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "orvexcalc: internal error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
