// Static message maps: the table types, the BEGIN_MESSAGE_MAP family and every entry macro.
// Each entry holds a small thunk that unpacks the message into the handler's typed arguments, so
// a wrong handler signature is a compile error rather than a crash at dispatch time.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CListBox;

// Temporary wrappers for the handles messages carry; the map macros need no complete types.
CDC* AfxDCFromHandle(HDC hDC);
CMenu* AfxMenuFromHandle(HMENU hMenu);

// Messages and codes of the framework's own protocol (the values are the platform's).
#define WM_REFLECT_BASE 0xBC00      // a child's copy of a notification its parent reflected
#define WM_CTLCOLOR 0x0019          // pseudo-message under which WM_CTLCOLOR* are mapped
#define WM_SETMESSAGESTRING 0x0362  // wParam: string id, or lParam: text for the message line
#define WM_IDLEUPDATECMDUI 0x0363   // wParam: TRUE to disable commands that have no handler
#define WM_INITIALUPDATE 0x0364     // sent to views after the frame is first laid out
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368  // a child asks its frame to lay itself out again
#define WM_SIZEPARENT 0x0361    // lParam: AFX_SIZEPARENTPARAMS*
#define WM_FLOATSTATUS 0x036D   // wParam: FS_* flags
#define WM_KICKIDLE 0x036A      // sent to a modal window while its loop is idle
#define WM_POPMESSAGESTRING 0x0375

#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// Command codes passed to OnCmdMsg. Notifications arrive as MAKELONG(code, WM_NOTIFY).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The message being dispatched, as one thunk sees it.
struct AfxMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;         // commands: the command or control id
    int nCode;        // commands: notification code
    void* pExtra;     // commands: CCmdUI* for update requests, AFX_NOTIFY* for notifications
    LRESULT lResult;  // set by window-message thunks
};

// Calls one handler; FALSE when the handler declined (the _EX entries) so routing goes on.
typedef BOOL (*AFX_PMSGTHUNK)(CCmdTarget* pTarget, AfxMessage& msg);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;             // window message, WM_COMMAND, WM_NOTIFY or a reflected message
    UINT nCode;                // notification code for commands and notifications
    UINT nID;                  // first control or command id
    UINT nLastID;              // last id of a range (equal to nID otherwise)
    const UINT* pnRegistered;  // ON_REGISTERED_MESSAGE: the variable holding the message number
    AFX_PMSGTHUNK pfn;         // null ends the table
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_NOTIFY
{  // pExtra of a WM_NOTIFY routed through OnCmdMsg
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CTLCOLOR
{  // lParam of the WM_CTLCOLOR pseudo-message
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;  // CTLCOLOR_* (the offset of the message from WM_CTLCOLORMSGBOX)
};

struct AFX_CMDHANDLERINFO
{  // filled instead of calling when a caller only asks who handles
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    virtual const AFX_MSGMAP* GetMessageMap() const;                                               \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        typedef theClass ThisClass __attribute__((unused));                                        \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr, nullptr                                                               \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// One entry whose thunk runs `body` with p (the target as ThisClass*) and m (the AfxMessage).
#define AFX_ENTRY(msg, code, id, lastId, reg, ...)                                                 \
    {(UINT)(msg),                                                                                  \
     (UINT)(code),                                                                                 \
     (UINT)(id),                                                                                   \
     (UINT)(lastId),                                                                               \
     reg,                                                                                          \
     [](CCmdTarget* pT, AfxMessage& m) -> BOOL {                                                   \
         ThisClass* p = static_cast<ThisClass*>(pT);                                               \
         (void)p;                                                                                  \
         (void)m;                                                                                  \
         __VA_ARGS__;                                                                              \
     }},
#define AFX_WM(msg, ...) AFX_ENTRY(msg, 0, 0, 0, nullptr, __VA_ARGS__; return TRUE)
#define AFX_WPT(lp) CPoint((short)LOWORD(lp), (short)HIWORD(lp))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

// ---- Commands, notifications and custom messages. Handlers are given as &Class::Member.
#define ON_COMMAND(id, fn)                                                                         \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, nullptr, (p->*(fn))(); return TRUE)
#define ON_COMMAND_EX(id, fn)                                                                      \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, nullptr, return (p->*(fn))(m.nID))
#define ON_COMMAND_RANGE(id, idLast, fn)                                                           \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, nullptr, (p->*(fn))(m.nID); return TRUE)
#define ON_COMMAND_EX_RANGE(id, idLast, fn)                                                        \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, nullptr, return (p->*(fn))(m.nID))
#define ON_UPDATE_COMMAND_UI(id, fn)                                                               \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr, (p->*(fn))((CCmdUI*)m.pExtra);    \
              return TRUE)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn)                                                 \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr,                               \
              (p->*(fn))((CCmdUI*)m.pExtra);                                                       \
              return TRUE)
