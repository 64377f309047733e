// Where the web site's password is kept between runs: the desktop's own
// secret store (libsecret on Linux, the Credential Manager on Windows), never
// the settings file. Each platform's store is one file of the window's
// support folder; the rules that use it only know this interface.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace zav {

class SecretStore {
public:
    virtual ~SecretStore() = default;
    // The password kept for the site's address; nothing when none is kept or
    // the store cannot be reached.
    virtual std::optional<std::string> Find(const std::string& site) = 0;
    // False when the store cannot keep it (no desktop keyring running).
    virtual bool Keep(const std::string& site, const std::string& password) = 0;
};

}  // namespace zav
