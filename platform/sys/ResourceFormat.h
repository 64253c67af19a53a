// The form in which the program's resources are compiled in: dialog templates laid out in dialog
// units, the string table, and the pictures. The data itself lives in resources/; the platform
// finds it through the tables declared at the end of this file, as Windows finds a module's
// resource section.
#pragma once

#include <cstddef>

#include "platform/sys/WinTypes.h"

enum class ControlKind {
    Static,           // a text
    Bitmap,           // a picture from a bitmap resource, natural size
    GroupBox,         // a frame, with or without a caption
    PushButton,
    AutoRadioButton,
    IpAddress,        // four number fields of 0 to 255
    ProgressBar,      // a bar filled from the left: PBM_SETRANGE32 and PBM_SETPOS
};

// Style bits of a control.
constexpr UINT CS_HIDDEN = 0x1;  // not visible when the dialog is created
constexpr UINT CS_SUNKEN = 0x2;  // sunken edge
constexpr UINT CS_GROUP = 0x4;   // starts a group (radio buttons)
constexpr UINT CS_BORDER = 0x8;  // thin border (the file name field)

struct DialogControl {
    int id;             // IDC_STATIC (-1) for controls that nothing looks up
    ControlKind kind;
    int x, y, cx, cy;   // dialog units
    const char* text;   // 8-bit text; "\n" is a line break
    UINT style;         // CS_ bits
    UINT imageId;       // bitmap resource for ControlKind::Bitmap, else 0
};

struct DialogTemplate {
    UINT id;
    int cx, cy;             // dialog units
    const char* caption;
    int pointSize;
    const char* faceName;
    const DialogControl* controls;
    std::size_t controlCount;
};

struct StringResource {
    UINT id;
    const char* text;
};

struct ImageResource {
    UINT id;
    const char* const* xpm;  // the XPM image, compiled in
};

struct VersionResource {
    const char* fileVersion;       // "1.0.0.1"
    const char* productVersion;    // "1.0.0.1"
    const char* internalName;
    const char* originalFilename;
    const char* productName;
    const char* fileDescription;
    const char* legalCopyright;
    const char* companyName;       // the publisher, as Windows' Settings, Apps shows it
};

// Defined in resources/.
extern const DialogTemplate* const g_dialogTemplates[];
extern const std::size_t g_dialogTemplateCount;
extern const StringResource g_stringTable[];
extern const std::size_t g_stringCount;
extern const ImageResource g_bitmaps[];
extern const std::size_t g_bitmapCount;
extern const ImageResource g_icons[];
extern const std::size_t g_iconCount;
extern const VersionResource g_versionInfo;
