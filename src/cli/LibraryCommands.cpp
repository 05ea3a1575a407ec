#include "LibraryCommands.h"

#include "library/LibrarySources.h"
#include "library/ProfileLibFile.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

namespace orvex {

namespace {

// A name read from a file may hold control bytes (a tab would break the columns, a zero byte the
// terminal); they are shown as '?'.
std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text;
}

void ListLibrary(const std::string& path) {
    auto lib = std::make_unique<TProfileLib>();
    lib->FileName = path;
    LoadProfileLib(*lib);
    for (std::size_t t = 0; t < lib->TableCount; ++t) {
        const TSectionTable& table = lib->Tables[t];
        std::cout << t << '\t' << SectionKindName(table.Kind) << '\t' << Printable(table.TableName) << '\t'
                  << int(table.RowCount) << '\t' << int(table.ColCount) << '\n';
    }
}

void BuildLibrary(const std::string& sourceDir, const std::string& output) {
    auto lib = std::make_unique<TProfileLib>(BuildLibraryFromSources(sourceDir));
    lib->FileName = output;
    SaveProfileLib(*lib);
}

} // namespace

void AddLibraryCommands(CLI::App& library) {
    CLI::App* list = library.add_subcommand("list", "List the tables of a section library file: index, kind, "
                                                    "name, rows, columns (tab-separated)");
    auto listPath = std::make_shared<std::string>();
    list->add_option("LIB", *listPath, "section library file (.opr)")->required();
    list->callback([listPath] { ListLibrary(*listPath); });

    CLI::App* build = library.add_subcommand("build", "Build a section library file from its text sources");
    auto sourceDir = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    build->add_option("SOURCE_DIR", *sourceDir, "folder holding library.tsv and the files it names")
        ->required();
    build->add_option("-o,--output", *output, "library file to write (replaced as a whole)")->required();
    build->callback([sourceDir, output] { BuildLibrary(*sourceDir, *output); });
}

} // namespace orvex
