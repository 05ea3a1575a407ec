#pragma once

// Helpers shared by the tests of the library files: a scratch folder and small fixture files.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvex::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvex-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A 24-bit Windows BMP file of the given size, its pixels a gradient so no two pictures of
// different sizes share their bytes.
inline std::string MakeBmp(std::int32_t width, std::int32_t height) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height < 0 ? -height : height);
    std::string out;
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i, value >>= 8)
            out.push_back(static_cast<char>(value & 0xFF));
    };
    out += "BM";
    put(54 + pixelBytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixelBytes, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (std::uint32_t i = 0; i < pixelBytes; ++i)
        out.push_back(static_cast<char>(i * 7 + static_cast<std::uint32_t>(width)));
    return out;
}

inline std::shared_ptr<const std::vector<std::uint8_t>> PictureOf(const std::string& bytes) {
    return std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
}

} // namespace orvex::test
