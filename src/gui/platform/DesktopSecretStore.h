// The desktop's secret store for the web site's password.
#pragma once

#include <memory>

#include "upload/SecretStore.h"

namespace zavgui {

// The platform's store: libsecret (the GNOME keyring, KWallet...) on Linux
// (gtk/), the Credential Manager on Windows (msw/).
std::unique_ptr<zav::SecretStore> MakeDesktopSecretStore();

}  // namespace zavgui