#define ON_CONTROL(code, id, fn)                                                                   \
    AFX_ENTRY(WM_COMMAND, code, id, id, nullptr, (p->*(fn))(); return TRUE)
#define ON_CONTROL_RANGE(code, id, idLast, fn)                                                     \
    AFX_ENTRY(WM_COMMAND, code, id, idLast, nullptr, (p->*(fn))(m.nID); return TRUE)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                    \
    AFX_ENTRY(WM_NOTIFY, code, id, id, nullptr,                                                    \
              (p->*(fn))(((AFX_NOTIFY*)m.pExtra)->pNMHDR, ((AFX_NOTIFY*)m.pExtra)->pResult);       \
              return TRUE)
#define ON_NOTIFY_RANGE(code, id, idLast, fn)                                                      \
    AFX_ENTRY(                                                                                     \
        WM_NOTIFY, code, id, idLast, nullptr,                                                      \
        (p->*(fn))(m.nID, ((AFX_NOTIFY*)m.pExtra)->pNMHDR, ((AFX_NOTIFY*)m.pExtra)->pResult);      \
        return TRUE)
#define ON_NOTIFY_EX(code, id, fn)                                                                 \
    AFX_ENTRY(WM_NOTIFY, code, id, id, nullptr,                                                    \
              return (p->*(fn))(m.nID, ((AFX_NOTIFY*)m.pExtra)->pNMHDR,                            \
                                ((AFX_NOTIFY*)m.pExtra)->pResult))
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn)                                                   \
    AFX_ENTRY(WM_NOTIFY, code, id, idLast, nullptr,                                                \
              return (p->*(fn))(m.nID, ((AFX_NOTIFY*)m.pExtra)->pNMHDR,                            \
                                ((AFX_NOTIFY*)m.pExtra)->pResult))
#define ON_MESSAGE(msg, fn) AFX_WM(msg, m.lResult = (p->*(fn))(m.wParam, m.lParam))
#define ON_REGISTERED_MESSAGE(var, fn)                                                             \
    AFX_ENTRY(0xC000, 0, 0, 0, &(var), m.lResult = (p->*(fn))(m.wParam, m.lParam); return TRUE)
#define ON_THREAD_MESSAGE(msg, fn) AFX_WM(msg, (p->*(fn))(m.wParam, m.lParam))
#define ON_REGISTERED_THREAD_MESSAGE(var, fn)                                                      \
    AFX_ENTRY(0xC000, 0, 0, 0, &(var), (p->*(fn))(m.wParam, m.lParam); return TRUE)

// ---- Reflected notifications, handled by the control that sent them.
#define ON_CONTROL_REFLECT(code, fn)                                                               \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, nullptr, (p->*(fn))(); return TRUE)
#define ON_CONTROL_REFLECT_EX(code, fn)                                                            \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, nullptr, return (p->*(fn))())
#define ON_NOTIFY_REFLECT(code, fn)                                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, nullptr,                                    \
              (p->*(fn))(((AFX_NOTIFY*)m.pExtra)->pNMHDR, ((AFX_NOTIFY*)m.pExtra)->pResult);       \
              return TRUE)
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                             \
    AFX_ENTRY(                                                                                     \
        WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, nullptr,                                          \
        return (p->*(fn))(((AFX_NOTIFY*)m.pExtra)->pNMHDR, ((AFX_NOTIFY*)m.pExtra)->pResult))
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_WM(WM_REFLECT_BASE + WM_CTLCOLOR, {                                                        \
        AFX_CTLCOLOR* c = (AFX_CTLCOLOR*)m.lParam;                                                 \
        m.lResult = (LRESULT)p->CtlColor(AfxDCFromHandle(c->hDC), c->nCtlType);                    \
    })
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    AFX_WM(WM_REFLECT_BASE + WM_DRAWITEM, p->DrawItem((LPDRAWITEMSTRUCT)m.lParam))
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_WM(WM_REFLECT_BASE + WM_MEASUREITEM, p->MeasureItem((LPMEASUREITEMSTRUCT)m.lParam))
#define ON_WM_HSCROLL_REFLECT()                                                                    \
    AFX_WM(WM_REFLECT_BASE + WM_HSCROLL, p->HScroll(LOWORD(m.wParam), HIWORD(m.wParam)))
