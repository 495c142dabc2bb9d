"""A private network for the update-check scenarios: the shipped program asks
https://vexasoft.example/... (the address of its language pack) and must get
this test's answer, without any traffic leaving the machine and without a
test build of the program.

The scenarios run in a network and mount namespace of their own
(`unshare --net --mount`, as root). Inside it:
  - the loopback interface is up; with "online", a veth pair with addresses
    from the documentation range 198.51.100.0/24 and a default route through
    its peer (Wine 8 calls a machine without an adapter that has a gateway
    "not connected"); "offline" has no such adapter;
  - a hosts file that maps vexasoft.example to 127.0.0.1 is bind-mounted over
    /etc/hosts;
  - a test certificate authority (made here with openssl, kept in the build
    folder) is appended to a copy of the system's CA bundle, bind-mounted
    over /etc/ssl/certs/ca-certificates.crt, where Wine's crypt32 reads the
    trusted roots;
  - an HTTPS server (Python's http.server with ssl) listens on 127.0.0.1:443
    with a certificate of that authority for vexasoft.example and answers
    the version request with the scenario's text.
"""

import http.server
import os
import shutil
import ssl
import subprocess
import threading
from pathlib import Path

HOST = "vexasoft.example"
VERSION_REQUEST = "/software/Magnifier/version/check/"
PRODUCT_PAGE = "https://vexasoft.example/software/Magnifier/"
CA_BUNDLE = Path("/etc/ssl/certs/ca-certificates.crt")
HOSTS = Path("/etc/hosts")
# Addresses of the veth pair (documentation range) and its gateway.
LOCAL_ADDRESS = "198.51.100.1/24"
GATEWAY_ADDRESS = "198.51.100.2/24"
GATEWAY = "198.51.100.2"

SERVER = None  # the running VersionServer inside the namespace


def namespace_problem():
    """Why the namespace cannot be made here, or None."""
    if os.geteuid() != 0:
        return "the scenarios need root to make a network and mount namespace (unshare --net --mount)"
    for tool in ("unshare", "ip", "openssl", "mount"):
        if shutil.which(tool) is None:
            return "the tool %r is missing (scripts/setup.sh installs it)" % tool
    if not CA_BUNDLE.exists():
        return "%s is missing" % CA_BUNDLE
    probe = subprocess.run(["unshare", "--net", "--mount", "true"], stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT)
    if probe.returncode != 0:
        return "unshare --net --mount fails here: %s" % probe.stdout.decode(errors="replace").strip()
    return None


def _run(*arguments):
    result = subprocess.run(list(arguments), stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if result.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(arguments), result.stdout.decode(errors="replace")))


def _certificates(folder):
    """The test authority and the server's certificate for HOST, made once."""
    folder.mkdir(parents=True, exist_ok=True)
    ca_key, ca_cert = folder / "ca.key", folder / "ca.crt"
    key, cert = folder / "server.key", folder / "server.crt"
    if cert.exists() and ca_cert.exists():
        return ca_cert, cert, key
    _run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days", "3650",
         "-keyout", str(ca_key), "-out", str(ca_cert), "-subj", "/CN=Vexa Test Authority",
         "-addext", "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    request = folder / "server.csr"
    _run("openssl", "req", "-newkey", "rsa:2048", "-nodes", "-sha256", "-keyout", str(key), "-out", str(request),
         "-subj", "/CN=%s" % HOST)
    extensions = folder / "server.ext"
    extensions.write_text("subjectAltName=DNS:%s\nextendedKeyUsage=serverAuth\n"
                          "basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n" % HOST)
    _run("openssl", "x509", "-req", "-sha256", "-days", "825", "-in", str(request), "-CA", str(ca_cert),
         "-CAkey", str(ca_key), "-CAcreateserial", "-out", str(cert), "-extfile", str(extensions))
    return ca_cert, cert, key


def _bind_over(target, content, folder):
    copy = folder / ("bound-" + target.name)
    copy.write_bytes(content)
    _run("mount", "--bind", str(copy), str(target))


class VersionServer:
    """The maker's server as far as the check sees it: the answer to the
    version request (settable), 404 for anything else, every path asked for
    recorded."""

    def __init__(self, cert, key):
        self.answer = b"*1.20"
        self.requests = []
        self.lock = threading.Lock()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                with server.lock:
                    server.requests.append(self.path)
                    body = server.answer if self.path == VERSION_REQUEST else None
                if body is None:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *arguments):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 443), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(str(cert), str(key))
        self.httpd.socket = context.wrap_socket(self.httpd.socket, server_side=True)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def version_requests(self):
        with self.lock:
            return [path for path in self.requests if path == VERSION_REQUEST]

    def clear(self, answer=b"*1.20"):
        with self.lock:
            self.requests = []
            self.answer = answer


def enter(mode, folder):
    """Sets the namespace up (the caller runs in it, as root) and starts the
    server; `mode` is "online" or "offline"."""
    global SERVER
    folder = Path(folder)
    _run("ip", "link", "set", "lo", "up")
    if mode == "online":
        _run("ip", "link", "add", "vexa0", "type", "veth", "peer", "name", "vexa1")
        _run("ip", "addr", "add", LOCAL_ADDRESS, "dev", "vexa0")
        _run("ip", "addr", "add", GATEWAY_ADDRESS, "dev", "vexa1")
        _run("ip", "link", "set", "vexa0", "up")
        _run("ip", "link", "set", "vexa1", "up")
        _run("ip", "route", "add", "default", "via", GATEWAY, "dev", "vexa0")
    ca_cert, cert, key = _certificates(folder)
    hosts = HOSTS.read_bytes() if HOSTS.exists() else b"127.0.0.1 localhost\n"
    _bind_over(HOSTS, hosts.rstrip(b"\n") + b"\n127.0.0.1 %s\n" % HOST.encode(), folder)
    bundle = CA_BUNDLE.read_bytes()
    _bind_over(CA_BUNDLE, bundle.rstrip(b"\n") + b"\n" + ca_cert.read_bytes(), folder)
    SERVER = VersionServer(cert, key)
    return SERVER
