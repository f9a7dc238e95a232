// The drop-down toolbar button (see CZAVPDropDownToolbarButton.h).
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPDropDownFrame.h"
#include "ui/toolbars/CZAVPDropDownToolBar.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPDropDownPlacement.h"

IMPLEMENT_SERIAL(CZAVPDropDownToolbarButton, CZAVPToolbarButton, VERSIONABLE_SCHEMA | 1)

CZAVPDropDownToolbarButton* CZAVPDropDownToolbarButton::m_pPendingButton = nullptr;

namespace
{
const int kArrowRoom = 4;  // beside the image for the arrow (9 with large icons)
const int kArrowRoomLarge = 9;
const int kArrowWidth = 7;        // the arrow's width (14 with large icons)
const int kMaxNameLength = 1024;  // a longer stored name is damage

// The hold timer has an id of its own on the button's bar: one left over from a press that ended
// (or from another bar) stops instead of opening a drop-down early or on the wrong button.
void CALLBACK HoldTimerProc(HWND hwnd, UINT, UINT_PTR idEvent, DWORD)
{
    const CZAVPDropDownToolbarButton* pPending = CZAVPDropDownToolbarButton::GetPendingButton();
    if (pPending == nullptr || pPending->GetHoldTimerWindow() != hwnd) {
        ::KillTimer(hwnd, idEvent);
        return;
    }
    CZAVPDropDownToolbarButton::OnHoldTimer();
}

CString TooltipOfCommand(UINT uiCmd)
{
    CString str;
    if (!str.LoadString(uiCmd)) return str;
    return ZAVPButtonText::TooltipPart(str);
}
}  // namespace

CZAVPDropDownToolbarButton::CZAVPDropDownToolbarButton()
    : m_hwndToolBar(nullptr), m_pPopupMenu(nullptr), m_pClosingFrame(nullptr),
      m_pWndParent(nullptr), m_uiTimer(0), m_iSelectedImage(0), m_bLocalUserButton(FALSE),
      m_bInternalClick(FALSE), m_bFrameClosing(FALSE)
{
}

CZAVPDropDownToolbarButton::CZAVPDropDownToolbarButton(LPCSTR lpszName,
                                                       CZAVPDropDownToolBar* pToolBar)
    : CZAVPDropDownToolbarButton()
{
    m_strName = lpszName != nullptr ? lpszName : "";
    m_hwndToolBar = pToolBar != nullptr ? pToolBar->GetSafeHwnd() : nullptr;
    m_iImage = -1;
}

CZAVPDropDownToolbarButton::~CZAVPDropDownToolbarButton()
{
    if (m_pPendingButton == this) m_pPendingButton = nullptr;
    if (m_uiTimer != 0 && m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr)
        ::KillTimer(m_pWndParent->GetSafeHwnd(), kHoldTimerId);
    CloseFrame();
    // A frame that is closing (its bar's release deleted the button) must not call back.
    if (m_pClosingFrame != nullptr) m_pClosingFrame->m_pParentBtn = nullptr;
}

CZAVPToolBar* CZAVPDropDownToolbarButton::GetSourceToolBar() const
{
    if (m_hwndToolBar == nullptr || !::IsWindow(m_hwndToolBar)) return nullptr;
    return dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(m_hwndToolBar));
}

void CZAVPDropDownToolbarButton::CloseFrame()
{
    CZAVPDropDownFrame* pFrame = m_pPopupMenu;
    m_pPopupMenu = nullptr;
    if (pFrame == nullptr) return;
    pFrame->m_pParentBtn = nullptr;
    pFrame->m_bAutoDestroy = FALSE;
    if (pFrame->GetSafeHwnd() != nullptr) pFrame->DestroyWindow();
}

// ---- archive

void CZAVPDropDownToolbarButton::Serialize(CArchive& ar)
{
    CZAVPToolbarButton::Serialize(ar);
    if (ar.IsStoring()) {
        CZAVPToolBar* pSource = GetSourceToolBar();
        ar << (DWORD)(pSource != nullptr ? pSource->GetDlgCtrlID() : 0) << m_strName
           << (DWORD)m_iSelectedImage;
        return;
    }
    DWORD dwBarId = 0, dwImage = 0;
    CString strName;
    ar >> dwBarId >> strName >> dwImage;
    if (strName.GetLength() > kMaxNameLength || (int)dwImage < -1)
        AfxThrowArchiveException(CArchiveException::badIndex);
    m_strName = strName;
    m_iSelectedImage = (int)dwImage;
    // The source is looked up among the live drop-down toolbars; none found, none kept.
    m_hwndToolBar = nullptr;
    CObList& bars = CZAVPToolBar::GetAllToolbars();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDropDownToolBar* pBar = dynamic_cast<CZAVPDropDownToolBar*>(bars.GetNext(pos));
        if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr && dwBarId != 0 &&
            (DWORD)pBar->GetDlgCtrlID() == dwBarId && !pBar->SharesButtons())
        {
            m_hwndToolBar = pBar->GetSafeHwnd();
            break;
        }
    }
    if (m_hwndToolBar != nullptr && m_nID != 0) SetDefaultCommand(m_nID);
}

