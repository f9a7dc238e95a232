// The toolbar button record: its archive, its image bookkeeping with the command manager, its
// size and its drawing through the visual manager.
#include "ui/toolbars/CZAVPToolbarButton.h"

#include "ui/toolbars/ZAVPButtonRecordRules.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CMemoryException.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/COleException.h"
#include "framework/CNotSupportedException.h"
#include "framework/CSharedFile.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPBarRules.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPUserTool.h"

IMPLEMENT_SERIAL(CZAVPToolbarButton, CObject, VERSIONABLE_SCHEMA | 1)

CList<UINT, UINT> CZAVPToolbarButton::m_lstProtectedCommands;

bool ButtonRecordsFromVersion(int nMajor, int nMinor)
{
    const CZAVPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr && pWorkspace->IsStateVersionAtLeast(nMajor, nMinor);
}

namespace
{
const int kDefaultSeparatorSize = 8;  // a separator of width 0 or less takes this much
const int kTextMargin = 6;            // around text beside or below the image
const int kTextSizeMargin = 9;        // added to the text extent when sizing
const int kTextBelowExtraWidth = 12;
const int kTextOffset = 3;         // text starts this far into the image area
const int kVisibleFieldMajor = 6;  // the visible flag is stored from 6.41 on
const int kVisibleFieldMinor = 41;
const UINT kPressedOrChecked = TBBS_CHECKED | TBBS_PRESSED;
const UINT kNoShadowStates = TBBS_CHECKED | TBBS_PRESSED | TBBS_DISABLED;
const UINT kNoHotBorderStates = TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE;
const UINT kClipboardBuffer = 4096;
const char kClipboardFormat[] = "ZAVToolbarButton%lx";

// Whether records of the state in force carry the visible flag; no workspace, no flag.
bool HasVisibleField() { return ButtonRecordsFromVersion(kVisibleFieldMajor, kVisibleFieldMinor); }

CZAVPUserTool* UserToolOf(UINT uiCmd)
{
    return g_pUserToolsManager != nullptr ? g_pUserToolsManager->FindTool(uiCmd) : nullptr;
}

CString CommandTooltip(UINT uiCmd)
{
    CString strPrompt;
    if (!strPrompt.LoadString(uiCmd)) return CString();
    return ZAVPButtonText::TooltipPart(strPrompt);
}
}  // namespace

namespace ZAVPButtonText
{
CString StripMnemonics(const CString& strText)
{
    CString strResult;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        const char ch = strText[i];
        if (ch != '&')
            strResult += ch;
        else if (i + 1 < nLength && strText[i + 1] == '&') {
            strResult += '&';
            ++i;
        }
    }
    return strResult;
}

CString TooltipPart(const CString& strPrompt)
{
    const int iNewLine = strPrompt.Find('\n');
    return iNewLine < 0 ? CString() : strPrompt.Mid(iNewLine + 1);
}
}  // namespace ZAVPButtonText

CZAVPToolbarButton::CZAVPToolbarButton()
    : m_nID(0), m_nStyle(TBBS_BUTTON), m_bUserButton(FALSE), m_bText(FALSE), m_bImage(TRUE),
      m_bWrapText(FALSE), m_bWholeText(TRUE), m_bTextBelow(FALSE), m_dwdItemData(0),
      m_bDragFromCollection(FALSE), m_bDisableFill(FALSE), m_bExtraSize(FALSE), m_bHorz(TRUE),
      m_bVisible(TRUE), m_bControlHidden(FALSE), m_sizeTextBelowCx(0), m_sizeTextBelowCy(0),
      m_iImage(-1), m_iUserImage(-1), m_bLocked(FALSE)
{
}

CZAVPToolbarButton::CZAVPToolbarButton(UINT uiID, int iImage, LPCSTR lpszText, BOOL bUserButton,
                                       BOOL bLocked)
    : CZAVPToolbarButton()
{
    m_bLocked = bLocked;
    m_nID = uiID;
    m_bUserButton = bUserButton;
    SetImage(iImage);
    m_strText = lpszText != nullptr ? lpszText : "";

    if (m_nID != 0 && !m_bLocked) {
        CZAVPCommandManager* pManager = GetCommandManager();
        if (GetImage() == -1) {
            const int iManaged = pManager->GetCommandImage(m_nID, m_bUserButton);
            (m_bUserButton ? m_iUserImage : m_iImage) = iManaged;
        } else
            pManager->RecordCommandImage(m_nID, GetImage(), m_bUserButton);
    }
}

