#include "upload/SiteConnection.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/CurlLibrary.h"
#include "upload/S3Requests.h"
#include "upload/SiteListings.h"

namespace zav {
namespace {

constexpr long kConnectSeconds = 15;
// A transfer that moves nothing for this long is a lost connection.
constexpr long kStalledSeconds = 30;

// An answer (a listing, an arena entry, an S3 error or listing page) larger
// than this is not one a site sends: the transfer stops rather than fill the
// memory.
constexpr std::size_t kMaxAnswerBytes = 16 << 20;
// A listing of more pages than this (a thousand keys each) is not followed.
constexpr int kMaxListPages = 100;

struct Reading {
    const std::string& bytes;
    std::size_t offset = 0;
};

size_t ReadBytes(char* buffer, size_t size, size_t count, void* user) {
    auto& reading = *static_cast<Reading*>(user);
    const std::size_t n = std::min(size * count, reading.bytes.size() - reading.offset);
    std::memcpy(buffer, reading.bytes.data() + reading.offset, n);
    reading.offset += n;
    return n;
}

// The transfer uploads `reading`'s bytes, which must outlive it.
void SendBytes(const CurlLibrary& api, CURL* curl, Reading& reading) {
    api.easySetopt(curl, CURLOPT_UPLOAD, 1L);
    api.easySetopt(curl, CURLOPT_READFUNCTION, ReadBytes);
    api.easySetopt(curl, CURLOPT_READDATA, &reading);
    api.easySetopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(reading.bytes.size()));
}

// What a server answers, kept up to the bound (a larger answer stops the
// transfer rather than fill the memory), or dropped when nobody reads it.
size_t KeepBytes(char* data, size_t size, size_t count, void* user) {
    if (!user) return size * count;
    auto& kept = *static_cast<std::string*>(user);
    if (kept.size() + size * count > kMaxAnswerBytes) return 0;
    kept.append(data, size * count);
    return size * count;
}

size_t KeepAnswer(char* data, size_t size, size_t count, void* user) {
    auto& answer = *static_cast<std::string*>(user);
    if (answer.size() + size * count > kMaxAnswerBytes) return 0;
    answer.append(data, size * count);
    return size * count;
}

int StopWhenAsked(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* stop = static_cast<const std::atomic<bool>*>(user);
    return stop && stop->load() ? 1 : 0;
}

// Keeps how the server's key compared with known_hosts, so that a refusal
// can say whether the server is unknown or its key changed.
int CheckHostKey(CURL*, const curl_khkey*, const curl_khkey*, curl_khmatch match, void* user) {
    *static_cast<curl_khmatch*>(user) = match;
    return match == CURLKHMATCH_OK ? CURLKHSTAT_FINE : CURLKHSTAT_REJECT;
}

// A path in an SFTP command, quoted as libcurl reads it. "/~/" starts a
// path in the user's home folder, which SFTP takes a relative path to be.
std::string SftpPath(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path.rfind("/~/", 0) == 0 ? path.substr(3) : path) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string FileNameIn(const std::string& relative) {
    return relative.substr(relative.rfind('/') + 1);
}

std::string FolderOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

}  // namespace

std::string TemporaryNameOf(const std::string& relative) {
    const std::string folder = FolderOf(relative);
    return (folder.empty() ? "" : folder + "/") + "." + FileNameIn(relative) + ".upload";
}

struct SiteConnection::Handle {
    explicit Handle(const CurlLibrary& library) : api(library) {}
    const CurlLibrary& api;
    CURL* curl = api.easyInit();
    curl_slist* commands = nullptr;
    curl_slist* headers = nullptr;
    char error[CURL_ERROR_SIZE] = {};
    curl_khmatch hostMatch = CURLKHMATCH_OK;
    std::string answer;  // S3: what the store answered

    ~Handle() {
        Clear();
        api.easyCleanup(curl);
    }
    void Clear() {
        api.slistFreeAll(commands);
        api.slistFreeAll(headers);
        commands = headers = nullptr;
        error[0] = '\0';
        hostMatch = CURLKHMATCH_OK;
        answer.clear();
    }
};

