// Windows are built from fixed descriptions: window settings and an ordered
// list of controls. The list runs from the topmost control down; the Tab
// cycle runs the other way, from the bottom of the list up.
#pragma once

#include <windows.h>

#include <cstddef>

struct BrowserPaneSettings;

using Handler = void (*)();

enum class ControlKind {
    EditBox,
    DropDownList,
    PushButton,
    GroupBox,
    RadioButton,
    HyperlinkLabel,
    BrowserPane,
    TextLabel,
    FlatButton,
    PictureBox,
};

enum class LinkType { WebAddress, EmailAddress };

// A picture for a picture box: a DIB section the box takes ownership of, or
// nullptr when there is none.
using PictureSource = HBITMAP (*)();

struct ControlDescription {
    const char* name;
    ControlKind kind;
    const char* parent;  // a group box of the same window, or nullptr: the client area
    int left, top, width, height;
    const char* text;
    bool focusStop = false;
    bool visible = true;
    bool disabled = false;
    bool checked = false;                          // radio buttons
    COLORREF textColor = RGB(0, 0, 0);             // text labels
    const char* const* entries = nullptr;          // drop-down lists
    size_t entryCount = 0;
    LinkType linkType = LinkType::EmailAddress;    // hyperlink labels
    const char* address = "";                      // hyperlink labels: web or e-mail address
    const BrowserPaneSettings* pane = nullptr;     // browser panes
    PictureSource picture = nullptr;               // picture boxes
    Handler onClicked = nullptr;                   // push and flat buttons
    Handler onLeftButtonPressed = nullptr;         // any control
};

struct WindowDescription {
    const char* title;
    int width, height;  // outer size, frame and title bar included
    int iconResource;   // 0: the program's icon
    const ControlDescription* controls;
    size_t controlCount;
    Handler onCreated;
};
