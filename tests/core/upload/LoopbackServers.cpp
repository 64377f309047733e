#include "core/upload/LoopbackServers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace zavtest {
namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    bind(s, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    close(s);
    return ntohs(address.sin_port);
}

bool Accepts(int port) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    const bool open = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return open;
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

}  // namespace

LoopbackServer::LoopbackServer(std::string scratch, std::string program)
    : scratch_(std::move(scratch)),
      program_(std::move(program)),
      site_(scratch_ + "/site"),
      port_(FreePort()) {
    std::filesystem::create_directories(site_);
}

void LoopbackServer::Start() {
    // Nothing of the caller's output: a server left behind by a run that
    // died would otherwise hold its pipe open, and whatever reads that
    // output (ctest, a shell pipe) would wait for ever.
    const std::string command =
        "exec " + program_ + " " + Arguments() + " </dev/null >>" + scratch_ + "/log 2>&1";
    pid_ = fork();
    if (pid_ == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int i = 0; i < 200 && !Accepts(port_); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    if (!Accepts(port_)) throw std::runtime_error(program_ + " did not start");
}

void LoopbackServer::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
    for (int i = 0; i < 200 && Accepts(port_); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
}

SftpServer::SftpServer(const std::string& scratch) : LoopbackServer(scratch, "/usr/sbin/sshd") {
    std::filesystem::create_directories("/run/sshd");
    std::filesystem::create_directories(SshFolder());
    const std::string& d = scratch_;
    Run("ssh-keygen -q -t ed25519 -N '' -f " + d +
        "/host_key && ssh-keygen -q -t ed25519 -N '' "
        "-f " +
        SshFolder() + "/id_ed25519 && cp " + SshFolder() + "/id_ed25519.pub " + d +
        "/authorized_keys");
    Run("printf '[127.0.0.1]:%s ' " + std::to_string(port_) + " > " + SshFolder() +
        "/known_hosts && cat " + d + "/host_key.pub >> " + SshFolder() + "/known_hosts");
    Write(d + "/sshd_config", "Port " + std::to_string(port_) +
                                  "\nListenAddress 127.0.0.1\nHostKey " + d +
                                  "/host_key\nAuthorizedKeysFile " + d +
                                  "/authorized_keys\nUsePAM no\nStrictModes no\nPidFile " + d +
                                  "/sshd.pid\nSubsystem sftp internal-sftp\n"
                                  "PasswordAuthentication no\nLogLevel ERROR\n");
    Start();
}

std::string SftpServer::Arguments() const {
    return "-D -e -f " + scratch_ + "/sshd_config";
}

std::string SftpServer::Url() const {
    return "sftp://root@127.0.0.1:" + std::to_string(port_) + site_ + "/";
}

// Apache serves as "nobody": the site and its lock folder are open to it.
WebDavServer::WebDavServer(const std::string& scratch, bool tls)
    : LoopbackServer(scratch, "/usr/sbin/apache2"), tls_(tls) {
    const std::string& d = scratch_;
    std::filesystem::create_directories(d + "/lock");
    Run("chmod 0777 " + d + " " + site_ + " " + d + "/lock && printf '%s:%s\\n' " +
        std::string(kUser) + " $(openssl passwd -apr1 " + kPassword + ") > " + d + "/htpasswd");
    std::string modules;
    for (const char* module : {"mpm_prefork", "authz_core", "authn_core", "authn_file",
                               "auth_basic", "authz_user", "dav", "dav_fs", "socache_shmcb", "ssl"})
        modules += "LoadModule " + std::string(module) + "_module /usr/lib/apache2/modules/mod_" +
                   module + ".so\n";
    if (tls) {
        Run("openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
            "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout " +
            d + "/key.pem -out " + d + "/cert.pem 2>/dev/null");
        modules += "SSLEngine on\nSSLCertificateFile " + d + "/cert.pem\nSSLCertificateKeyFile " +
                   d + "/key.pem\n";
    }
    Write(d + "/httpd.conf",
          modules + "ServerName 127.0.0.1\nListen 127.0.0.1:" + std::to_string(port_) +
              "\nUser nobody\nGroup nogroup\nPidFile " + d + "/httpd.pid\nErrorLog " + d +
              "/error.log\nMutex file:" + d + "/lock\nDavLockDB " + d + "/lock/dav\nDocumentRoot " +
              site_ + "\n<Directory " + site_ +
              ">\n  Dav On\n  AuthType Basic\n  AuthName site\n"
              "  AuthUserFile " +
              d +
              "/htpasswd\n  Require valid-user\n"
              "</Directory>\n");
    Start();
}

// One process, in the foreground, so that stopping it stops the server.
std::string WebDavServer::Arguments() const {
    return "-X -d " + scratch_ + " -f " + scratch_ + "/httpd.conf";
}

std::string WebDavServer::Url() const {
    return (tls_ ? "https://" : "http://") + std::string(kUser) +
           "@127.0.0.1:" + std::to_string(port_) + "/";
}

// A failed login answers at once: the test sees the refusal, not a pause.
FtpServer::FtpServer(const std::string& scratch) : LoopbackServer(scratch, "/usr/bin/python3") {
    Write(scratch_ + "/ftpd.py",
          "import sys\n"
          "from pyftpdlib.authorizers import DummyAuthorizer\n"
          "from pyftpdlib.handlers import FTPHandler\n"
          "from pyftpdlib.servers import FTPServer\n"
          "port, site, user, password = sys.argv[1:]\n"
          "FTPHandler.authorizer = DummyAuthorizer()\n"
          "FTPHandler.authorizer.add_user(user, password, site, perm='elradfmw')\n"
          "FTPHandler.auth_failed_timeout = 0\n"
          "FTPServer(('127.0.0.1', int(port)), FTPHandler).serve_forever()\n");
    Start();
}

std::string FtpServer::Arguments() const {
    return scratch_ + "/ftpd.py " + std::to_string(port_) + " " + site_ + " " + kUser + " " +
           kPassword;
}

std::string FtpServer::Url() const {
    return "ftp://" + std::string(kUser) + "@127.0.0.1:" + std::to_string(port_) + "/";
}

}  // namespace zavtest
