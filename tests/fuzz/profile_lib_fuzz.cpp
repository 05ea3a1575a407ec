// Reads arbitrary bytes as a section library file. A file that is refused must leave the library
// as it was; a file that is read must write back to bytes of the same size that read again to
// the same library.

#include "library/ProfileLibFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "profile_lib_fuzz: %s\n", what);
    std::abort();
}

// Libraries are large; the two used here are kept from one input to the next.
orvex::TProfileLib& SentinelLibrary() {
    static const auto lib = std::make_unique<orvex::TProfileLib>();
    lib->TableCount = 1;
    lib->Tables[0] = orvex::TSectionTable{};
    lib->Tables[0].TableName = "KEEP";
    lib->CurrentTable = 5;
    lib->Tables[3].CurrentRow = 9;
    return *lib;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvex;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TProfileLib& lib = SentinelLibrary();
    try {
        ParseProfileLib(bytes, "fuzz.opr", lib);
    } catch (const FileError&) {
        Require(lib.TableCount == 1 && lib.Tables[0].TableName == "KEEP",
                "a refused file changed the library");
        return 0;
    }
    Require(lib.CurrentTable == 5 && lib.Tables[3].CurrentRow == 9, "a load changed the selection");

    // Neither of these may throw: what was read can always be written and read back.
    const std::string written = SerializeProfileLib(lib);
    Require(written.size() == bytes.size(), "the written file differs in size from the one read");
    static const auto again = std::make_unique<TProfileLib>();
    ParseProfileLib(written, "again.opr", *again);
    Require(SerializeProfileLib(*again) == written,
            "the written file does not read back to the same library");
    return 0;
}
