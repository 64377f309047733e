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
#include <iterator>
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

S3Server::S3Server(const std::string& scratch) : LoopbackServer(scratch, "/usr/bin/python3") {
    std::filesystem::create_directories(Bucket());
    Write(scratch_ + "/s3.py", R"PY(import hashlib, hmac, os, sys, threading
from urllib.parse import unquote, parse_qs
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from xml.sax.saxutils import escape
from botocore.auth import S3SigV4Auth
from botocore.awsrequest import AWSRequest
from botocore.credentials import Credentials

port, root, meta, log, key_id, secret, region = sys.argv[1:]
PAGE = 2
lock = threading.Lock()

def refusal(code):
    return 403 if code in ('SignatureDoesNotMatch', 'InvalidAccessKeyId', 'AccessDenied') else 400

class Handler(BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def answer(self, status, body=b'', kind='application/xml'):
        with lock, open(log, 'a') as f:
            f.write('%s %s %d\n' % (self.command, unquote(self.path), status))
        self.send_response(status)
        self.send_header('Content-Type', kind)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def error(self, status, code):
        self.answer(status, ('<?xml version="1.0" encoding="UTF-8"?>\n<Error><Code>%s</Code>'
                             '<Message>refused</Message></Error>' % code).encode())

    def refused(self, body):
        auth = self.headers.get('Authorization', '')
        if not auth.startswith('AWS4-HMAC-SHA256 '):
            return 'AccessDenied'
        fields = dict(p.strip().split('=', 1) for p in auth[17:].split(',') if '=' in p)
        scope = fields.get('Credential', '').split('/')
        if scope[0] != key_id:
            return 'InvalidAccessKeyId'
        if scope[2:] != [region, 's3', 'aws4_request']:
            return 'AuthorizationHeaderMalformed'
        content = self.headers.get('x-amz-content-sha256')
        if content is None:
            return 'InvalidRequest'
        if content != 'UNSIGNED-PAYLOAD' and content != hashlib.sha256(body).hexdigest():
            return 'XAmzContentSHA256Mismatch'
        names = fields.get('SignedHeaders', '').split(';')
        if not {'host', 'x-amz-date', 'x-amz-content-sha256'} <= set(names):
            return 'AccessDenied'
        request = AWSRequest(method=self.command, url='http://' + self.headers['Host'] + self.path,
                             headers={n: self.headers.get(n, '') for n in names}, data=body)
        request.context['timestamp'] = self.headers['x-amz-date']
        signer = S3SigV4Auth(Credentials(key_id, secret), 's3', region)
        expected = signer.signature(
            signer.string_to_sign(request, signer.canonical_request(request)), request)
        if not hmac.compare_digest(expected, fields.get('Signature', '')):
            return 'SignatureDoesNotMatch'
        return None

    def target(self):
        path, _, query = self.path.partition('?')
        bucket, _, key = path[1:].partition('/')
        return unquote(bucket), unquote(key), parse_qs(query)

    def checked(self, body):
        code = self.refused(body)
        if code:
            self.error(refusal(code), code)
            return None
        bucket, key, query = self.target()
        if not os.path.isdir(os.path.join(root, bucket)) or '/' in bucket or bucket in ('.', '..'):
            self.error(404, 'NoSuchBucket')
            return None
        if '..' in key.split('/'):
            self.error(400, 'InvalidArgument')
            return None
        return bucket, key, query

    def do_PUT(self):
        body = self.rfile.read(int(self.headers.get('Content-Length', '0')))
        target = self.checked(body)
        if not target:
            return
        bucket, key, _ = target
        for folder, data in ((root, body), (meta, ('%s | %s' % (
                self.headers.get('Content-Type'), self.headers.get('Cache-Control'))).encode())):
            path = os.path.join(folder, bucket, key)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data)
        self.answer(200, b'')

    def do_GET(self):
        target = self.checked(b'')
        if not target:
            return
        bucket, key, query = target
        base = os.path.join(root, bucket)
        if query.get('list-type') == ['2']:
            prefix = query.get('prefix', [''])[0]
            keys = sorted(os.path.relpath(os.path.join(d, f), base).replace(os.sep, '/')
                          for d, _, files in os.walk(base) for f in files)
            keys = [k for k in keys if k.startswith(prefix)]
            start = int(query.get('continuation-token', ['<0>'])[0].strip('<>'))
            page = keys[start:start + PAGE]
            more = start + PAGE < len(keys)
            xml = ('<?xml version="1.0" encoding="UTF-8"?>\n<ListBucketResult xmlns='
                   '"http://s3.amazonaws.com/doc/2006-03-01/"><Name>%s</Name><Prefix>%s</Prefix>'
                   '<KeyCount>%d</KeyCount><IsTruncated>%s</IsTruncated>' % (
                       bucket, escape(prefix), len(page), 'true' if more else 'false'))
            if more:
                xml += '<NextContinuationToken>%s</NextContinuationToken>' % escape(
                    '<%d>' % (start + PAGE))
            xml += ''.join('<Contents><Key>%s</Key><Size>1</Size></Contents>' % escape(k)
                           for k in page)
            self.answer(200, (xml + '</ListBucketResult>').encode())
            return
        path = os.path.join(base, key)
        if not key or not os.path.isfile(path):
            self.error(404, 'NoSuchKey')
            return
        with open(path, 'rb') as f:
            self.answer(200, f.read(), 'application/octet-stream')

ThreadingHTTPServer(('127.0.0.1', int(port)), Handler).serve_forever()
)PY");
    Start();
}

std::string S3Server::Arguments() const {
    return scratch_ + "/s3.py " + std::to_string(port_) + " " + site_ + " " + scratch_ + "/meta " +
           scratch_ + "/requests " + kKeyId + " '" + kSecret + "' " + kRegion;
}

std::string S3Server::Endpoint() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::string S3Server::HeadersOf(const std::string& key) const {
    std::ifstream file(scratch_ + "/meta/" + kBucket + "/" + key);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string S3Server::Requests() const {
    std::ifstream file(scratch_ + "/requests");
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace zavtest
