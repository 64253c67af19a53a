// Declarative message maps: a static table per window class from a control notification or a
// message number to a handler. A message that no entry takes goes on to the base class's map.
#pragma once

#include "platform/sys/WinTypes.h"

template <class T>
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;                              // WM_COMMAND for notifications, else the message
    UINT nCode;                                 // notification code (BN_CLICKED)
    UINT nID;                                   // control ID of the notification
    void (T::*pfnCommand)();                    // handler of a notification
    LRESULT (T::*pfnMessage)(WPARAM, LPARAM);   // handler of a message
};

template <class T, std::size_t N>
BOOL AfxDispatchMessageMap(T* target, const AFX_MSGMAP_ENTRY<T> (&entries)[N], UINT message,
                           WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP_ENTRY<T>& entry : entries) {
        if (entry.pfnCommand == nullptr && entry.pfnMessage == nullptr)
            break;
        if (entry.pfnCommand != nullptr) {
            if (message == WM_COMMAND && LOWORD(wParam) == entry.nID && HIWORD(wParam) == entry.nCode) {
                (target->*entry.pfnCommand)();
                *pResult = 0;
                return TRUE;
            }
        } else if (message == entry.nMessage) {
            *pResult = (target->*entry.pfnMessage)(wParam, lParam);
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
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), memberFxn, nullptr},
#define ON_MESSAGE(message, memberFxn) {message, 0, 0, nullptr, memberFxn},
#define END_MESSAGE_MAP() \
    {0, 0, 0, nullptr, nullptr} \
    } \
    ; \
    if (AfxDispatchMessageMap(this, messageMap, message, wParam, lParam, pResult)) \
        return TRUE; \
    return TheBaseClass::OnWndMsg(message, wParam, lParam, pResult); \
    }