void CZAVPDropDownToolbarButton::CopyFrom(const CZAVPToolbarButton& s)
{
    CZAVPToolbarButton::CopyFrom(s);
    const CZAVPDropDownToolbarButton* pSrc = dynamic_cast<const CZAVPDropDownToolbarButton*>(&s);
    if (pSrc == nullptr || pSrc == this) return;
    m_hwndToolBar = pSrc->m_hwndToolBar;
    m_strName = pSrc->m_strName;
    m_iSelectedImage = pSrc->m_iSelectedImage;
}

// ---- command

void CZAVPDropDownToolbarButton::SetDefaultCommand(UINT uiCmd)
{
    m_nID = uiCmd;
    m_iSelectedImage = 0;
    m_bLocalUserButton = FALSE;
    CZAVPToolBar* pSource = GetSourceToolBar();
    if (pSource == nullptr) return;
    int iPosition = 0;
    for (int i = 0; i < pSource->GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = pSource->GetButton(i);
        if (pButton->IsSeparator()) continue;
        if (pButton->m_nID == uiCmd) {
            m_bLocalUserButton = pButton->m_bUserButton;
            // Its own image, or else its place among the bar's buttons.
            const int iImage = pButton->GetImage();
            m_iSelectedImage = iImage >= 0 ? iImage : iPosition;
            return;
        }
        ++iPosition;
    }
}

// ---- press and hold

BOOL CZAVPDropDownToolbarButton::OnClick(CWnd* pWnd, BOOL)
{
    if (m_uiTimer == 0) {
        if (m_pWndParent == nullptr || m_pWndParent->GetSafeHwnd() == nullptr) return FALSE;
        m_uiTimer = ::SetTimer(m_pWndParent->GetSafeHwnd(), kHoldTimerId, kHoldMs, HoldTimerProc);
        if (m_uiTimer != 0) m_pPendingButton = this;
        return FALSE;
    }
    ::KillTimer(m_pWndParent != nullptr ? m_pWndParent->GetSafeHwnd() : nullptr, kHoldTimerId);
    m_uiTimer = 0;
    if (m_pPendingButton == this) m_pPendingButton = nullptr;
    if (m_pPopupMenu != nullptr) {
        CloseFrame();
        return TRUE;
    }
    CZAVPPopupMenuBar* pMenuBar = dynamic_cast<CZAVPPopupMenuBar*>(m_pWndParent);
    if (pMenuBar != nullptr && !CZAVPToolBar::IsCustomizeMode() && pWnd == m_pWndParent &&
        !m_bInternalClick)
        return TRUE;
    DropDownToolbar(m_pWndParent);
    if (CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(m_pWndParent))
        if (pMenuBar != nullptr) pBar->SetHotButton(this);
    return TRUE;
}

void CZAVPDropDownToolbarButton::OnHoldTimer()
{
    CZAVPDropDownToolbarButton* pButton = m_pPendingButton;
    if (pButton == nullptr) return;
    pButton->m_bInternalClick = TRUE;
    pButton->OnClick(pButton->m_pWndParent, FALSE);
    pButton->m_bInternalClick = FALSE;
}

BOOL CZAVPDropDownToolbarButton::OnMouseRelease()
{
    if (m_bFrameClosing) return TRUE;
    if (m_uiTimer != 0) {
        // A quick click: the shown command runs.
        ::KillTimer(m_pWndParent != nullptr ? m_pWndParent->GetSafeHwnd() : nullptr, kHoldTimerId);
        m_uiTimer = 0;
        if (m_pPendingButton == this) m_pPendingButton = nullptr;
        return FALSE;
    }
    if (m_pPopupMenu != nullptr) {
        CloseFrame();
        return TRUE;
    }
    return FALSE;
}

BOOL CZAVPDropDownToolbarButton::DropDownToolbar(CWnd* pWnd)
{
    CZAVPToolBar* pSource = GetSourceToolBar();
    if (pSource == nullptr || m_pPopupMenu != nullptr) return FALSE;
    if (pWnd == nullptr) pWnd = m_pWndParent;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return FALSE;
    CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(m_pWndParent);
    const bool bVert = pBar != nullptr && !pBar->IsHorizontal();
    CRect rectButton = m_rect;
    pWnd->ClientToScreen(&rectButton);
    const CPoint pt = ZAVPDropDownPlacement::Origin(rectButton, bVert);

    CZAVPDropDownFrame* pFrame = new CZAVPDropDownFrame;
    pFrame->m_pParentBtn = this;
    pFrame->m_pParentBar = pBar;
    m_pPopupMenu = pFrame;
    if (!pFrame->Create(pWnd, pt.x, pt.y, pSource)) {
        m_pPopupMenu = nullptr;  // the frame deleted itself
        return FALSE;
    }
    return TRUE;
}

