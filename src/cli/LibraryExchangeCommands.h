#pragma once

namespace CLI {
class App;
}

namespace orvex {

// Adds `show`, `export` and `import` (one table as section table text) to the `library` command.
// Failures are raised as orvex::Error.
void AddLibraryExchangeCommands(CLI::App& library);

} // namespace orvex
