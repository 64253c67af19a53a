// Declarative message maps: a static table per window class from a button's BN_CLICKED or a message
// number to a handler. A message that no entry takes goes on to the base class's map.
#pragma once

#include "platform/sys/WinTypes.h"

template <class T>
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;                             // WM_COMMAND for a button's BN_CLICKED, else the message
    UINT nID;                                  // the button's control ID
    void (T::*pfnCommand)();                   // handler of a click
    LRESULT (T::*pfnMessage)(WPARAM, LPARAM);  // handler of a message
};

template <class T, std::size_t N>
BOOL AfxDispatchMessageMap(T* target, const AFX_MSGMAP_ENTRY<T> (&entries)[N], UINT message, WPARAM wParam,
                           LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP_ENTRY<T>& entry : entries) {
        if (message != entry.nMessage)
            continue;
        if (entry.pfnMessage != nullptr) {
            *pResult = (target->*entry.pfnMessage)(wParam, lParam);
            return TRUE;
        }
        if (LOWORD(wParam) == entry.nID && HIWORD(wParam) == BN_CLICKED) {
            (target->*entry.pfnCommand)();
            *pResult = 0;
            return TRUE;
        }
    }
    return FALSE;
}

#define DECLARE_MESSAGE_MAP() \
protected: \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    BOOL theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) \
    { \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY<theClass> messageMap[] = {
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, static_cast<UINT>(id), memberFxn, nullptr},
#define ON_MESSAGE(message, memberFxn) {message, 0, nullptr, memberFxn},
#define END_MESSAGE_MAP() \
    } \
    ; \
    return AfxDispatchMessageMap(this, messageMap, message, wParam, lParam, pResult) || \
           TheBaseClass::OnWndMsg(message, wParam, lParam, pResult); \
    }
