// The drop-down toolbar (see CZAVPDropDownToolBar.h).
#include "ui/toolbars/CZAVPDropDownToolBar.h"

#include "framework/CFrameWnd.h"
#include "ui/toolbars/CZAVPDropDownFrame.h"
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"
#include "ui/toolbars/ZAVPMouseLeave.h"
#include "framework/CWinApp.h"
#include "framework/AfxMsgMap.h"

IMPLEMENT_SERIAL(CZAVPDropDownToolBar, CZAVPToolBar, VERSIONABLE_SCHEMA | 1)

namespace
{
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPDropDownToolBar, CZAVPToolBar)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CZAVPDropDownToolBar::~CZAVPDropDownToolBar()
{
    // The shared buttons are the source's: they go before the base deletes its list.
    ReleaseSharedButtons();
}

void CZAVPDropDownToolBar::OnDestroy()
{
    ReleaseSharedButtons();
    CZAVPToolBar::OnDestroy();
}

void CZAVPDropDownToolBar::ShareButtonsOf(CZAVPToolBar* pSource)
{
    ReleaseSharedButtons();
    RemoveAllButtons();
    if (pSource == nullptr) return;
    m_pLookSource = pSource;
    m_bLocked = pSource->IsLocked();
    for (int i = 0; i < pSource->GetCount(); ++i) {
        CZAVPToolbarButton* pButton = pSource->GetButton(i);
        if (pButton == (CZAVPToolbarButton*)pSource->GetCustomizeButton()) continue;
        m_Buttons.AddTail(pButton);
    }
    m_bShared = TRUE;
}

void CZAVPDropDownToolBar::ReleaseSharedButtons()
{
    if (!m_bShared) return;
    m_Buttons.RemoveAll();
    m_pCustomizeBtn = nullptr;
    m_iButtonCapture = m_iHighlighted = m_iSelected = m_iHot = -1;
    m_AccelKeys.RemoveAll();
    m_pLookSource = nullptr;
    m_bShared = FALSE;
}

BOOL CZAVPDropDownToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL,
                                      UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    CZAVPToolBarImageIds ids;
    ids.uiHot = uiResID;
    ids.uiCold = uiColdResID;
    ids.uiMenu = uiMenuResID;
    ids.uiDisabled = uiDisabledResID;
    ids.uiMenuDisabled = uiMenuDisabledResID;
    return LoadBitmapEx(ids, TRUE);
}

BOOL CZAVPDropDownToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL,
                                       UINT uiDisabledResID, UINT uiMenuDisabledResID,
                                       UINT uiHotResID)
{
    CZAVPToolBarImageIds ids;
    ids.uiHot = uiHotResID != 0 ? uiHotResID : uiResID;
    ids.uiCold = uiColdResID;
    ids.uiMenu = uiMenuResID;
    ids.uiDisabled = uiDisabledResID;
    ids.uiMenuDisabled = uiMenuDisabledResID;
    return LoadToolBarEx(uiResID, ids, TRUE);
}

void CZAVPDropDownToolBar::OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler)
{
    // The buttons' states come from where their commands go.
    CWnd* pTarget = GetCommandTarget();
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pTarget);
    if (pFrame == nullptr && pTarget != nullptr) pFrame = pTarget->GetTopLevelFrame();
    CZAVPToolBar::OnUpdateCmdUI(pFrame, bDisableIfNoHndler);
}

BOOL CZAVPDropDownToolBar::OnSendCommand(const CZAVPToolbarButton* pButton)
{
    if (pButton == nullptr) return TRUE;
    if (pButton->m_nStyle & TBBS_DISABLED) return TRUE;
    const UINT uiCmd = pButton->m_nID;
    if (uiCmd == 0 || uiCmd == (UINT)-1) return TRUE;
    CZAVPDropDownFrame* pFrame = dynamic_cast<CZAVPDropDownFrame*>(GetParent());
    if (pFrame == nullptr) return FALSE;  // a plain bar: the command goes as usual
    if (pFrame->m_pParentBtn != nullptr) pFrame->m_pParentBtn->SetDefaultCommand(uiCmd);
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr) pOwner = GetParent();
    if (pOwner != nullptr) pOwner->PostMessage(WM_COMMAND, uiCmd);
    // The frame (and this bar inside it) goes once this message is over.
    pFrame->PostMessage(WM_CLOSE);
    return TRUE;
}

void CZAVPDropDownToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bShared || IsCustomizeMode()) {
        CZAVPToolBar::OnMouseMove(nFlags, point);
        return;
    }
    if (point == m_ptLastMouse) return;
    m_ptLastMouse = point;
    int iHit = HitTest(point);
    const CZAVPToolbarButton* pHit = GetButton(iHit);
    if (pHit == nullptr || pHit->IsSeparator() || (pHit->m_nStyle & TBBS_DISABLED)) iHit = -1;
    if (!m_bTracked) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
        m_bTracked = TrackMouseLeave(&tme) != 0;
    }
    if (iHit == m_iHighlighted) return;
    // The hot button shows pressed while the mouse is over it.
    if (CZAVPToolbarButton* pOld = GetButton(m_iHighlighted)) {
        pOld->m_nStyle &= ~TBBS_PRESSED;
        InvalidateButton(m_iHighlighted);
    }
    m_iHighlighted = iHit;
    if (CZAVPToolbarButton* pNew = GetButton(iHit)) {
        pNew->m_nStyle |= TBBS_PRESSED;
        InvalidateButton(iHit);
    }
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr) {
        const UINT uiPrompt = iHit >= 0 ? GetButton(iHit)->m_nID : AFX_IDS_IDLEMESSAGE;
        pOwner->SendMessage(WM_SETMESSAGESTRING, uiPrompt);
    }
    ::UpdateWindow(m_hWnd);
}

void CZAVPDropDownToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bShared || IsCustomizeMode()) {
        CZAVPToolBar::OnLButtonUp(nFlags, point);
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point)) {
        if (CWnd* pFrame = GetParent()) pFrame->PostMessage(WM_CLOSE);
        return;
    }
    // The hot button becomes the pressed one and the bar's own release runs its command.
    m_iButtonCapture = m_iHighlighted;
    if (CZAVPToolbarButton* pButton = GetButton(m_iButtonCapture))
        pButton->m_nStyle &= ~TBBS_PRESSED;
    if (m_iButtonCapture < 0) return;
    CZAVPToolBar::OnLButtonUp(nFlags, point);
}