#define ON_WM_VSCROLL_REFLECT()                                                                    \
    AFX_WM(WM_REFLECT_BASE + WM_VSCROLL, p->VScroll(LOWORD(m.wParam), HIWORD(m.wParam)))

// ---- Window messages, cracked into the handler's arguments.
#define ON_WM_CREATE() AFX_WM(WM_CREATE, m.lResult = (LRESULT)p->OnCreate((LPCREATESTRUCT)m.lParam))
#define ON_WM_NCCREATE()                                                                           \
    AFX_WM(WM_NCCREATE, m.lResult = (LRESULT)p->OnNcCreate((LPCREATESTRUCT)m.lParam))
#define ON_WM_DESTROY() AFX_WM(WM_DESTROY, p->OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM(WM_NCDESTROY, p->OnNcDestroy())
#define ON_WM_CLOSE() AFX_WM(WM_CLOSE, p->OnClose())
#define ON_WM_SIZE()                                                                               \
    AFX_WM(WM_SIZE, p->OnSize((UINT)m.wParam, (short)LOWORD(m.lParam), (short)HIWORD(m.lParam)))
#define ON_WM_MOVE() AFX_WM(WM_MOVE, p->OnMove((short)LOWORD(m.lParam), (short)HIWORD(m.lParam)))
#define ON_WM_SIZING()                                                                             \
    AFX_WM(WM_SIZING, p->OnSizing((UINT)m.wParam, (LPRECT)m.lParam); m.lResult = TRUE)
#define ON_WM_MOVING()                                                                             \
    AFX_WM(WM_MOVING, p->OnMoving((UINT)m.wParam, (LPRECT)m.lParam); m.lResult = TRUE)
#define ON_WM_PAINT() AFX_WM(WM_PAINT, p->OnPaint())
#define ON_WM_NCPAINT() AFX_WM(WM_NCPAINT, p->OnNcPaint())
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_WM(WM_ERASEBKGND, m.lResult = p->OnEraseBkgnd(AfxDCFromHandle((HDC)m.wParam)))
#define ON_WM_TIMER() AFX_WM(WM_TIMER, p->OnTimer((UINT_PTR)m.wParam))
#define AFX_MOUSE(msg, fn) AFX_WM(msg, p->fn((UINT)m.wParam, AFX_WPT(m.lParam)))
#define ON_WM_MOUSEMOVE() AFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_WM(WM_MOUSEWHEEL,                                                                          \
           m.lResult = p->OnMouseWheel(GET_KEYSTATE_WPARAM(m.wParam),                              \
                                       GET_WHEEL_DELTA_WPARAM(m.wParam), AFX_WPT(m.lParam)))
#define ON_WM_MOUSELEAVE() AFX_WM(WM_MOUSELEAVE, p->OnMouseLeave())
#define AFX_NCMOUSE(msg, fn) AFX_WM(msg, p->fn((UINT)m.wParam, AFX_WPT(m.lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_NCMOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_NCMOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NCMOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NCMOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_NCMOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_NCMOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_NCMOUSE(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_NCMOUSE(WM_NCMBUTTONUP, OnNcMButtonUp)
#define ON_WM_NCHITTEST()                                                                          \
    AFX_WM(WM_NCHITTEST, m.lResult = (LRESULT)p->OnNcHitTest(AFX_WPT(m.lParam)))
#define ON_WM_NCCALCSIZE()                                                                         \
    AFX_WM(WM_NCCALCSIZE, p->OnNcCalcSize((BOOL)m.wParam, (NCCALCSIZE_PARAMS*)m.lParam))
#define ON_WM_NCACTIVATE() AFX_WM(WM_NCACTIVATE, m.lResult = p->OnNcActivate((BOOL)m.wParam))
#define ON_WM_ACTIVATE()                                                                           \
    AFX_WM(WM_ACTIVATE, p->OnActivate(LOWORD(m.wParam), AFX_WND(m.lParam), (BOOL)HIWORD(m.wParam)))
