#pragma once
#include <windows.h>

#include <urlmon.h>

#include <atomic>

namespace s::system::network::win {

class ITransferObserver;

// The status callback of a URL-moniker download: passes the progress
// notifications to the downloader's observer and aborts the binding when the
// observer says so. Everything else is left to the moniker's defaults, except
// that a newer copy is always fetched rather than a cached answer.
//
// A COM object on the heap with its own reference count: the moniker may
// hold it a little longer than the download call lasts. The transfer thread
// makes it and detach()es the observer as soon as the download call
// returned, so a late notification reaches nobody.
class BindStatusCallback final : public IBindStatusCallback {
public:
    // A new callback with one reference, held by the caller; null when out
    // of memory.
    static BindStatusCallback* create(ITransferObserver* observer);
    // Forgets the observer; later notifications are answered without it.
    void detach() { observer.store(nullptr); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
    HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) override;
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                         LPCWSTR statusText) override;
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) override;
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                              STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID iid, IUnknown* object) override;

private:
    explicit BindStatusCallback(ITransferObserver* watcher) : observer(watcher) {}
    ~BindStatusCallback() = default;

    std::atomic<ULONG> references{1};
    std::atomic<ITransferObserver*> observer;
};

} // namespace s::system::network::win
