#include "s/system/network/win/InternetApi.h"

#include "s/system/win/SystemLibrary.h"

namespace s::system::network::win {

using s::system::win::SystemLibrary;

InternetApi::InternetApi() {
    // Loaded for the life of the process; never freed.
    const HMODULE wininet = SystemLibrary::load(u"wininet.dll");
    getConnectedState =
        SystemLibrary::function<GetConnectedState>(wininet, "InternetGetConnectedState");
    open = SystemLibrary::function<Open>(wininet, "InternetOpenW");
    connect = SystemLibrary::function<Connect>(wininet, "InternetConnectW");
    openRequest = SystemLibrary::function<OpenRequest>(wininet, "HttpOpenRequestW");
    sendRequest = SystemLibrary::function<SendRequest>(wininet, "HttpSendRequestW");
    queryInfo = SystemLibrary::function<QueryInfo>(wininet, "HttpQueryInfoW");
    readFile = SystemLibrary::function<ReadFile>(wininet, "InternetReadFile");
    setOption = SystemLibrary::function<SetOption>(wininet, "InternetSetOptionW");
    closeHandle = SystemLibrary::function<CloseHandle>(wininet, "InternetCloseHandle");
    const HMODULE urlmon = SystemLibrary::load(u"urlmon.dll");
    downloadToFile = SystemLibrary::function<DownloadToFile>(urlmon, "URLDownloadToFileW");
}

const InternetApi& InternetApi::get() {
    static const InternetApi api;
    return api;
}

bool InternetApi::isConnected() {
    const InternetApi& api = get();
    if (api.getConnectedState == nullptr) {
        return false;
    }
    DWORD flags = 0;
    if (!api.getConnectedState(&flags, 0)) {
        return false;
    }
    return flags != kOfflineOnly;
}

} // namespace s::system::network::win
