// A lock file held for as long as a program runs: the system lets it go
// when the program ends, however it ends, so a lock nobody holds was left by
// a program that no longer runs.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace zav {

class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // A new file at `path`, locked from the moment it has that name (no
    // other program ever finds it there unlocked). Not held when the name is
    // taken (`nameTaken`) or the file cannot be made.
    static FileLock CreateNew(const std::string& path, bool& nameTaken);
    // The file at `path` (made when missing and `create`), locked when no
    // other program holds it and it is still the file named so. `made`, when
    // given, says whether the file was made here.
    static FileLock Take(const std::string& path, bool create, bool* made = nullptr);

    bool IsHeld() const { return handle_ != kNone; }
    // Lets the lock go and keeps the file.
    void Release();
    // Removes the file while still holding it, so that no other program
    // takes it in between, then lets the lock go.
    void RemoveAndRelease();

private:
    static constexpr std::intptr_t kNone = -1;
    FileLock(std::intptr_t handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    std::intptr_t handle_ = kNone;
    std::string path_;
};

}  // namespace zav
