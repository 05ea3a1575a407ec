#include "LibraryExchangeCommands.h"

#include "library/LibrarySources.h"
#include "library/ProfileLib.h"
#include "library/ProfileLibFile.h"
#include "library/TableText.h"
#include "model/AtomicFile.h"
#include "model/Cp1256.h"
#include "model/Errors.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace orvex {

namespace {

struct ExchangeOptions {
    std::string Library;
    std::string Table;
    std::string File;
    std::string Kind;
};

// The longest table name a library file keeps.
constexpr std::size_t kStoredTableNameLength = kTableNameCapacity - 1;

// A library is too large for the stack.
std::unique_ptr<TProfileLib> ReadLibrary(const std::string& path) {
    auto lib = std::make_unique<TProfileLib>();
    lib->FileName = path;
    LoadProfileLib(*lib);
    return lib;
}

// A typed table name as a library holds it: Persian letters the code page lacks become their
// usual stand-ins, so "تیر" finds the table stored as "تير". Nothing when it cannot be stored.
std::optional<std::string> StoredName(const std::string& typed) {
    const std::optional<std::string> bytes = Utf8ToCp1256(typed);
    if (!bytes)
        return std::nullopt;
    return Cp1256ToUtf8(*bytes);
}

std::optional<std::size_t> FindTable(const TProfileLib& lib, const std::string& typed) {
    const std::optional<std::string> name = StoredName(typed);
    if (!name)
        return std::nullopt;
    for (std::size_t t = 0; t < lib.TableCount; ++t)
        if (lib.Tables[t].TableName == *name)
            return t;
    return std::nullopt;
}

std::size_t RequireTable(const TProfileLib& lib, const std::string& typed) {
    if (const std::optional<std::size_t> index = FindTable(lib, typed))
        return *index;
    throw Error("the library " + lib.FileName + " has no table named \"" + typed + "\"");
}

// The exported text for reading on a terminal: UTF-8 with LF line ends.
std::string ReadableText(const std::string& exported) {
    const std::string text = Cp1256ToUtf8(exported);
    std::string readable;
    readable.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            readable.push_back(text[i]);
    return readable;
}

std::uint8_t ParseKind(const std::string& text) {
    std::uint8_t kind = pkI;
    if (!SectionKindFromName(text, kind))
        throw Error("unknown section kind \"" + text + "\" (pkI, pkU, pkL, pkT, pkZ, pkBox, pkPipe or pk2I)");
    return kind;
}

TSectionTable NewTable(const TProfileLib& lib, const ExchangeOptions& options) {
    if (lib.TableCount >= kMaxTables)
        throw Error("the library " + lib.FileName + " already holds " + std::to_string(kMaxTables) +
                    " tables; table \"" + options.Table + "\" cannot be added");
    const std::optional<std::string> name = StoredName(options.Table);
    if (!name)
        throw Error("the table name \"" + options.Table + "\" has a character that Windows-1256 cannot hold");
    if (name->find_first_not_of(" \t") == std::string::npos)
        throw Error("a new table needs a name");
    if (CharacterCount(*name) > kStoredTableNameLength)
        throw Error("the table name \"" + options.Table + "\" is longer than the " +
                    std::to_string(kStoredTableNameLength) + " characters a library file keeps");
    TSectionTable table;
    table.TableName = *name;
    table.Kind = options.Kind.empty() ? static_cast<std::uint8_t>(pkI) : ParseKind(options.Kind);
    return table;
}

void Show(const ExchangeOptions& options) {
    const auto lib = ReadLibrary(options.Library);
    const std::string text = ExportTableText(lib->Tables[RequireTable(*lib, options.Table)]);
    std::cout << ReadableText(text) << std::flush;
}

void Export(const ExchangeOptions& options) {
    const auto lib = ReadLibrary(options.Library);
    const std::string text = ExportTableText(lib->Tables[RequireTable(*lib, options.Table)]);
    WriteFileAtomically(options.File, text);
}

void Import(const ExchangeOptions& options) {
    const auto lib = ReadLibrary(options.Library);
    const std::string bytes = ReadWholeFile(options.File);
    if (const std::optional<std::size_t> existing = FindTable(*lib, options.Table)) {
        if (!options.Kind.empty())
            throw Error("table \"" + options.Table +
                        "\" exists and keeps its kind; --kind is for a new table");
        ImportTableText(lib->Tables[*existing], bytes);
    } else {
        TSectionTable table = NewTable(*lib, options);
        ImportTableText(table, bytes);
        lib->Tables[lib->TableCount] = std::move(table);
        ++lib->TableCount;
    }
    SaveProfileLib(*lib);
}

} // namespace

void AddLibraryExchangeCommands(CLI::App& library) {
    auto options = std::make_shared<ExchangeOptions>();

    CLI::App* show = library.add_subcommand("show", "Print one table as the tab-separated text of the export "
                                                    "(UTF-8, LF line ends)");
    show->add_option("LIB", options->Library, "section library file (.opr)")->required();
    show->add_option("TABLE", options->Table, "table name")->required();
    show->callback([options] { Show(*options); });

    CLI::App* exportCommand = library.add_subcommand(
        "export", "Write one table to a section table text file (Windows-1256, CR LF)");
    exportCommand->add_option("LIB", options->Library, "section library file (.opr)")->required();
    exportCommand->add_option("TABLE", options->Table, "table name")->required();
    exportCommand->add_option("-o,--output", options->File, "text file to write (replaced as a whole)")
        ->required();
    exportCommand->callback([options] { Export(*options); });

    CLI::App* importCommand = library.add_subcommand(
        "import", "Replace a table's sections and columns by those of a section table text file, or add the "
                  "table when the library has none of that name; the library file is rewritten");
    importCommand->add_option("LIB", options->Library, "section library file (.opr)")->required();
    importCommand->add_option("TABLE", options->Table, "table name")->required();
    importCommand->add_option("FILE", options->File, "section table text file")->required();
    importCommand->add_option(
        "--kind", options->Kind,
        "kind of a new table: pkI (default), pkU, pkL, pkT, pkZ, pkBox, pkPipe or pk2I");
    importCommand->callback([options] { Import(*options); });
}

} // namespace orvex
