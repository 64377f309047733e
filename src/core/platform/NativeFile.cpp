// What an open file is on every system: who holds it; opening, reading and
// writing are each system's own (linux/, windows/).
#include "platform/NativeFile.h"

#include <utility>

namespace zav {

NativeFile::~NativeFile() {
    Close();
}

NativeFile::NativeFile(NativeFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)), alreadyExisted_(other.alreadyExisted_) {}

NativeFile& NativeFile::operator=(NativeFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, kClosed);
        alreadyExisted_ = other.alreadyExisted_;
    }
    return *this;
}

}  // namespace zav
