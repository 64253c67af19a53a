// The platform's side of a window object: the Qt widget that stands for it, the control kind, the
// font handle it was given, the controls of its template, and the object that receives its posted
// messages. Only platform/ui and tests include this header.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/ui/Font.h"
#include "platform/sys/ResourceFormat.h"
#include "platform/ui/Wnd.h"

// A message posted to a window, delivered on the user-interface thread in posting order.
class MessageEvent : public QEvent {
public:
    static QEvent::Type Kind();
    MessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(Kind()), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

// Receives posted messages for one window and hands them to its WindowProc.
class MessageTarget : public QObject {
public:
    explicit MessageTarget(CWnd* pWnd, QObject* parent) : QObject(parent), m_pWnd(pWnd) {}
    bool event(QEvent* e) override;

private:
    CWnd* m_pWnd;
};

enum class WindowKind { None, Dialog, Sheet, Control };

struct CWnd::Impl {
    WindowKind kind = WindowKind::None;
    ControlKind controlKind = ControlKind::Static;
    UINT style = 0;
    QPointer<QWidget> widget;
    bool ownsWidget = false;          // pages and the sheet delete their widget; controls die with their page
    bool hidden = false;              // the window's own visibility flag (Windows' WS_VISIBLE, inverted)
    MessageTarget* target = nullptr;  // child of widget
    HFONT font = nullptr;             // WM_SETFONT / WM_GETFONT
    HFONT ownedFont = nullptr;        // the dialog font a page makes from its template
    std::map<int, std::unique_ptr<CWnd>> controls;  // by control ID
};

// Gives the platform's code access to CWnd's protected entry points.
struct WindowAccess {
    static LRESULT Call(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return pWnd->WindowProc(message, wParam, lParam);
    }
    static CWnd::Impl& ImplOf(CWnd* pWnd) { return *pWnd->m_impl; }
};

// Makes a page's widget, font and controls from its dialog template inside parent.
void CreateDialogFromTemplate(CWnd* pDialog, UINT nIDTemplate, QWidget* parent);
// Destroys a window's widget and its controls' objects.
void DestroyWindowObjects(CWnd* pWnd);
// The dialog template with this ID; nullptr when there is none.
const DialogTemplate* FindDialogTemplate(UINT nID);
// Dialog units to pixels for the font of a dialog, the way Windows converts them.
QRect DialogUnitsToPixels(const QFont& font, int x, int y, int cx, int cy);
// The Qt font of a font handle.
QFont QFontFromHandle(HFONT hFont);
// Registers the compiled-in pictures (bitmap 141, icon 128) once.
void EnsureImagesRegistered();
// The program icon (icon 128, both sizes).
QIcon ProgramIcon();
// The size in pixels of a dialog template laid out in its own font.
QSize TemplatePixelSize(UINT nIDTemplate);
