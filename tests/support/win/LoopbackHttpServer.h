#pragma once
// A small HTTP server on 127.0.0.1 for the Windows tests of the downloader
// and the update check, run by the test itself on a thread of its own (no
// outside server, no network beyond the loopback address).
//
// Each path gets a scripted reply: a body (sent with its length, then the
// connection closes), or headers only with the connection held open until
// releaseHeld() (a server that "hangs"). Unknown paths answer 404. The server
// records how often each path was asked for and the request headers.
// Header-only: the Windows tests include it, the native tests never do.

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vexa::test {

class LoopbackHttpServer {
public:
    LoopbackHttpServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = loopback(0);
        if (listener == INVALID_SOCKET ||
            bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(listener, 16) != 0) {
            return;
        }
        int size = sizeof(address);
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        worker = std::thread([this] { serve(); });
    }

    ~LoopbackHttpServer() {
        stopping.store(true);
        if (worker.joinable()) {
            worker.join();
        }
        releaseHeld();
        if (listener != INVALID_SOCKET) {
            closesocket(listener);
        }
        WSACleanup();
    }

    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool isListening() const { return port != 0; }
    std::uint16_t getPort() const { return port; }

    std::u16string address(const std::string& path) const {
        const std::string text = "http://127.0.0.1:" + std::to_string(port) + path;
        return std::u16string(text.begin(), text.end());
    }

    void answer(const std::string& path, const std::string& body) {
        std::lock_guard<std::mutex> hold(guard);
        routes[path] = Route{body, false};
    }
    // Headers announcing 100 bytes, then nothing until releaseHeld().
    void hang(const std::string& path) {
        std::lock_guard<std::mutex> hold(guard);
        routes[path] = Route{std::string(), true};
    }
    // Closes the connections held open by hang().
    void releaseHeld() {
        std::lock_guard<std::mutex> hold(guard);
        for (SOCKET held : heldSockets) {
            closesocket(held);
        }
        heldSockets.clear();
    }

    int requestsFor(const std::string& path) {
        std::lock_guard<std::mutex> hold(guard);
        return counts[path];
    }
    std::string lastRequest() {
        std::lock_guard<std::mutex> hold(guard);
        return lastHeaders;
    }

    // A loopback port on which nobody listens (connections are refused).
    static std::uint16_t refusedPort() {
        SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = loopback(0);
        bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        int size = sizeof(address);
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
        closesocket(probe);
        return ntohs(address.sin_port);
    }

private:
    struct Route {
        std::string body;
        bool holdOpen = false;
    };

    static sockaddr_in loopback(std::uint16_t portNumber) {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(portNumber);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    // Waits at most `ms` for the socket to become readable.
    static bool readable(SOCKET socketHandle, long ms) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(socketHandle, &set);
        timeval wait = {ms / 1000, (ms % 1000) * 1000};
        return select(0, &set, nullptr, nullptr, &wait) == 1;
    }

    static void sendAll(SOCKET client, const std::string& bytes) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 65536));
            const int count = send(client, bytes.data() + sent, chunk, 0);
            if (count <= 0) {
                return; // the client gave up (an oversized answer it refused)
            }
            sent += static_cast<std::size_t>(count);
        }
    }

    void serve() {
        while (!stopping.load()) {
            if (!readable(listener, 50)) {
                continue;
            }
            SOCKET client = accept(listener, nullptr, nullptr);
            if (client != INVALID_SOCKET) {
                handle(client);
            }
        }
    }

    void handle(SOCKET client) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536 &&
               readable(client, 5000)) {
            const int count = recv(client, buffer, sizeof(buffer), 0);
            if (count <= 0) {
                break;
            }
            request.append(buffer, static_cast<std::size_t>(count));
        }
        const std::size_t pathStart = request.find(' ');
        const std::size_t pathEnd =
            pathStart == std::string::npos ? pathStart : request.find(' ', pathStart + 1);
        const std::string path = pathEnd == std::string::npos
                                     ? std::string()
                                     : request.substr(pathStart + 1, pathEnd - pathStart - 1);
        Route route;
        bool known = false;
        {
            std::lock_guard<std::mutex> hold(guard);
            ++counts[path];
            lastHeaders = request;
            const auto found = routes.find(path);
            if (found != routes.end()) {
                route = found->second;
                known = true;
            }
        }
        if (known && route.holdOpen) {
            sendAll(client, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                            "Content-Length: 100\r\n\r\n");
            std::lock_guard<std::mutex> hold(guard);
            heldSockets.push_back(client);
            return;
        }
        const std::string status = known ? "200 OK" : "404 Not Found";
        const std::string& body = route.body;
        sendAll(client, "HTTP/1.1 " + status +
                            "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                            std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n");
        sendAll(client, body);
        shutdown(client, SD_SEND);
        closesocket(client);
    }

    SOCKET listener = INVALID_SOCKET;
    std::uint16_t port = 0;
    std::atomic<bool> stopping{false};
    std::thread worker;
    std::mutex guard;
    std::map<std::string, Route> routes;
    std::map<std::string, int> counts;
    std::string lastHeaders;
    std::vector<SOCKET> heldSockets;
};

} // namespace vexa::test
