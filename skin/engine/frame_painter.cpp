#include "skin/engine/skin.h"

namespace {

COLORREF ToColorRef(uint32_t rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

uint32_t Mix(uint32_t a, uint32_t b, int weight, int of) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int ca = a >> shift & 0xFF, cb = b >> shift & 0xFF;
        out |= static_cast<uint32_t>(ca + (cb - ca) * weight / of) << shift;
    }
    return out;
}

// The title bar's background: the skin's texture tiled across and stretched
// down, or its two colours as a gradient; then, with aero, a sheen of white
// over the upper half.
void FillCaption(uint32_t* pixels, int width, int height, const Skin& skin, bool active, bool aero) {
    const SkinPicture& texture = active ? skin.activeCaption : skin.inactiveCaption;
    uint32_t top = skin.colours[active ? kActiveCaptionTop : kInactiveCaptionTop];
    uint32_t bottom = skin.colours[active ? kActiveCaptionBottom : kInactiveCaptionBottom];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t c;
            if (texture.pixels)
                c = texture.pixels[(y * texture.height / height) * texture.width + x % texture.width] & 0xFFFFFF;
            else
                c = Mix(top, bottom, y, height > 1 ? height - 1 : 1);
            if (aero && y < height / 2) c = Mix(c, 0xFFFFFF, 2 * (height / 2 - y) + height / 2, 6 * height);
            pixels[y * width + x] = c;
        }
    }
}

void DrawCloseButton(uint32_t* pixels, int width, int height, RECT box, const Skin& skin, bool active,
                     bool hover) {
    if (hover) {
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) {
                bool corner = (y == box.top || y == box.bottom - 1) && (x == box.left || x == box.right - 1);
                if (!corner) pixels[y * width + x] = skin.colours[kCloseHover];
            }
    }
    const SkinPicture& glyph = skin.closeGlyph;
    if (!glyph.pixels) return;
    uint32_t ink = skin.colours[active ? kActiveText : kInactiveText];
    int left = (box.left + box.right - glyph.width) / 2, top = (box.top + box.bottom - glyph.height) / 2;
    for (int gy = 0; gy < glyph.height; ++gy)
        for (int gx = 0; gx < glyph.width; ++gx) {
            int x = left + gx, y = top + gy;
            if (x < 0 || y < 0 || x >= width || y >= height) continue;
            int alpha = glyph.pixels[gy * glyph.width + gx] >> 24;
            uint32_t& p = pixels[y * width + x];
            p = Mix(p, ink, alpha, 255);
        }
}

void DrawIconAndTitle(HDC dc, HWND hwnd, int width, int height, int textRight, const Skin& skin, bool active) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
    int iconSize = height - 4 < 16 ? height - 4 : 16;
    if (icon && iconSize > 0) DrawIconEx(dc, 3, (height - iconSize) / 2, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);

    char title[256];
    GetWindowTextA(hwnd, title, sizeof title);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfCaptionFont.lfWeight = skin.boldCaption ? FW_BOLD : FW_NORMAL;
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(skin.colours[active ? kActiveText : kInactiveText]));
    RECT text = {iconSize + 7, 0, textRight, height};
    if (text.right > width) text.right = width;
    DrawTextA(dc, title, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
    if (font) DeleteObject(font);
}

void PaintCaption(HDC windowDc, HWND hwnd, RECT caption, const Skin& skin, bool active, bool aero,
                  bool closeHover) {
    int width = caption.right - caption.left, height = caption.bottom - caption.top;
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) return;
    HDC dc = CreateCompatibleDC(windowDc);
    HGDIOBJ old = SelectObject(dc, dib);
    uint32_t* pixels = static_cast<uint32_t*>(bits);
    FillCaption(pixels, width, height, skin, active, aero);
    RECT close = {width - height, 2, width - 3, height - 2};
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU)
        DrawCloseButton(pixels, width, height, close, skin, active, closeHover);
    DrawIconAndTitle(dc, hwnd, width, height, close.left - 4, skin, active);
    GdiFlush();
    BitBlt(windowDc, caption.left, caption.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

void FillBand(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    RECT r = {left, top, right, bottom};
    if (r.right > r.left && r.bottom > r.top) FillRect(dc, &r, brush);
}

}  // namespace

void PaintWindowFrame(HWND hwnd, const Skin& skin, bool active, bool aero, bool closeHover) {
    RECT window;
    GetWindowRect(hwnd, &window);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    RECT client;
    GetClientRect(hwnd, &client);
    int width = window.right - window.left, height = window.bottom - window.top;
    int border = origin.x - window.left;
    int clientTop = origin.y - window.top, clientBottom = clientTop + client.bottom;
    if (border < 0 || clientTop < border) return;

    HDC dc = GetWindowDC(hwnd);
    if (!dc) return;
    HBRUSH frame = CreateSolidBrush(ToColorRef(skin.colours[active ? kFrameActive : kFrameInactive]));
    FillBand(dc, 0, 0, width, border, frame);
    FillBand(dc, 0, 0, border, height, frame);
    FillBand(dc, width - border, 0, width, height, frame);
    FillBand(dc, 0, clientBottom, width, height, frame);
    DeleteObject(frame);
    HBRUSH outline = CreateSolidBrush(ToColorRef(skin.colours[kOutline]));
    RECT edge = {0, 0, width, height};
    FrameRect(dc, &edge, outline);
    DeleteObject(outline);
    RECT caption = {border, border, width - border, clientTop};
    PaintCaption(dc, hwnd, caption, skin, active, aero, closeHover);
    ReleaseDC(hwnd, dc);
}
