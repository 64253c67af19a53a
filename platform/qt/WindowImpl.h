// The platform's side of a window object. Only platform/ui and tests include this header.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/ui/Font.h"
#include "platform/ui/Wnd.h"

// Receives the window's posted messages while the window has a widget.
struct CWnd::Impl : QObject {
    explicit Impl(CWnd* pWnd) : wnd(pWnd) {}
    bool event(QEvent* e) override;

    CWnd* wnd;
    QPointer<QWidget> widget;
    HFONT font = nullptr;                           // WM_SETFONT / WM_GETFONT
    HFONT ownedFont = nullptr;                      // the dialog font a page makes from its template
    std::map<int, std::unique_ptr<CWnd>> controls;  // by control ID
};

// Enables or disables the widget; disabled with the focus, it leaves the window with no focused control.
void SetEnabledLeavingFocus(QWidget* widget, bool enable);
// Destroys a window's widget, its controls and its dialog font; the object may get a new window later.
void DestroyWindowObjects(CWnd* pWnd);
// Makes a page's widget, font and controls from its dialog template inside parent.
void CreateDialogFromTemplate(CWnd* pDialog, UINT nIDTemplate, QWidget* parent);
// The size in pixels of a dialog template laid out in its own font.
QSize TemplatePixelSize(UINT nIDTemplate);
QFont QFontFromHandle(HFONT hFont);
QFont QFontFromLogFont(const LOGFONT& lf);
// The main window's widget, the owner of message boxes and file dialogs; nullptr when there is none.
QWidget* MainWindowWidget();
// The program icon (icon 128, both sizes).
QIcon ProgramIcon();
// The IP address control's widget: four number fields typed as an address is typed.
QWidget* CreateIpAddressWidget(QWidget* parent);
// The number fields of an IP address control's widget, first to last; none for any other widget.
QList<QLineEdit*> IpAddressFields(const QWidget* widget);