void CZAVPDropDownToolbarButton::OnCancelMode()
{
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        const RECT rc = m_rect;
        ::InvalidateRect(m_pWndParent->GetSafeHwnd(), &rc, TRUE);
        ::UpdateWindow(m_pWndParent->GetSafeHwnd());
    }
}

// ---- parent, menus, customisation

void CZAVPDropDownToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pWndParent = pWndParent;
    m_strText.Empty();
    m_bUserButton = FALSE;
}

BOOL CZAVPDropDownToolbarButton::ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const
{
    menuButton.m_strText = m_strName;
    menuButton.SetImage(-1);
    menuButton.RemoveAllSubItems();
    CZAVPToolBar* pSource = GetSourceToolBar();
    if (pSource == nullptr) return TRUE;
    for (int i = 0; i < pSource->GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = pSource->GetButton(i);
        if (pButton->IsSeparator()) {
            CZAVPToolbarButton sep;
            sep.m_nStyle = TBBS_SEPARATOR;
            menuButton.AddSubItem(sep);
            continue;
        }
        CZAVPToolbarMenuButton item(pButton->m_nID, nullptr, -1,
                                    pButton->m_strText.IsEmpty()
                                        ? (LPCSTR)TooltipOfCommand(pButton->m_nID)
                                        : (LPCSTR)pButton->m_strText);
        menuButton.AddSubItem(item);
    }
    return TRUE;
}

BOOL CZAVPDropDownToolbarButton::OnCustomizeMenu(CMenu* pMenu)
{
    if (pMenu == nullptr) return FALSE;
    for (UINT uiCmd : {ID_ZAVP_BUTTON_COPY_IMAGE, ID_ZAVP_BUTTON_APPEARANCE, ID_ZAVP_BUTTON_IMAGE,
                       ID_ZAVP_BUTTON_TEXT, ID_ZAVP_BUTTON_IMAGE_AND_TEXT})
        ::EnableMenuItem(pMenu->GetSafeHmenu(), uiCmd, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

BOOL CZAVPDropDownToolbarButton::IsExtraSize() const
{
    return m_bExtraSize && GetSourceToolBar() != nullptr;
}

// ---- size and drawing

SIZE CZAVPDropDownToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    CZAVPToolBar* pSource = GetSourceToolBar();
    if (m_nID == 0 && pSource != nullptr && pSource->GetCount() > 0)
        SetDefaultCommand(pSource->GetButton(0)->m_nID);
    const int iImage = m_iImage;
    m_iImage = m_iSelectedImage;
    SIZE size = CZAVPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    m_iImage = iImage;
    size.cx += CZAVPToolBar::IsLargeIcons() ? kArrowRoomLarge : kArrowRoom;
    return size;
}

void CZAVPDropDownToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                        BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                        BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    CZAVPToolBar* pSource = GetSourceToolBar();
    CZAVPImageStrip* pStrip = pSource != nullptr ? pSource->GetPaintStrips().pImages : nullptr;
    if (pStrip == nullptr) pStrip = pImages;
    const int iImage = m_iImage;
    const BOOL bImage = m_bImage;
    m_iImage = pSource != nullptr ? m_iSelectedImage : -1;
    m_bImage = m_iImage >= 0;
    const BOOL bPressed = m_pPopupMenu != nullptr;
    if (bPressed) m_nStyle |= TBBS_PRESSED;
    CZAVPToolbarButton::OnDraw(pDC, rect, pStrip, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                               bGrayDisabledButtons);
    if (bPressed) m_nStyle &= ~TBBS_PRESSED;
    m_iImage = iImage;
    m_bImage = bImage;

    // The small arrow in the lower right corner.
    const int nWidth = CZAVPToolBar::IsLargeIcons() ? 2 * kArrowWidth : kArrowWidth;
    const int nHeight = (nWidth + 1) / 2;
    const int x = rect.right - nWidth - 2, y = rect.bottom - nHeight - 3;
    const COLORREF clr = (m_nStyle & TBBS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT)
                                                    : ::GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < nHeight; ++i)
        for (int px = x + i; px < x + nWidth - i; ++px) pDC->SetPixel(px, y + i, clr);
}

int CZAVPDropDownToolbarButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const CString strText = m_strText;
    m_strText = m_strName;
    const int nWidth = CZAVPToolbarButton::OnDrawOnList(pDC, rect, bSelected);
    m_strText = strText;
    return nWidth;
}
