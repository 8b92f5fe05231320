#include "browser/ole_site.h"

STDMETHODIMP OleSite::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame))
        *out = static_cast<IOleInPlaceFrame*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) OleSite::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) OleSite::Release() {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP OleSite::GetContainer(IOleContainer** out) {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP OleSite::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = host_;
    return S_OK;
}

STDMETHODIMP OleSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                       LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = this;
    AddRef();
    *doc = nullptr;
    GetClientRect(host_, pos);
    GetClientRect(host_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(host_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}
