// What a lock is on every system: who holds it; taking and letting it go
// are each system's own (linux/, windows/).
#include "platform/FileLock.h"

namespace zav {

FileLock::~FileLock() {
    Release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, kNone);
        path_ = std::move(other.path_);
    }
    return *this;
}

}  // namespace zav
