// Linux: the password in the desktop's keyring through libsecret, which
// speaks the Secret Service that GNOME's keyring and KWallet both offer.
#include <libsecret/secret.h>

#include "platform/DesktopSecretStore.h"

namespace zavgui {
namespace {

const SecretSchema* UploadSchema() {
    static const SecretSchema schema = {
        "org.zavscore.Upload",
        SECRET_SCHEMA_NONE,
        {{"site", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &schema;
}

class LibsecretStore : public zav::SecretStore {
public:
    std::optional<std::string> Find(const std::string& site) override {
        GError* error = nullptr;
        gchar* password = secret_password_lookup_sync(UploadSchema(), nullptr, &error, "site",
                                                      site.c_str(), nullptr);
        if (error) g_error_free(error);
        if (!password) return std::nullopt;
        std::string found = password;
        secret_password_free(password);
        return found;
    }

    bool Keep(const std::string& site, const std::string& password) override {
        GError* error = nullptr;
        const std::string label = "ZAVscore: " + site;
        const gboolean kept = secret_password_store_sync(UploadSchema(), SECRET_COLLECTION_DEFAULT,
                                                         label.c_str(), password.c_str(), nullptr,
                                                         &error, "site", site.c_str(), nullptr);
        if (error) g_error_free(error);
        return kept;
    }
};

}  // namespace

std::unique_ptr<zav::SecretStore> MakeDesktopSecretStore() {
    return std::make_unique<LibsecretStore>();
}

}  // namespace zavgui