SiteConnection::SiteConnection(UploadAddress site, UploadLogin login, const std::atomic<bool>* stop)
    : site_(std::move(site)), login_(std::move(login)), stop_(stop) {
    std::string error;
    if (const CurlLibrary* library = LoadCurl(error))
        handle_ = std::make_unique<Handle>(*library);
    else
        unavailable_ = {UploadError::CannotConnect, error};
    if (login_.password.empty()) login_.password = site_.password;
}

SiteConnection::~SiteConnection() = default;

namespace {

// Every transfer starts from the library's defaults; the connection itself
// survives curl_easy_reset.
void Prepare(const CurlLibrary& api, CURL* curl, char* error, const UploadAddress& site,
             const UploadLogin& login, const std::atomic<bool>* stop, curl_khmatch* hostMatch,
             const std::string& url) {
    api.easyReset(curl);
    api.easySetopt(curl, CURLOPT_ERRORBUFFER, error);
    api.easySetopt(curl, CURLOPT_URL, url.c_str());
    api.easySetopt(curl, CURLOPT_NOSIGNAL, 1L);  // a background thread
    api.easySetopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    api.easySetopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    api.easySetopt(curl, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    api.easySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    // A server's answer to a store is not ours to print.
    api.easySetopt(curl, CURLOPT_WRITEFUNCTION, KeepBytes);
    api.easySetopt(curl, CURLOPT_WRITEDATA, nullptr);
    api.easySetopt(curl, CURLOPT_XFERINFOFUNCTION, StopWhenAsked);
    api.easySetopt(curl, CURLOPT_XFERINFODATA, stop);
    if (!site.user.empty()) api.easySetopt(curl, CURLOPT_USERNAME, site.user.c_str());
    if (!login.password.empty()) api.easySetopt(curl, CURLOPT_PASSWORD, login.password.c_str());
    if (site.protocol == UploadProtocol::Ftps)
        api.easySetopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (site.protocol == UploadProtocol::S3) {
        // libcurl signs each request (AWS Signature V4) with the key pair.
        const std::string& keyId = login.accessKeyId.empty() ? site.user : login.accessKeyId;
        api.easySetopt(curl, CURLOPT_USERNAME, keyId.c_str());
        api.easySetopt(curl, CURLOPT_AWS_SIGV4, ("aws:amz:" + site.region + ":s3").c_str());
    }
    if (site.protocol != UploadProtocol::Sftp) return;

    // As ssh does: the agent, else the first key of ~/.ssh, and the server
    // checked against known_hosts.
    const std::filesystem::path ssh = login.sshFolder;
    // libcurl keeps its own copies of these texts.
    const std::string knownHosts = (ssh / "known_hosts").string();
    api.easySetopt(curl, CURLOPT_SSH_KNOWNHOSTS, knownHosts.c_str());
    api.easySetopt(curl, CURLOPT_SSH_KEYFUNCTION, CheckHostKey);
    api.easySetopt(curl, CURLOPT_SSH_KEYDATA, hostMatch);
    long methods = login.password.empty() ? 0 : CURLSSH_AUTH_PASSWORD;
    if (std::getenv("SSH_AUTH_SOCK")) methods |= CURLSSH_AUTH_AGENT;
    std::error_code ignored;
    for (const char* name : {"id_ed25519", "id_rsa"}) {
        if (!std::filesystem::exists(ssh / name, ignored)) continue;
        const std::string privateKey = (ssh / name).string();
        std::string publicKey = privateKey + ".pub";
        if (!std::filesystem::exists(publicKey, ignored)) publicKey.clear();
        api.easySetopt(curl, CURLOPT_SSH_PRIVATE_KEYFILE, privateKey.c_str());
        api.easySetopt(curl, CURLOPT_SSH_PUBLIC_KEYFILE, publicKey.c_str());
        methods |= CURLSSH_AUTH_PUBLICKEY;
        break;
    }
    api.easySetopt(curl, CURLOPT_SSH_AUTH_TYPES, methods ? methods : CURLSSH_AUTH_ANY);
}

std::string SshTarget(const UploadAddress& site) {
    return site.port ? "[" + site.host + "]:" + std::to_string(site.port) : site.host;
}

std::string SshCommand(const UploadAddress& site) {
    std::string command = "ssh ";
    if (site.port) command += "-p " + std::to_string(site.port) + " ";
    return command + (site.user.empty() ? "" : site.user + "@") + site.host;
}

// A refused S3 request says why in its answer's <Code>: a wrong key or
// secret is a login to mend, a missing bucket an address to mend.
UploadFailure S3Refusal(long status, const std::string& answer) {
    const std::string code = S3ErrorCode(answer);
    const std::string detail = "HTTP " + std::to_string(status) + (code.empty() ? "" : " " + code);
    if (code == "NoSuchBucket") return {UploadError::NoBucket, detail};
    const bool login = code.empty() || code == "SignatureDoesNotMatch" ||
                       code == "InvalidAccessKeyId" || code == "AccessDenied";
    if (status == 401 || (status == 403 && login)) return {UploadError::LoginRefused, detail};
    return {UploadError::Refused, detail};
}

UploadFailure Outcome(const CurlLibrary& api, CURLcode code, CURL* curl, const char* error,
                      curl_khmatch hostMatch, const UploadAddress& site,
                      const std::string& answer) {
    const std::string detail = error[0] ? error : api.easyStrerror(code);
    switch (code) {
        case CURLE_OK: {
            long status = 0;
            api.easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status);
            const bool overHttp =
                site.protocol == UploadProtocol::WebDav || site.protocol == UploadProtocol::S3;
            if (!overHttp || (status >= 200 && status < 300)) return {};
            if (site.protocol == UploadProtocol::S3) return S3Refusal(status, answer);
            const std::string http = "HTTP " + std::to_string(status);
            if (status == 401 || status == 407) return {UploadError::LoginRefused, http};
            return {UploadError::Refused, http};
        }
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT: return {UploadError::BadAddress, detail};
        case CURLE_LOGIN_DENIED:
        case CURLE_AUTH_ERROR: return {UploadError::LoginRefused, detail};
        case CURLE_PEER_FAILED_VERIFICATION:
            if (site.protocol != UploadProtocol::Sftp) return {UploadError::NotTrusted, detail};
            if (hostMatch == CURLKHMATCH_MISMATCH)
                return {UploadError::HostKeyChanged, SshTarget(site)};
            return {UploadError::HostUnknown, SshCommand(site)};
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_ISSUER_ERROR: return {UploadError::NotTrusted, detail};
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_UPLOAD_FAILED:
        case CURLE_QUOTE_ERROR:
        case CURLE_REMOTE_DISK_FULL:
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE: return {UploadError::Refused, detail};
        case CURLE_ABORTED_BY_CALLBACK: return {UploadError::Stopped, detail};
        default: return {UploadError::CannotConnect, detail};
    }
}

}  // namespace