CZAVPToolbarButton::~CZAVPToolbarButton() = default;

void CZAVPToolbarButton::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_nID << (DWORD)m_nStyle << (DWORD)GetImage() << m_strText
           << (DWORD)m_bUserButton << (DWORD)m_dwdItemData << (DWORD)m_bText << (DWORD)m_bImage;
        if (HasVisibleField()) ar << (DWORD)m_bVisible;
        return;
    }

    DWORD dwID = 0, dwStyle = 0, dwImage = 0, dwUser = 0, dwData = 0, dwText = 0, dwImageOn = 0;
    CString strText;
    ar >> dwID >> dwStyle >> dwImage >> strText >> dwUser >> dwData >> dwText >> dwImageOn;
    DWORD dwVisible = m_bVisible;
    if (HasVisibleField()) ar >> dwVisible;

    m_nID = dwID;
    m_nStyle = dwStyle;
    m_strText = strText;
    m_bUserButton = (BOOL)dwUser;
    m_dwdItemData = dwData;
    m_bText = (BOOL)dwText;
    m_bImage = (BOOL)dwImageOn;
    m_bVisible = (BOOL)dwVisible;
    // Last, so that the command manager sees the restored image.
    SetImage((int)dwImage);
}

BOOL CZAVPToolbarButton::CanBeDropped(CZAVPToolBar*) { return TRUE; }

void CZAVPToolbarButton::CopyFrom(const CZAVPToolbarButton& src)
{
    m_nID = src.m_nID;
    m_bLocked = src.m_bLocked;
    m_bUserButton = src.m_bUserButton;
    m_nStyle = src.m_nStyle;
    SetImage(src.GetImage());
    m_strText = src.m_strText;
    m_bText = src.m_bText;
    m_bImage = src.m_bImage;
    m_bWrapText = src.m_bWrapText;
    m_strTextCustom = src.m_strTextCustom;
    m_bVisible = src.m_bVisible;
    m_dwdItemData = 0;
}

void CZAVPToolbarButton::SetImage(int iImage)
{
    if (IsSeparator()) {
        m_iImage = iImage;  // the separator's width
        return;
    }
    (m_bUserButton ? m_iUserImage : m_iImage) = iImage;

    if (!m_bLocked && m_nID != 0) {
        CZAVPCommandManager* pManager = GetCommandManager();
        if (iImage != -1) {
            if (ZAVPSharedBarData::g_bButtonImageUpdate || m_bUserButton)
                pManager->RecordCommandImage(m_nID, iImage, m_bUserButton);
        } else {
            m_iImage = pManager->GetCommandImage(m_nID, FALSE);
            m_iUserImage = pManager->GetCommandImage(m_nID, TRUE);
            // The kind of image the command has decides the flag; with neither it stays.
            if (m_iImage >= 0)
                m_bUserButton = FALSE;
            else if (m_iUserImage >= 0)
                m_bUserButton = TRUE;
        }
    }

    if (GetImage() < 0) {
        m_bImage = FALSE;
        m_bText = TRUE;
    }
}

void CZAVPToolbarButton::ResetImageToDefault()
{
    if (m_bUserButton || (int)m_nID <= 0) return;
    if (UserToolOf(m_nID) != nullptr) return;

    const int iImage = CZAVPToolBar::GetDefaultImage(m_nID);
    if (iImage >= 0) {
        SetImage(iImage);
        return;
    }
    if (m_bImage) {
        m_bImage = FALSE;
        m_bText = TRUE;
        if (m_strText.IsEmpty()) m_strText = CommandTooltip(m_nID);
    }
}

BOOL CZAVPToolbarButton::ExportToMenuButton(CZAVPToolbarMenuButton& menuButton) const
{
    if (m_strText.IsEmpty() && m_nID != 0) {
        CString strPrompt;
        if (strPrompt.LoadString(m_nID) && strPrompt.Find('\n') >= 0)
            menuButton.m_strText = ZAVPButtonText::TooltipPart(strPrompt);
    }
    return TRUE;
}

BOOL CZAVPToolbarButton::OnClick(CWnd*, BOOL) { return FALSE; }

BOOL CZAVPToolbarButton::OnMouseRelease() { return FALSE; }

void CZAVPToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    m_bExtraSize = pWndParent != nullptr && pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPToolBar)) &&
                   static_cast<CZAVPToolBar*>(pWndParent)->HasButtonExtraSize();
}

BOOL CZAVPToolbarButton::IsEditable() const
{
    return !ZAVPBarRules::IsReservedCommandId(m_nID) &&
           m_lstProtectedCommands.Find(m_nID) == nullptr;
}

int CZAVPToolbarButton::HitTestToolTip(CWnd* pWnd, TOOLINFOA* pTI) const
{
    // The library's main frame is asked first, else the frame around the window.
    CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(g_pTopLevelFrame);
    if (pFrame == nullptr && pWnd != nullptr)
        pFrame = dynamic_cast<CZAVPFrameWnd*>(CZAVPGlobalData::GetParentFrameOf(pWnd));
    return pFrame != nullptr
               ? pFrame->OnMenuButtonToolHitTest(const_cast<CZAVPToolbarButton*>(this), pTI)
               : 0;
}

void CZAVPToolbarButton::EnableWindow(BOOL bEnable)
{
    if (HWND hwnd = GetHwnd()) ::EnableWindow(hwnd, bEnable);
}

BOOL CZAVPToolbarButton::IsWindowVisible()
{
    HWND hwnd = GetHwnd();
    return hwnd != nullptr && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CZAVPToolbarButton::IsOwnerOf(HWND hwnd)
{
    HWND hwndControl = GetHwnd();
    return hwndControl != nullptr && hwnd != nullptr &&
           (hwnd == hwndControl || ::IsChild(hwndControl, hwnd));
}

BOOL CZAVPToolbarButton::HasFocus() const
{
    HWND hwndControl = const_cast<CZAVPToolbarButton*>(this)->GetHwnd();
    HWND hwndFocus = ::GetFocus();
    return hwndControl != nullptr && hwndFocus != nullptr &&
           (hwndFocus == hwndControl || ::IsChild(hwndControl, hwndFocus));
}

void CZAVPToolbarButton::SetRect(const CRect& rect)
{
    if (CRect(m_rect) == rect) return;
    m_rect = rect;
    OnMove();
}

void CZAVPToolbarButton::FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight)
{
    if (m_bDisableFill) return;
    int state = CZAVPVisualManager::ButtonsIsRegular;
    if (!ZAVPSharedBarData::g_bCustomizeMode) {
        if (bHighlight)
            state = CZAVPVisualManager::ButtonsIsHighlighted;
        else if (m_nStyle & kPressedOrChecked)
            state = CZAVPVisualManager::ButtonsIsPressed;
    }
    CZAVPVisualManager::GetInstance()->OnFillButtonInterior(pDC, this, rect, state);
}

SIZE CZAVPToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (!m_bVisible) return CSize(0, 0);
    if (IsSeparator()) {
        if (bHorz) return CSize(m_iImage > 0 ? m_iImage : kDefaultSeparatorSize, sizeDefault.cy);
        return CSize(sizeDefault.cx, kDefaultSeparatorSize);
    }

    CSize size = sizeDefault;
    if (!(m_bImage && GetImage() >= 0)) {
        const CSize sizeExtra = m_bExtraSize
                                    ? CZAVPVisualManager::GetInstance()->GetButtonExtraBorder()
                                    : CSize(0, 0);
        if (bHorz)
            size.cx = sizeExtra.cx;
        else
            size.cy = sizeExtra.cy;
    }

    m_sizeTextBelowCx = 0;
    m_sizeTextBelowCy = 0;
    if (m_strText.IsEmpty()) return size;

    if (m_bTextBelow && bHorz) {
        CRect rectText(0, 0, sizeDefault.cx * 3, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_sizeTextBelowCx = rectText.Width() + kTextMargin;
        m_sizeTextBelowCy = rectText.Height();
        size.cx = std::max<int>(size.cx, m_sizeTextBelowCx) + kTextBelowExtraWidth;
        size.cy += rectText.Height() + 1;
    } else if (m_bText) {
        const CString strMeasured = ZAVPButtonText::StripMnemonics(m_strText);
        const int cxText = pDC->GetTextExtent(strMeasured, strMeasured.GetLength()).cx;
        if (bHorz)
            size.cx += cxText + kTextSizeMargin;
        else
            size.cy += cxText + kTextSizeMargin;
    }
    return size;
}
