// Windows: the password in the user's Credential Manager, as a generic
// credential named after the site.
#include <windows.h>
#include <wincred.h>

#include "support/DesktopSecretStore.h"

namespace zavgui {
namespace {

std::wstring Wide(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                         nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::wstring TargetOf(const std::string& site) {
    return Wide("ZAVscore: " + site);
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
        credential.CredentialBlob =
            reinterpret_cast<LPBYTE>(const_cast<char*>(password.data()));
        credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
        return CredWriteW(&credential, 0) != FALSE;
    }
};

}  // namespace

std::unique_ptr<zav::SecretStore> MakeDesktopSecretStore() {
    return std::make_unique<CredentialManagerStore>();
}

}  // namespace zavgui