// One transfer's start: the handle's lists and error of the last one go.
CURL* SiteConnection::Start(const std::string& url) {
    handle_->Clear();
    const CurlLibrary& api = handle_->api;
    CURL* curl = handle_->curl;
    Prepare(api, curl, handle_->error, site_, login_, stop_, &handle_->hostMatch, url);
    if (site_.protocol == UploadProtocol::S3) {
        // S3 wants the payload's hash, which libcurl 7.88 does not send; the
        // upload's own integrity is the connection's (TLS on a real store).
        handle_->headers =
            api.slistAppend(handle_->headers, "x-amz-content-sha256: UNSIGNED-PAYLOAD");
        api.easySetopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
        api.easySetopt(curl, CURLOPT_WRITEFUNCTION, KeepAnswer);
        api.easySetopt(curl, CURLOPT_WRITEDATA, &handle_->answer);
    }
    return curl;
}

UploadFailure SiteConnection::Perform() {
    const CurlLibrary& api = handle_->api;
    const CURLcode code = api.easyPerform(handle_->curl);  // sets the error and host match
    UploadFailure failure = Outcome(api, code, handle_->curl, handle_->error, handle_->hostMatch,
                                    site_, handle_->answer);
    // The detail goes to the status bar and to a scheduled job's log; a
    // server's message may echo what it was sent.
    failure.detail =
        WithoutPassword(WithoutPassword(failure.detail, login_.password), site_.password);
    return failure;
}

