// What the pickers share (see ZAVPPickerShared.h).
#include "ui/panes/ZAVPPickerShared.h"

#include "framework/CCmdUI.h"
#include "framework/CColorDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/panes/CZAVPColorDialog.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "framework/AfxMsgMap.h"

namespace ZAVPPickerShared
{
namespace
{
const DWORD kStandardDialogFlags = CC_FULLOPEN | CC_ANYCOLOR;  // 0x102
}  // namespace

CWnd* TopFrameOf(CWnd* pWnd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd())
        return pApp->m_pMainWnd;
    return pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
}

void SendPrompt(HWND hwndBar, UINT uiPrompt)
{
    if (hwndBar == nullptr) return;
    HWND hwnd = ::GetWindow(hwndBar, GW_OWNER);
    if (hwnd == nullptr) hwnd = ::GetParent(hwndBar);
    if (hwnd != nullptr) ::SendMessageA(hwnd, WM_SETMESSAGESTRING, uiPrompt, 0);
}

UINT PromptFor(UINT uiCmdId, UINT uiBarCommand)
{
    const BOOL bIdle = uiCmdId == (UINT)-1 || uiCmdId == AFX_IDS_IDLEMESSAGE ||
                       uiBarCommand == (UINT)-1;
    return bIdle ? AFX_IDS_IDLEMESSAGE : uiBarCommand;
}

INT_PTR CustomToolTipHitTest(CZAVPToolBar* pBar, CPoint point, TOOLINFOA* pTI)
{
    const int iHit = pBar->HitTest(point);
    CZAVPToolbarButton* pButton = pBar->GetButton(iHit);
    CString strTip;
    if (pButton == nullptr || !pButton->GetCustomToolTipText(strTip)) return -1;
    if (pTI != nullptr) {
        pTI->hwnd = pBar->GetSafeHwnd();
        pTI->uId = (UINT_PTR)(iHit + 1);
        pTI->rect = pButton->m_rect;
        pTI->lpszText = _strdup(strTip);  // the caller frees it
    }
    return iHit + 1;
}

void UpdateCommandState(CZAVPToolBar& bar, UINT uiCmd, CFrameWnd* pTarget, BOOL bDisableIfNoHndler,
                        BOOL& bEnabled, const CRuntimeClass* pButtonClass)
{
    if (!IsRealCommand(uiCmd)) return;
    CCmdTarget* pCmdTarget = pTarget;
    if (CWnd* pOwn = bar.GetCommandTarget()) pCmdTarget = pOwn;
    if (pCmdTarget == nullptr) return;
    CTestCmdUI state;
    state.m_nID = uiCmd;
    state.m_pOther = &bar;
    state.DoUpdate(pCmdTarget, bDisableIfNoHndler);
    if (state.m_bEnabled == bEnabled) return;
    bEnabled = state.m_bEnabled;
    for (int i = 0; i < bar.GetCount(); ++i) {
        CZAVPToolbarButton* pButton = bar.GetButton(i);
        if (!pButton->IsKindOf(pButtonClass)) continue;
        if (bEnabled)
            pButton->m_nStyle &= ~TBBS_DISABLED;
        else
            pButton->m_nStyle |= TBBS_DISABLED;
    }
    if (bar.GetSafeHwnd() != nullptr) bar.RedrawWindow();
}

void PaletteColors(HPALETTE hPalette, CArray<COLORREF, COLORREF>& colors)
{
    colors.RemoveAll();
    if (hPalette == nullptr) hPalette = (HPALETTE)::GetStockObject(DEFAULT_PALETTE);
    WORD nEntries = 0;
    if (hPalette == nullptr || ::GetObjectA(hPalette, sizeof nEntries, &nEntries) == 0 ||
        nEntries == 0)
        return;
    std::vector<PALETTEENTRY> entries(nEntries);
    const UINT nRead = ::GetPaletteEntries(hPalette, 0, nEntries, entries.data());
    for (UINT i = 0; i < nRead; ++i)
        colors.Add(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
}

BOOL CreatePaletteOf(CPalette& palette, const CArray<COLORREF, COLORREF>& colors, int nMax)
{
    const int nColors = (int)(colors.GetSize() < nMax ? colors.GetSize() : nMax);
    if (nColors <= 0) return FALSE;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nColors * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = (WORD)nColors;
    for (int i = 0; i < nColors; ++i)
        pLog->palPalEntry[i] = PALETTEENTRY{GetRValue(colors[i]), GetGValue(colors[i]),
                                            GetBValue(colors[i]), 0};
    return palette.CreatePalette(pLog);
}

BOOL RunColorDialog(BOOL bStandard, COLORREF clrInit, COLORREF& clrResult)
{
    if (bStandard) {
        CColorDialog dlg(clrInit, kStandardDialogFlags, nullptr);
        if (dlg.DoModal() != IDOK) return FALSE;
        clrResult = dlg.GetColor();
        return TRUE;
    }
    CZAVPColorDialog dlg(clrInit, nullptr);
    if (dlg.DoModal() != IDOK) return FALSE;
    clrResult = dlg.GetColor();
    return TRUE;
}

std::vector<CZAVPToolbarButton*> CommandPeers(UINT uiCmd, const CZAVPToolbarButton* pSelf)
{
    std::vector<CZAVPToolbarButton*> peers;
    CObList buttons;
    CZAVPToolBar::GetCommandButtons(uiCmd, buttons);
    for (POSITION pos = buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(buttons.GetNext(pos));
        if (pButton != pSelf) peers.push_back(pButton);
    }
    return peers;
}

void ApplyParent(CZAVPToolbarMenuButton& button, CWnd* pWndParent)
{
    button.m_bDrawDownArrow = TRUE;
    if (pWndParent == nullptr) {
        button.m_pWndParent = nullptr;
        button.m_bMenuMode = TRUE;
    } else if (ZAVPIsKindOf(pWndParent, RUNTIME_CLASS(CZAVPMenuBar))) {
        button.m_bText = TRUE;
    } else if (ZAVPIsKindOf(pWndParent, RUNTIME_CLASS(CZAVPPopupMenuBar))) {
        button.m_bMenuMode = TRUE;
        button.m_bText = TRUE;
    } else {
        button.m_bMenuMode = FALSE;
    }
}

int DrawOnListWithoutCommand(CZAVPToolbarMenuButton& button, CDC* pDC, const CRect& rect,
                             BOOL bSelected)
{
    const UINT uiID = button.m_nID;
    button.m_nID = 0;
    CRect rectList = rect;
    rectList.DeflateRect(1, 0);
    const int nWidth = button.CZAVPToolbarMenuButton::OnDrawOnList(pDC, rectList, bSelected);
    button.m_nID = uiID;
    return nWidth;
}
}  // namespace ZAVPPickerShared
