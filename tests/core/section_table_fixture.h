#pragma once

#include "library/ProfileLib.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvex::testing {

struct FixtureRow {
    std::string name;
    std::map<std::string, double> values; // by column name in any letter case; others hold 0
};

// A table with the default columns (or the given ones) and the given rows in order.
inline TSectionTable MakeTable(const std::string& name, TSectionKind kind,
                               const std::vector<FixtureRow>& rows, std::vector<std::string> columns = {}) {
    if (columns.empty())
        columns.assign(DefaultColumnNames.begin(), DefaultColumnNames.end());
    TSectionTable table;
    table.Kind = static_cast<std::uint8_t>(kind);
    table.TableName = name;
    table.ColCount = static_cast<std::uint8_t>(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        table.ColNames[c] = columns[c];
    table.RowCount = static_cast<std::uint8_t>(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        table.RowNames[r] = rows[r].name;
        for (std::size_t c = 0; c < columns.size(); ++c)
            for (const auto& [column, value] : rows[r].values)
                if (SameNameIgnoringCase(column, columns[c]))
                    table.Values[r][c] = value;
    }
    return table;
}

// The library is large; keep it off the stack.
inline std::unique_ptr<TProfileLib> MakeLibrary(const std::vector<TSectionTable>& tables) {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = static_cast<std::uint8_t>(tables.size());
    for (std::size_t t = 0; t < tables.size(); ++t)
        lib->Tables[t] = tables[t];
    return lib;
}

} // namespace orvex::testing