#define ON_WM_ACTIVATEAPP()                                                                        \
    AFX_WM(WM_ACTIVATEAPP, p->OnActivateApp((BOOL)m.wParam, (DWORD)m.lParam))
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_WM(WM_MOUSEACTIVATE,                                                                       \
           m.lResult = p->OnMouseActivate(AFX_WND(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam)))
#define ON_WM_SETCURSOR()                                                                          \
    AFX_WM(WM_SETCURSOR,                                                                           \
           m.lResult = p->OnSetCursor(AFX_WND(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam)))
#define AFX_KEY(msg, fn) AFX_WM(msg, p->fn((UINT)m.wParam, LOWORD(m.lParam), HIWORD(m.lParam)))
#define ON_WM_KEYDOWN() AFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_CHAR() AFX_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSCHAR() AFX_KEY(WM_SYSCHAR, OnSysChar)
#define ON_WM_SETFOCUS() AFX_WM(WM_SETFOCUS, p->OnSetFocus(AFX_WND(m.wParam)))
#define ON_WM_KILLFOCUS() AFX_WM(WM_KILLFOCUS, p->OnKillFocus(AFX_WND(m.wParam)))
#define ON_WM_CANCELMODE() AFX_WM(WM_CANCELMODE, p->OnCancelMode())
#define ON_WM_CAPTURECHANGED() AFX_WM(WM_CAPTURECHANGED, p->OnCaptureChanged(AFX_WND(m.lParam)))
#define ON_WM_SETTINGCHANGE()                                                                      \
    AFX_WM(WM_SETTINGCHANGE, p->OnSettingChange((UINT)m.wParam, (LPCSTR)m.lParam))
#define ON_WM_SYSCOLORCHANGE() AFX_WM(WM_SYSCOLORCHANGE, p->OnSysColorChange())
#define ON_WM_CONTEXTMENU()                                                                        \
    AFX_WM(WM_CONTEXTMENU, p->OnContextMenu(AFX_WND(m.wParam), AFX_WPT(m.lParam)))
#define ON_WM_GETMINMAXINFO() AFX_WM(WM_GETMINMAXINFO, p->OnGetMinMaxInfo((MINMAXINFO*)m.lParam))
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AFX_WM(WM_WINDOWPOSCHANGING, p->OnWindowPosChanging((WINDOWPOS*)m.lParam))
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    AFX_WM(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged((WINDOWPOS*)m.lParam))
#define ON_WM_SYSCOMMAND() AFX_WM(WM_SYSCOMMAND, p->OnSysCommand((UINT)m.wParam, m.lParam))
#define ON_WM_SHOWWINDOW() AFX_WM(WM_SHOWWINDOW, p->OnShowWindow((BOOL)m.wParam, (UINT)m.lParam))
#define ON_WM_ENABLE() AFX_WM(WM_ENABLE, p->OnEnable((BOOL)m.wParam))
#define ON_WM_HSCROLL()                                                                            \
    AFX_WM(WM_HSCROLL,                                                                             \
           p->OnHScroll(LOWORD(m.wParam), HIWORD(m.wParam), (CScrollBar*)AFX_WND(m.lParam)))
#define ON_WM_VSCROLL()                                                                            \
    AFX_WM(WM_VSCROLL,                                                                             \
           p->OnVScroll(LOWORD(m.wParam), HIWORD(m.wParam), (CScrollBar*)AFX_WND(m.lParam)))
#define ON_WM_MENUCHAR()                                                                           \
    AFX_WM(WM_MENUCHAR, m.lResult = p->OnMenuChar(LOWORD(m.wParam), HIWORD(m.wParam),              \
                                                  AfxMenuFromHandle((HMENU)m.lParam)))
#define ON_WM_INITMENU() AFX_WM(WM_INITMENU, p->OnInitMenu(AfxMenuFromHandle((HMENU)m.wParam)))
#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_WM(WM_INITMENUPOPUP, p->OnInitMenuPopup(AfxMenuFromHandle((HMENU)m.wParam),                \
                                                LOWORD(m.lParam), (BOOL)HIWORD(m.lParam)))
#define ON_WM_MENUSELECT()                                                                         \
    AFX_WM(WM_MENUSELECT, p->OnMenuSelect(LOWORD(m.wParam), HIWORD(m.wParam), (HMENU)m.lParam))
