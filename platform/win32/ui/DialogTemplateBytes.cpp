#include "platform/win32/ui/DialogTemplateBytes.h"

#include <algorithm>
#include <string>

#include "platform/sys/ResourceLookup.h"
#include "platform/win32/ui/SheetShim.h"

namespace {

// Window and control styles and the predefined classes, in the SDK's numbers (this unit cannot
// include the SDK; see WindowShim.h).
constexpr DWORD WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000, WS_BORDER = 0x00800000,
                WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000;
constexpr DWORD DS_3DLOOK = 0x0004, DS_SETFONT = 0x0040;
constexpr DWORD SS_LEFT = 0x0000, SS_LEFTNOWORDWRAP = 0x000C, SS_BITMAP = 0x000E, SS_NOPREFIX = 0x0080,
                SS_CENTERIMAGE = 0x0200, SS_SUNKEN = 0x1000;
constexpr DWORD BS_PUSHBUTTON = 0x0000, BS_GROUPBOX = 0x0007, BS_AUTORADIOBUTTON = 0x0009;
constexpr WORD kButtonClass = 0x0080, kStaticClass = 0x0082;
constexpr WORD kNormalWeight = 400;   // FW_NORMAL
constexpr WORD kDefaultCharSet = 1;  // DEFAULT_CHARSET

class TemplateWriter {
public:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d)
    {
        Word(static_cast<WORD>(d & 0xFFFF));
        Word(static_cast<WORD>(d >> 16));
    }
    void Text(const char* text)
    {
        for (char16_t c : win32::ui::WidenAnsi(text != nullptr ? text : ""))
            Word(static_cast<WORD>(c));
        Word(0);
    }
    void Class(const char* name) { Text(name); }
    void Class(WORD atom)
    {
        Word(0xFFFF);
        Word(atom);
    }
    void AlignToDword()
    {
        if (m_words.size() % 2 != 0)
            Word(0);
    }
    std::vector<std::uint32_t> Bytes() const
    {
        std::vector<std::uint32_t> bytes((m_words.size() + 1) / 2, 0);
        for (std::size_t i = 0; i < m_words.size(); ++i)
            bytes[i / 2] |= static_cast<std::uint32_t>(m_words[i]) << (16 * (i % 2));
        return bytes;
    }

private:
    std::vector<WORD> m_words;
};

// The style of a control, as a resource compiler gives it for the same statement: a text starts a
// group (so that radio buttons before it end theirs), a button and the address control are Tab stops.
DWORD ControlStyle(const DialogControl& control, bool startsGroup)
{
    DWORD style = WS_CHILD | ((control.style & CS_HIDDEN) ? 0 : WS_VISIBLE) | ((control.style & CS_BORDER) ? WS_BORDER : 0);
    switch (control.kind) {
    case ControlKind::Static:
        return style | WS_GROUP | SS_NOPREFIX | ((control.style & CS_SUNKEN) ? SS_SUNKEN : 0) |
               ((control.style & (CS_SUNKEN | CS_BORDER)) ? SS_LEFTNOWORDWRAP | SS_CENTERIMAGE : SS_LEFT);
    case ControlKind::Bitmap: return style | SS_BITMAP | ((control.style & CS_SUNKEN) ? SS_SUNKEN : 0);
    case ControlKind::GroupBox: return style | WS_GROUP | BS_GROUPBOX;
    case ControlKind::PushButton: return style | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::AutoRadioButton:
        return style | BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0);
    case ControlKind::IpAddress: return style | WS_GROUP | WS_TABSTOP;
    case ControlKind::ProgressBar: return style;
    }
    return style;
}

void WriteClass(TemplateWriter& out, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::Bitmap: out.Class(kStaticClass); return;
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::AutoRadioButton: out.Class(kButtonClass); return;
    case ControlKind::IpAddress: out.Class("SysIPAddress32"); return;
    case ControlKind::ProgressBar: out.Class("msctls_progress32"); return;
    }
}

// The dialog manager's arrow keys, and a screen reader, go through a group's radio buttons in the
// template's order; the intro page's stand in another order on the screen. Each group is written in
// the order its buttons stand from the top, so that Down moves to the button below, as on Linux; the
// group starts with whichever of them comes first.
struct WrittenControl {
    const DialogControl* control;
    bool startsGroup;
};

std::vector<WrittenControl> WritingOrder(const DialogTemplate& dlg)
{
    std::vector<WrittenControl> order;
    for (std::size_t i = 0; i < dlg.controlCount;) {
        const DialogControl& first = dlg.controls[i];
        std::size_t end = i + 1;
        if (first.kind == ControlKind::AutoRadioButton) {
            while (end < dlg.controlCount && dlg.controls[end].kind == ControlKind::AutoRadioButton &&
                   (dlg.controls[end].style & CS_GROUP) == 0)
                ++end;
        }
        const std::size_t groupStart = order.size();
        for (std::size_t k = i; k < end; ++k)
            order.push_back({&dlg.controls[k], false});
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(groupStart), order.end(),
                         [](const WrittenControl& a, const WrittenControl& b) {
                             return a.control->y != b.control->y ? a.control->y < b.control->y
                                                                 : a.control->x < b.control->x;
                         });
        order[groupStart].startsGroup = (first.style & CS_GROUP) != 0;
        i = end;
    }
    return order;
}

}  // namespace

std::vector<std::uint32_t> BuildDialogTemplate(UINT nIDTemplate)
{
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    if (dlg == nullptr)
        return {};
    TemplateWriter out;
    // The extended form, the one that states the font's weight: the dialog font is the template's
    // face and size at normal weight (400), which the step titles' font is made from.
    out.Word(1);  // version
    out.Word(0xFFFF);
    out.Dword(0);  // help ID
    out.Dword(0);  // extended style
    // A property page: a child with a caption (the sheet's title in wizard mode), in its own font.
    out.Dword(DS_SETFONT | DS_3DLOOK | WS_CHILD | WS_CAPTION);
    out.Word(static_cast<WORD>(dlg->controlCount));
    out.Word(0);
    out.Word(0);
    out.Word(static_cast<WORD>(dlg->cx));
    out.Word(static_cast<WORD>(dlg->cy));
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dlg->caption);
    out.Word(static_cast<WORD>(dlg->pointSize));
    out.Word(kNormalWeight);
    out.Word(static_cast<WORD>(kDefaultCharSet << 8));  // not italic; the character set
    out.Text(dlg->faceName);
    for (const WrittenControl& written : WritingOrder(*dlg)) {
        const DialogControl& control = *written.control;
        out.AlignToDword();
        out.Dword(0);  // help ID
        out.Dword(0);  // extended style
        out.Dword(ControlStyle(control, written.startsGroup));
        out.Word(static_cast<WORD>(control.x));
        out.Word(static_cast<WORD>(control.y));
        out.Word(static_cast<WORD>(control.cx));
        out.Word(static_cast<WORD>(control.cy));
        const bool picture = control.kind == ControlKind::Bitmap && control.id == IDC_STATIC;
        out.Dword(static_cast<DWORD>(picture ? kPictureControlId : control.id));
        WriteClass(out, control.kind);
        out.Text(control.kind == ControlKind::Bitmap ? "" : control.text);
        out.Word(0);  // no creation data
    }
    return out.Bytes();
}
