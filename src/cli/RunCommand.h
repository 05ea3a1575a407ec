#pragma once

#include <CLI/CLI.hpp>

namespace orvexcalc {

// Adds `run JOB.json [--format json|text|rtf] [-o OUT]` to the runner.
void AddRunCommand(CLI::App& app);

} // namespace orvexcalc