#define ON_WM_ENTERIDLE() AFX_WM(WM_ENTERIDLE, p->OnEnterIdle((UINT)m.wParam, AFX_WND(m.lParam)))
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_WM(WM_CTLCOLOR, {                                                                          \
        AFX_CTLCOLOR* c = (AFX_CTLCOLOR*)m.lParam;                                                 \
        m.lResult = (LRESULT)p->OnCtlColor(AfxDCFromHandle(c->hDC), AFX_WND(c->hWnd),              \
                                           c->nCtlType);                                           \
    })
#define ON_WM_DRAWITEM()                                                                           \
    AFX_WM(WM_DRAWITEM, p->OnDrawItem((int)m.wParam, (LPDRAWITEMSTRUCT)m.lParam); m.lResult = TRUE)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_WM(WM_MEASUREITEM, p->OnMeasureItem((int)m.wParam, (LPMEASUREITEMSTRUCT)m.lParam);         \
           m.lResult = TRUE)
#define ON_WM_DELETEITEM()                                                                         \
    AFX_WM(WM_DELETEITEM, p->OnDeleteItem((int)m.wParam, (LPDELETEITEMSTRUCT)m.lParam);            \
           m.lResult = TRUE)
#define ON_WM_COMPAREITEM()                                                                        \
    AFX_WM(WM_COMPAREITEM,                                                                         \
           m.lResult = p->OnCompareItem((int)m.wParam, (LPCOMPAREITEMSTRUCT)m.lParam))
#define ON_WM_CHARTOITEM()                                                                         \
    AFX_WM(WM_CHARTOITEM, m.lResult = p->OnCharToItem(                                             \
                              LOWORD(m.wParam), (CListBox*)AFX_WND(m.lParam), HIWORD(m.wParam)))
#define ON_WM_VKEYTOITEM()                                                                         \
    AFX_WM(WM_VKEYTOITEM, m.lResult = p->OnVKeyToItem(                                             \
                              LOWORD(m.wParam), (CListBox*)AFX_WND(m.lParam), HIWORD(m.wParam)))
#define ON_WM_STYLECHANGED()                                                                       \
    AFX_WM(WM_STYLECHANGED, p->OnStyleChanged((int)m.wParam, (LPSTYLESTRUCT)m.lParam))
#define ON_WM_STYLECHANGING()                                                                      \
    AFX_WM(WM_STYLECHANGING, p->OnStyleChanging((int)m.wParam, (LPSTYLESTRUCT)m.lParam))
#define ON_WM_QUERYNEWPALETTE() AFX_WM(WM_QUERYNEWPALETTE, m.lResult = p->OnQueryNewPalette())
#define ON_WM_PALETTECHANGED() AFX_WM(WM_PALETTECHANGED, p->OnPaletteChanged(AFX_WND(m.wParam)))
#define ON_WM_HELPINFO() AFX_WM(WM_HELP, m.lResult = p->OnHelpInfo((HELPINFO*)m.lParam))
#define ON_WM_DEVICECHANGE()                                                                       \
    AFX_WM(WM_DEVICECHANGE, m.lResult = p->OnDeviceChange((UINT)m.wParam, (DWORD_PTR)m.lParam))
#define ON_WM_GETDLGCODE() AFX_WM(WM_GETDLGCODE, m.lResult = (LRESULT)p->OnGetDlgCode())
#define ON_WM_PARENTNOTIFY() AFX_WM(WM_PARENTNOTIFY, p->OnParentNotify(LOWORD(m.wParam), m.lParam))
#define ON_WM_ENTERSIZEMOVE() AFX_WM(WM_ENTERSIZEMOVE, p->OnEnterSizeMove())
#define ON_WM_EXITSIZEMOVE() AFX_WM(WM_EXITSIZEMOVE, p->OnExitSizeMove())
#define ON_WM_MDIACTIVATE()                                                                        \
    AFX_WM(WM_MDIACTIVATE, p->OnMDIActivate((HWND)m.lParam == p->GetSafeHwnd(), AFX_WND(m.lParam), \
                                            AFX_WND(m.wParam)))
#define ON_WM_CHILDACTIVATE() AFX_WM(WM_CHILDACTIVATE, p->OnChildActivate())
#define ON_WM_QUERYENDSESSION() AFX_WM(WM_QUERYENDSESSION, m.lResult = p->OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_WM(WM_ENDSESSION, p->OnEndSession((BOOL)m.wParam))
