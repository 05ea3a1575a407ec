#pragma once

namespace CLI {
class App;
}

namespace orvex {

// Adds `list` (the tables of a library file) and `build` (a library file from its text sources)
// to the `library` command. Failures are raised as orvex::Error.
void AddLibraryCommands(CLI::App& library);

} // namespace orvex
