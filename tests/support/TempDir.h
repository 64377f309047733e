// A fresh folder per test, removed afterwards, so no test touches real files.
#pragma once

#include <cstddef>
#include <string>

namespace zavtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// The number of entries in a folder.
std::size_t FilesIn(const std::string& folder);

}  // namespace zavtest
