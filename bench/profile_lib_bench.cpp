// Loading a section library file, beside a plain read of the same file into a buffer: the
// difference is what reading the tables costs on top of the disk.

#include "library/ProfileLibFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace orvex;

// A 24-bit BMP file of 64 x 64 pixels.
TPicture Picture(int seed) {
    const std::uint32_t pixelBytes = 64 * 64 * 3;
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i, value >>= 8)
            bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    };
    bytes.push_back('B');
    bytes.push_back('M');
    for (const std::uint32_t value : {54 + pixelBytes, 0u, 54u, 40u, 64u, 64u})
        put(value, 4);
    put(1, 2);
    put(24, 2);
    for (const std::uint32_t value : {0u, pixelBytes, 2835u, 2835u, 0u, 0u})
        put(value, 4);
    for (std::uint32_t i = 0; i < pixelBytes; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 31 + static_cast<std::uint32_t>(seed)));
    return std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

// `tables` full tables: 100 rows of 22 values, names filling their fields, a picture each.
std::unique_ptr<TProfileLib> FullLibrary(int tables) {
    auto lib = std::make_unique<TProfileLib>();
    lib->TableCount = static_cast<std::uint8_t>(tables);
    for (int t = 0; t < tables; ++t) {
        TSectionTable& table = lib->Tables[static_cast<std::size_t>(t)];
        table.Kind = static_cast<std::uint8_t>(t % 8);
        table.TableName = "Generated section table ";
        table.TableName += std::to_string(100 + t);
        table.RowCount = kMaxRows;
        table.ColCount = kMaxColumns;
        for (std::size_t c = 0; c < kMaxColumns; ++c) {
            table.ColNames[c] = "C";
            table.ColNames[c] += std::to_string(100 + c);
        }
        for (std::size_t r = 0; r < kMaxRows; ++r) {
            table.RowNames[r] =
                "SECTION" + std::to_string(100000000000 + r * 7 + static_cast<std::size_t>(t));
            for (std::size_t c = 0; c < kMaxColumns; ++c)
                table.Values[r][c] = static_cast<double>(r * kMaxColumns + c) / 7.0;
        }
        table.Picture = Picture(t);
    }
    return lib;
}

// The library file of `tables` tables, written once per size and removed at exit.
const std::string& LibraryFile(int tables) {
    struct Files {
        std::map<int, std::string> paths;
        ~Files() {
            for (const auto& [count, path] : paths)
                std::remove(path.c_str());
        }
    };
    static Files files;
    auto found = files.paths.find(tables);
    if (found != files.paths.end())
        return found->second;
    auto lib = FullLibrary(tables);
    lib->FileName = "/tmp/orvex-bench-" + std::to_string(::getpid()) + "-" + std::to_string(tables) + ".opr";
    SaveProfileLib(*lib);
    return files.paths.emplace(tables, lib->FileName).first->second;
}

void BM_LoadProfileLib(benchmark::State& state) {
    const std::string& path = LibraryFile(static_cast<int>(state.range(0)));
    auto lib = std::make_unique<TProfileLib>();
    lib->FileName = path;
    for (auto _ : state) {
        LoadProfileLib(*lib); // a library read again: its strings keep their storage
        benchmark::DoNotOptimize(lib->Tables[0].Values[0][0]);
        benchmark::ClobberMemory();
    }
    struct stat info {};
    ::stat(path.c_str(), &info);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * info.st_size);
}

// The same into a new library each time, as at start-up: every name needs its own storage.
void BM_LoadProfileLibIntoNewLibrary(benchmark::State& state) {
    const std::string& path = LibraryFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto lib = std::make_unique<TProfileLib>();
        lib->FileName = path;
        LoadProfileLib(*lib);
        benchmark::DoNotOptimize(lib->Tables[0].Values[0][0]);
    }
}

void BM_ReadFileIntoBuffer(benchmark::State& state) {
    const std::string& path = LibraryFile(static_cast<int>(state.range(0)));
    std::int64_t size = 0;
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat info {};
        ::fstat(fd, &info);
        size = info.st_size;
        std::string buffer(static_cast<std::size_t>(size), '\0');
        std::size_t used = 0;
        while (used < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
            if (n <= 0)
                break;
            used += static_cast<std::size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
}

BENCHMARK(BM_LoadProfileLib)->Arg(1)->Arg(20);
BENCHMARK(BM_LoadProfileLibIntoNewLibrary)->Arg(20);
BENCHMARK(BM_ReadFileIntoBuffer)->Arg(1)->Arg(20);

} // namespace
