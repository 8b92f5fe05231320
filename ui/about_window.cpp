// The about window: emblem, name and edition, a credit line and a link.
#include "skin/carried_data.h"
#include "ui/about_window.h"
#include "ui/jpeg_picture.h"
#include "ui/window_layer.h"
#include "ui/windows.h"

namespace {

HBITMAP DecodeEmblem() {
    CarriedBlock emblem = EmblemPicture();
    return DecodeJpeg(emblem.data, emblem.size);
}

using K = ControlKind;

const ControlDescription kControls[] = {
    {.name = "标签2", .kind = K::TextLabel, .parent = nullptr, .left = 114, .top = 55, .width = 144, .height = 15,
     .text = "作者：觅途灵工作室  敬上", .textColor = RGB(0, 0, 0)},
    {.name = "超级链接框1", .kind = K::HyperlinkLabel, .parent = nullptr, .left = 114, .top = 91, .width = 152,
     .height = 16, .text = "", .linkType = LinkType::WebAddress, .address = "http://mituling.cn/"},
    {.name = "标签1", .kind = K::TextLabel, .parent = nullptr, .left = 128, .top = 16, .width = 128, .height = 16,
     .text = "觅途灵 - 正式版", .textColor = RGB(255, 0, 0)},
    {.name = "图片框1", .kind = K::PictureBox, .parent = nullptr, .left = 8, .top = 8, .width = 100, .height = 100,
     .text = "", .picture = DecodeEmblem},
};

}  // namespace

// Its created event does nothing, so no handler is bound.
const WindowDescription kAboutWindow = {
    "觅途灵", 275, 135, 0, kControls, sizeof kControls / sizeof kControls[0], nullptr,
};

void OpenAboutWindow() { LoadWindow(kAboutWindow, nullptr, true); }
