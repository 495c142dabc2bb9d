#pragma once
#include <windows.h>

#include <urlmon.h>
#include <wininet.h>

namespace s::system::network::win {

// The functions of WinINet and the URL monikers that the downloader uses.
// Neither library is one the system always loads from its own folder, so
// they are never imported: they are loaded from the system folder on first
// use (s::system::win::SystemLibrary) and kept for the life of the process,
// since transfers abandoned at their time bound may still be inside them.
//
// get() loads once (safe when several threads call it first together); a
// function the system lacks is null and its callers fail as for a failed
// transfer. Any thread.
class InternetApi {
public:
    using GetConnectedState = BOOL(WINAPI*)(LPDWORD, DWORD);
    using Open = HINTERNET(WINAPI*)(LPCWSTR, DWORD, LPCWSTR, LPCWSTR, DWORD);
    using Connect = HINTERNET(WINAPI*)(HINTERNET, LPCWSTR, INTERNET_PORT, LPCWSTR, LPCWSTR, DWORD,
                                       DWORD, DWORD_PTR);
    using OpenRequest = HINTERNET(WINAPI*)(HINTERNET, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR*,
                                           DWORD, DWORD_PTR);
    using SendRequest = BOOL(WINAPI*)(HINTERNET, LPCWSTR, DWORD, LPVOID, DWORD);
    using QueryInfo = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD);
    using ReadFile = BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD);
    using SetOption = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, DWORD);
    using CloseHandle = BOOL(WINAPI*)(HINTERNET);
    using DownloadToFile = HRESULT(WINAPI*)(LPUNKNOWN, LPCWSTR, LPCWSTR, DWORD,
                                            LPBINDSTATUSCALLBACK);

    static const InternetApi& get();

    // INTERNET_CONNECTION_OFFLINE: the only state that is not a connection.
    static constexpr DWORD kOfflineOnly = 0x20;
    // True when InternetGetConnectedState succeeds and reports more than
    // "offline".
    static bool isConnected();

    GetConnectedState getConnectedState = nullptr;
    Open open = nullptr;
    Connect connect = nullptr;
    OpenRequest openRequest = nullptr;
    SendRequest sendRequest = nullptr;
    QueryInfo queryInfo = nullptr;
    ReadFile readFile = nullptr;
    SetOption setOption = nullptr;
    CloseHandle closeHandle = nullptr;
    DownloadToFile downloadToFile = nullptr;

    // True when every WinINet function of the HTTP transfer is there.
    bool hasHttp() const {
        return open != nullptr && connect != nullptr && openRequest != nullptr &&
               sendRequest != nullptr && queryInfo != nullptr && readFile != nullptr &&
               closeHandle != nullptr;
    }

private:
    InternetApi();
};

} // namespace s::system::network::win