UploadFailure SiteConnection::PutReplacing(const std::string& relative, const std::string& bytes) {
    if (!handle_) return unavailable_;
    if (site_.protocol == UploadProtocol::S3) return PutObject(relative, bytes);
    const std::string temporary = TemporaryNameOf(relative);
    if (site_.protocol == UploadProtocol::WebDav) {
        if (UploadFailure failure = MakeWebFolders(FolderOf(relative))) return failure;
        if (UploadFailure failure = PutTemporary(relative, temporary, bytes)) return failure;
        return MoveWebFile(temporary, relative);
    }
    return PutTemporary(relative, temporary, bytes);
}

// SFTP and FTP rename in the same transfer, after the file is stored. An SFTP
// server may refuse to rename onto an existing file, so the old one goes
// first: a visitor may then miss the page for an instant, never read half.
UploadFailure SiteConnection::PutTemporary(const std::string& relative,
                                           const std::string& temporary, const std::string& bytes) {
    CURL* curl = Start(AddressUnder(site_, temporary));
    const CurlLibrary& api = handle_->api;
    Reading reading{bytes};
    SendBytes(api, curl, reading);
    if (site_.protocol == UploadProtocol::Sftp) {
        const std::string from = SftpPath(site_.path + temporary);
        const std::string to = SftpPath(site_.path + relative);
        handle_->commands = api.slistAppend(handle_->commands, ("*rm " + to).c_str());
        handle_->commands =
            api.slistAppend(handle_->commands, ("rename " + from + " " + to).c_str());
    } else if (site_.protocol != UploadProtocol::WebDav) {
        handle_->commands =
            api.slistAppend(handle_->commands, ("RNFR " + FileNameIn(temporary)).c_str());
        handle_->commands =
            api.slistAppend(handle_->commands, ("RNTO " + FileNameIn(relative)).c_str());
    }
    if (handle_->commands) {
        api.easySetopt(curl, CURLOPT_POSTQUOTE, handle_->commands);
        api.easySetopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS,
                       static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
    }
    return Perform();
}

UploadFailure SiteConnection::PutObject(const std::string& relative, const std::string& bytes) {
    CURL* curl = Start(AddressUnder(site_, relative));
    const CurlLibrary& api = handle_->api;
    Reading reading{bytes};
    SendBytes(api, curl, reading);
    // libcurl signs every header it is given, even one it is told not to
    // send ("Expect:"): only headers that travel.
    for (const std::string& header : {"Content-Type: " + S3ContentType(relative, bytes),
                                      "Cache-Control: " + S3CacheControl(relative)})
        handle_->headers = api.slistAppend(handle_->headers, header.c_str());
    api.easySetopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
    return Perform();
}

UploadFailure SiteConnection::MoveWebFile(const std::string& from, const std::string& to) {
    CURL* curl = Start(AddressUnder(site_, from));
    const CurlLibrary& api = handle_->api;
    handle_->headers =
        api.slistAppend(handle_->headers, ("Destination: " + AddressUnder(site_, to)).c_str());
    handle_->headers = api.slistAppend(handle_->headers, "Overwrite: T");
    api.easySetopt(curl, CURLOPT_CUSTOMREQUEST, "MOVE");
    api.easySetopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
    std::string answer;
    api.easySetopt(curl, CURLOPT_WRITEFUNCTION, KeepBytes);
    api.easySetopt(curl, CURLOPT_WRITEDATA, &answer);
    return Perform();
}

// WebDAV stores no file in a missing folder: each one on the way is made
// once per connection (an existing one answers 405). The site's own folders
// come first; one of them that the server will not make (a folder above the
// part it shares) leaves the store itself to say what is wrong.
UploadFailure SiteConnection::MakeWebFolders(const std::string& relative) {
    if (webFoldersMade_.empty()) {
        const std::size_t root = site_.folderUrl.find('/', site_.folderUrl.find("://") + 3);
        for (std::size_t slash = site_.folderUrl.find('/', root + 1); slash != std::string::npos;
             slash = site_.folderUrl.find('/', slash + 1)) {
            const UploadFailure failure = MakeWebFolder(site_.folderUrl.substr(0, slash + 1));
            if (failure && failure.error != UploadError::Refused) return failure;
        }
        webFoldersMade_.push_back("");
    }
    for (std::size_t start = 0; start < relative.size();) {
        const std::size_t slash = std::min(relative.find('/', start), relative.size());
        const std::string made = relative.substr(0, slash);
        start = slash + 1;
        if (std::find(webFoldersMade_.begin(), webFoldersMade_.end(), made) !=
            webFoldersMade_.end())
            continue;
        if (UploadFailure failure = MakeWebFolder(AddressUnder(site_, made) + "/")) return failure;
        webFoldersMade_.push_back(made);
    }
    return {};
}

