#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/NativePath.h"

namespace zavtest {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder =
            fs::temp_directory_path() / ("zavtest-" + std::to_string(random() % 100000000));
        if (fs::create_directory(folder)) {
            path_ = zav::Utf8Path(folder);
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(zav::NativePath(path_), ignored);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(zav::NativePath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::size_t FilesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(zav::NativePath(folder)), fs::directory_iterator()));
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(zav::NativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace zavtest
