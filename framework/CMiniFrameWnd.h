// A floating frame with a small caption (a tool window), owned by a main frame. With
// MFS_SYNCACTIVE its caption looks active whenever its owner's does.
#pragma once

#include "framework/CFrameWnd.h"

#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() {}
    virtual BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = nullptr, UINT nID = 0);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd = nullptr, UINT nID = 0);
    using CWnd::CreateEx;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    BOOL OnNcActivate(BOOL bActive);
    LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    BOOL m_bActive = FALSE;  // the caption shows active

    DECLARE_MESSAGE_MAP()
};
