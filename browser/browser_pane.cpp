#include "browser/browser_pane.h"

#include <exdisp.h>
#include <ole2.h>

#include "browser/ole_site.h"

namespace {

constexpr char kPaneClass[] = "MituBrowserPane";

// The pane owns one reference to each interface and the site.
struct Pane {
    HWND hwnd = nullptr;
    OleSite* site = nullptr;
    IOleObject* object = nullptr;
    IWebBrowser2* browser = nullptr;
};

// The program has one browser pane at a time.
Pane* g_pane = nullptr;

Pane* PaneOf(HWND hwnd) { return reinterpret_cast<Pane*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

template <typename T>
void ReleaseAndClear(T*& p) {
    if (p) p->Release();
    p = nullptr;
}

// Deactivate, close, drop the client site, release: the order the control needs.
void TearDown(Pane& pane) {
    if (pane.object) {
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(pane.object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            inPlace->InPlaceDeactivate();
            inPlace->Release();
        }
        pane.object->Close(OLECLOSE_NOSAVE);
        pane.object->SetClientSite(nullptr);
    }
    ReleaseAndClear(pane.browser);
    ReleaseAndClear(pane.object);
    ReleaseAndClear(pane.site);
}

HWND ControlWindow(Pane& pane) {
    HWND control = nullptr;
    IOleInPlaceObject* inPlace = nullptr;
    if (pane.object &&
        SUCCEEDED(pane.object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->GetWindow(&control);
        inPlace->Release();
    }
    return control;
}

void FitControl(Pane& pane) {
    IOleInPlaceObject* inPlace = nullptr;
    if (!pane.object ||
        FAILED(pane.object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
        return;
    RECT rc;
    GetClientRect(pane.hwnd, &rc);
    inPlace->SetObjectRects(&rc, &rc);
    inPlace->Release();
}

LRESULT CALLBACK PaneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Pane* pane = PaneOf(hwnd);
    switch (msg) {
    case WM_SIZE:
        if (pane) FitControl(*pane);
        return 0;
    case WM_SETFOCUS:
        if (pane) {
            if (HWND control = ControlWindow(*pane)) SetFocus(control);
        }
        return 0;
    case WM_DESTROY:
        if (pane) {
            TearDown(*pane);
            if (g_pane == pane) g_pane = nullptr;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            delete pane;
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterPaneClass() {
    WNDCLASSA wc = {};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, kPaneClass, &wc)) return;
    wc.lpfnWndProc = PaneProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kPaneClass;
    RegisterClassA(&wc);
}

bool EmbedControl(Pane& pane) {
    pane.site = new OleSite(pane.hwnd);
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&pane.object))))
        return false;
    if (FAILED(pane.object->SetClientSite(pane.site))) return false;
    RECT rc;
    GetClientRect(pane.hwnd, &rc);
    if (FAILED(pane.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, pane.site, 0, pane.hwnd, &rc)))
        return false;
    return SUCCEEDED(pane.object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pane.browser)));
}

void ApplySettings(IWebBrowser2* browser, const BrowserPaneSettings& settings) {
    browser->put_Offline(settings.offline ? VARIANT_TRUE : VARIANT_FALSE);
    browser->put_Silent(settings.silent ? VARIANT_TRUE : VARIANT_FALSE);
    int fontSize = settings.fontSize < 0 ? 0 : settings.fontSize > 4 ? 4 : settings.fontSize;
    VARIANT zoom;
    VariantInit(&zoom);
    V_VT(&zoom) = VT_I4;
    V_I4(&zoom) = fontSize;
    browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);
}

}  // namespace

HWND CreateBrowserPane(HWND parent, int left, int top, int width, int height,
                       const BrowserPaneSettings& settings) {
    RegisterPaneClass();
    HWND hwnd = CreateWindowExA(0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                left, top, width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    Pane* pane = new Pane();
    pane->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pane));
    if (!EmbedControl(*pane)) {
        DestroyWindow(hwnd);  // tears the half-made control down with the pane
        return nullptr;
    }
    g_pane = pane;
    ApplySettings(pane->browser, settings);
    if (settings.url && settings.url[0]) NavigatePane(settings.url);
    return hwnd;
}

void NavigatePane(const char* address) {
    if (!g_pane || !g_pane->browser || !address) return;
    int bytes = lstrlenA(address);
    int wide = MultiByteToWideChar(CP_ACP, 0, address, bytes, nullptr, 0);
    BSTR url = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (!url) return;
    MultiByteToWideChar(CP_ACP, 0, address, bytes, url, wide);

    VARIANT flags, target, postData, headers;
    VariantInit(&flags);
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = 0;
    VariantInit(&target);
    V_VT(&target) = VT_BSTR;
    V_BSTR(&target) = nullptr;
    VariantInit(&postData);
    VariantInit(&headers);
    V_VT(&headers) = VT_BSTR;
    V_BSTR(&headers) = nullptr;

    g_pane->browser->Navigate(url, &flags, &target, &postData, &headers);

    SysFreeString(url);
    VariantClear(&flags);
    VariantClear(&target);
    VariantClear(&postData);
    VariantClear(&headers);
}

bool TranslatePaneKey(HWND paneWindow, MSG* msg) {
    Pane* pane = PaneOf(paneWindow);
    if (!pane || !pane->object) return false;
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(pane->object->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active))))
        return false;
    bool used = active->TranslateAccelerator(msg) == S_OK;
    active->Release();
    return used;
}

HWND BrowserPaneContaining(HWND window) {
    char cls[32];
    for (HWND w = window; w; w = GetParent(w)) {
        if (GetClassNameA(w, cls, sizeof cls) && lstrcmpA(cls, kPaneClass) == 0) return w;
        if (!(GetWindowLongA(w, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}
