#include "s/system/network/win/BindStatusCallback.h"

#include "s/system/network/win/ITransferObserver.h"

#include <new>

namespace s::system::network::win {

namespace {

// The interface ids, spelled out so that no id library is needed.
constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIidBindStatusCallback = {
    0x79EAC9C1, 0xBAF9, 0x11CE, {0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B}};

bool sameId(REFIID left, const GUID& right) {
    return IsEqualGUID(left, right) != FALSE;
}

} // namespace

BindStatusCallback* BindStatusCallback::create(ITransferObserver* observer) {
    return new (std::nothrow) BindStatusCallback(observer);
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (sameId(iid, kIidUnknown) || sameId(iid, kIidBindStatusCallback)) {
        *object = static_cast<IBindStatusCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BindStatusCallback::AddRef() {
    return references.fetch_add(1) + 1;
}

ULONG STDMETHODCALLTYPE BindStatusCallback::Release() {
    const ULONG left = references.fetch_sub(1) - 1;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnStartBinding(DWORD, IBinding*) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::GetPriority(LONG*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnLowResource(DWORD) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG,
                                                         LPCWSTR) {
    ITransferObserver* watcher = observer.load();
    if (watcher != nullptr && !watcher->onProgress(progress, progressMax)) {
        return E_ABORT;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnStopBinding(HRESULT, LPCWSTR) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::GetBindInfo(DWORD* flags, BINDINFO*) {
    // An answer about versions must be the server's current one, never a
    // copy the system cached from an earlier check.
    if (flags != nullptr) {
        *flags |= BINDF_GETNEWESTVERSION;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*,
                                                              STGMEDIUM*) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnObjectAvailable(REFIID, IUnknown*) {
    return S_OK;
}

} // namespace s::system::network::win
