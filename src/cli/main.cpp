#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"orvexcalc - allowable-stress checks and designs of steel members"};
    app.set_version_flag("--version", "orvexcalc 1.0");
    CLI11_PARSE(app, argc, argv);
    return 0;
}
