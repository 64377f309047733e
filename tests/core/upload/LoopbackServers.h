// Real servers for the upload tests, on 127.0.0.1 only, started and stopped
// by the test: Debian's sshd (SFTP, an ed25519 key), Apache's mod_dav
// (WebDAV behind a password), pyftpdlib (FTP) and an S3 endpoint of Python's
// that checks every signature with botocore, each with its files in a
// scratch folder.
#pragma once

#include <sys/types.h>

#include <string>

namespace zavtest {

class LoopbackServer {
public:
    // The account of the servers with a password (WebDAV, FTP).
    static constexpr const char* kUser = "scorer";
    static constexpr const char* kPassword = "arena-secret";
    ~LoopbackServer() { Stop(); }
    // Starts it again on the same port, after Stop.
    void Start();
    void Stop();
    int Port() const { return port_; }
    // Where the uploaded files land.
    const std::string& Site() const { return site_; }

protected:
    LoopbackServer(std::string scratch, std::string program);
    virtual std::string Arguments() const = 0;
    std::string scratch_, program_, site_;
    int port_;
    pid_t pid_ = 0;
};

class SftpServer : public LoopbackServer {
public:
    explicit SftpServer(const std::string& scratch);
    // The client's ~/.ssh: its key and the server's key in known_hosts.
    std::string SshFolder() const { return scratch_ + "/client"; }
    std::string Url() const;

private:
    std::string Arguments() const override;
};

class WebDavServer : public LoopbackServer {
public:
    // `tls`: https with a certificate of its own, which no client trusts.
    explicit WebDavServer(const std::string& scratch, bool tls = false);
    std::string Url() const;

private:
    std::string Arguments() const override;
    bool tls_;
};

// Debian's pyftpdlib: plain FTP, one account.
class FtpServer : public LoopbackServer {
public:
    explicit FtpServer(const std::string& scratch);
    std::string Url() const;

private:
    std::string Arguments() const override;
};

// S3-compatible, path-style, one bucket: PUT, GET and ListObjectsV2 (two keys
// a page, so that a client must follow the continuation). Each request's
// AWS Signature V4 is computed again by botocore: a wrong secret is refused
// with 403 SignatureDoesNotMatch, an unknown key id with InvalidAccessKeyId.
class S3Server : public LoopbackServer {
public:
    static constexpr const char* kBucket = "results";
    static constexpr const char* kKeyId = "ZAVTESTKEYID";
    static constexpr const char* kSecret = "arena/Secret+key";
    static constexpr const char* kRegion = "eu-west-1";
    explicit S3Server(const std::string& scratch);
    std::string Endpoint() const;
    // Where the bucket's objects land, a key's "/" as a folder.
    std::string Bucket() const { return site_ + "/" + kBucket; }
    // "Content-Type | Cache-Control" as the object was stored.
    std::string HeadersOf(const std::string& key) const;
    // Every request, "METHOD KEY-OR-QUERY STATUS" a line.
    std::string Requests() const;

private:
    std::string Arguments() const override;
};

}  // namespace zavtest
