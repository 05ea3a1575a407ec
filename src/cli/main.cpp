#include "LibraryCommands.h"
#include "LibraryExchangeCommands.h"
#include "RunCommand.h"

#include "model/Errors.h"

#include <CLI/CLI.hpp>
#include <QString>
#include <QtGlobal>

#include <iostream>
#include <string>

namespace {

// Qt draws the connection picture offscreen; its notes about the missing desktop session are no
// concern of a headless runner, whose stderr carries only its own messages.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "orvexcalc: " << message.toStdString() << '\n';
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietQtMessages);
    CLI::App app{"orvexcalc - allowable-stress checks and designs of steel members"};
    app.set_version_flag("--version", "orvexcalc 1.0");
    app.require_subcommand(1);
    orvexcalc::AddRunCommand(app);
    CLI::App* library =
        app.add_subcommand("library", "Inspect, build, export and import section library files");
    library->require_subcommand(1);
    orvex::AddLibraryCommands(*library);
    orvex::AddLibraryExchangeCommands(*library);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e); // --help, --version
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2; // a command line that cannot be run, like a job that cannot be
    } catch (const orvex::Error& e) {
        // One line: the library's header message puts a carriage return after the file name, and
        // a message may quote text from a job or file that holds control characters.
        std::string message = e.what();
        for (std::size_t at; (at = message.find('\r')) != std::string::npos;)
            message.replace(at, 1, ": ");
        for (char& c : message)
            if (static_cast<unsigned char>(c) < ' ')
                c = '?';
        std::cerr << "orvexcalc: " << message << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "orvexcalc: internal error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