UploadFailure SiteConnection::MakeWebFolder(const std::string& url) {
    CURL* curl = Start(url);
    const CurlLibrary& api = handle_->api;
    api.easySetopt(curl, CURLOPT_CUSTOMREQUEST, "MKCOL");
    UploadFailure failure = Perform();
    return failure.detail == "HTTP 405" ? UploadFailure{} : failure;
}

UploadFailure SiteConnection::List(const std::string& relative, std::vector<std::string>& names) {
    if (!handle_) return unavailable_;
    if (site_.protocol == UploadProtocol::S3) return ListObjects(relative, names);
    CURL* curl = Start(relative.empty() ? site_.folderUrl : AddressUnder(site_, relative) + "/");
    const CurlLibrary& api = handle_->api;
    std::string answer;
    api.easySetopt(curl, CURLOPT_WRITEFUNCTION, KeepBytes);
    api.easySetopt(curl, CURLOPT_WRITEDATA, &answer);
    if (site_.protocol == UploadProtocol::WebDav) {
        handle_->headers = api.slistAppend(handle_->headers, "Depth: 1");
        api.easySetopt(curl, CURLOPT_CUSTOMREQUEST, "PROPFIND");
        api.easySetopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
    } else {
        api.easySetopt(curl, CURLOPT_DIRLISTONLY, 1L);
    }
    if (UploadFailure failure = Perform()) return failure;
    names.clear();
    if (site_.protocol == UploadProtocol::WebDav) {
        names = NamesInPropfind(answer, site_.path + (relative.empty() ? "" : relative + "/"));
        return {};
    }
    names = NamesInFtpListing(answer);
    return {};
}

// ListObjectsV2, page after page: the keys under the folder's prefix, each
// name kept when it is a file of that folder itself.
UploadFailure SiteConnection::ListObjects(const std::string& relative,
                                          std::vector<std::string>& names) {
    const std::string prefix = site_.path.substr(1) + (relative.empty() ? "" : relative + "/");
    names.clear();
    std::string token;
    for (int page = 0; page < kMaxListPages; ++page) {
        // The query in the order the signature puts it.
        std::string url = site_.bucketUrl + "?";
        if (!token.empty()) url += "continuation-token=" + EscapedUrlPart(token) + "&";
        url += "list-type=2&prefix=" + EscapedUrlPart(prefix);
        Start(url);
        if (UploadFailure failure = Perform()) return failure;
        const std::optional<S3Listing> listing = ReadS3Listing(handle_->answer);
        if (!listing) return {UploadError::Refused, "unreadable listing"};
        for (const std::string& key : listing->keys) {
            if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0) continue;
            const std::string name = key.substr(prefix.size());
            if (name.find('/') == std::string::npos) names.push_back(name);
        }
        if (listing->nextToken.empty()) return {};
        if (listing->nextToken == token) break;  // a store going round in circles
        token = listing->nextToken;
    }
    return {UploadError::Refused, "listing without end"};
}

UploadFailure SiteConnection::Fetch(const std::string& relative, std::string& bytes) {
    if (!handle_) return unavailable_;
    CURL* curl = Start(AddressUnder(site_, relative));
    bytes.clear();
    if (site_.protocol == UploadProtocol::S3) {
        UploadFailure failure = Perform();
        if (!failure) bytes = std::move(handle_->answer);
        return failure;
    }
    const CurlLibrary& api = handle_->api;
    api.easySetopt(curl, CURLOPT_WRITEFUNCTION, KeepBytes);
    api.easySetopt(curl, CURLOPT_WRITEDATA, &bytes);
    return Perform();
}

}  // namespace zav
