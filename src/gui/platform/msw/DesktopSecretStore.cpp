// Windows: the password in the user's Credential Manager, as a generic
// credential named after the site.
#include "platform/DesktopSecretStore.h"

// clang-format off
#include <windows.h>  // first: wincred.h needs its types
#include <wincred.h>
// clang-format on

#include "platform/windows/Wide.h"

namespace zavgui {
namespace {

std::wstring TargetOf(const std::string& site) {
    return zav::Wide("ZAVscore: " + site);
}

class CredentialManagerStore : public zav::SecretStore {
public:
    std::optional<std::string> Find(const std::string& site) override {
        PCREDENTIALW credential = nullptr;
        if (!CredReadW(TargetOf(site).c_str(), CRED_TYPE_GENERIC, 0, &credential))
            return std::nullopt;
        std::string password(reinterpret_cast<const char*>(credential->CredentialBlob),
                             credential->CredentialBlobSize);
        CredFree(credential);
        return password;
    }

    bool Keep(const std::string& site, const std::string& password) override {
        std::wstring target = TargetOf(site);
        CREDENTIALW credential{};
        credential.Type = CRED_TYPE_GENERIC;
        credential.TargetName = target.data();
        credential.CredentialBlobSize = static_cast<DWORD>(password.size());
        credential.CredentialBlob = reinterpret_cast<LPBYTE>(const_cast<char*>(password.data()));
        credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
        return CredWriteW(&credential, 0) != FALSE;
    }
};

}  // namespace

std::unique_ptr<zav::SecretStore> MakeDesktopSecretStore() {
    return std::make_unique<CredentialManagerStore>();
}

}  // namespace zavgui
