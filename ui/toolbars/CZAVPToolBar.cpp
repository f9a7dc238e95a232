// The toolbar window: creation, the button list, loading a toolbar resource, command state and
// routing, tooltips and the toolbar-control queries.
#include "ui/toolbars/CZAVPToolBar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "framework/CResourceException.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"
#include "ui/foundation/ZAVPWindowChecks.h"
#include "framework/AfxMsgMap.h"

IMPLEMENT_SERIAL(CZAVPToolBar, CZAVPBaseToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPToolBar, CZAVPBaseToolBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_CANCELMODE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SYSCOLORCHANGE()
ON_WM_KILLFOCUS()
ON_WM_NCHITTEST()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SETCURSOR()
ON_WM_SETFOCUS()
ON_WM_SHOWWINDOW()
ON_WM_SETTINGCHANGE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_WM_CTLCOLOR()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_HELPHITTEST, &CZAVPToolBar::OnHelpHitTest)
ON_MESSAGE(TB_GETBUTTON, &CZAVPToolBar::OnGetButton)
ON_MESSAGE(TB_BUTTONCOUNT, &CZAVPToolBar::OnGetButtonCount)
ON_MESSAGE(TB_GETITEMRECT, &CZAVPToolBar::OnGetItemRect)
ON_MESSAGE(TB_GETBUTTONTEXTA, &CZAVPToolBar::OnGetButtonText)
ON_REGISTERED_MESSAGE(ZAVPToolBarMessages::ResetPrompt, &CZAVPToolBar::OnResetPrompt)
END_MESSAGE_MAP()

namespace
{
const DWORD kNoDivider = 0x4C;         // CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE
const DWORD kNoMoveY = 0x2;            // CCS_NOMOVEY
const UINT kToolBarWindowId = 0xE800;  // AFX_IDW_TOOLBAR
const int kToolBarBorder = 1;
const int kResourceImageMargin = 7;  // a button is its image plus this: 16 x 15 -> 23 x 22
const UINT kCheckStyle = TBBS_CHECKBOX;
const UINT kSystemCommandFirst = 0xF000;
const UINT kSystemCommandEnd = 0xF1F0;
const UINT kMdiWindowFirst = 0xFF00;
const UINT kSystemPromptBase = 0xEF00;
const UINT kMdiPrompt = 0xEF1F;
const UINT kHelpPromptA = (UINT)-1;
const UINT kHelpPromptB = (UINT)-20;
const int kMaxTooltip = 256;

// The layout of an RT_TOOLBAR resource: version, image width and height, count, then the ids.
struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    // WORD aItems[wItemCount]
};

CString RegisterToolBarClass()
{
    const HINSTANCE hInst = AfxGetInstanceHandle();
    HCURSOR hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    HBRUSH hBrush = (HBRUSH)(COLOR_BTNFACE + 1);
    CString strClass;
    strClass.Format("ZAVToolBar:%x:%x:%x:%x", (UINT)(UINT_PTR)hInst, (UINT)CS_DBLCLKS,
                    (UINT)(UINT_PTR)hCursor, (UINT)(UINT_PTR)hBrush);
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, strClass, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hBrush;
        wc.lpszClassName = strClass;
        if (!::RegisterClassA(&wc)) AfxThrowResourceException();
    }
    return strClass;
}

// The prompt id shown in the status bar for a command.
UINT PromptId(UINT uiCmdId)
{
    if (uiCmdId == kHelpPromptA || uiCmdId == kHelpPromptB) return AFX_IDS_IDLEMESSAGE;
    if (uiCmdId >= kSystemCommandFirst && uiCmdId < kSystemCommandEnd)
        return kSystemPromptBase + (uiCmdId - kSystemCommandFirst) / 16;
    if (uiCmdId >= kMdiWindowFirst) return kMdiPrompt;
    return uiCmdId;
}

// The image block of the short loading calls, which name no large images.
CZAVPToolBarImageIds ImageIds(UINT uiHot, UINT uiCold, UINT uiMenu, UINT uiDisabled,
                              UINT uiMenuDisabled)
{
    CZAVPToolBarImageIds ids;
    ids.uiHot = uiHot;
    ids.uiCold = uiCold;
    ids.uiMenu = uiMenu;
    ids.uiDisabled = uiDisabled;
    ids.uiMenuDisabled = uiMenuDisabled;
    return ids;
}

// The second '\n' field of a command's string (its tooltip), empty when none.
CString TooltipField(UINT uiCmd)
{
    CString strPrompt;
    if (!strPrompt.LoadString(uiCmd)) return CString();
    CString strTip = ZAVPButtonText::TooltipPart(strPrompt);
    const int iNext = strTip.Find('\n');
    return iNext >= 0 ? strTip.Left(iNext) : strTip;
}

// The toolbar's command-update item: applies enable, check and text to one button.
class CZAVPToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pOther);
        UINT nStyle = pBar->GetButtonStyle((int)m_nIndex) & ~TBBS_DISABLED;
        if (!bOn) nStyle |= TBBS_DISABLED;
        pBar->SetButtonStyle((int)m_nIndex, nStyle);
    }
    void SetCheck(int nCheck) override
    {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pOther);
        UINT nStyle = pBar->GetButtonStyle((int)m_nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 2)
            nStyle |= TBBS_INDETERMINATE;
        else if (nCheck != 0)
            nStyle |= TBBS_CHECKED;
        pBar->SetButtonStyle((int)m_nIndex, nStyle | kCheckStyle);
    }
    void SetRadio(BOOL bOn) override
    {
        SetCheck(bOn ? 1 : 0);
        if (CZAVPToolbarButton* pButton = static_cast<CZAVPToolBar*>(m_pOther)->GetButton(
                (int)m_nIndex))
            pButton->SetRadio();
    }
    void SetText(LPCSTR lpszText) override
    {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pOther);
        CString strText = lpszText != nullptr ? lpszText : "";
        const int iTab = strText.Find('\t');
        if (iTab >= 0) strText = strText.Left(iTab);
        if (pBar->GetButtonText((int)m_nIndex) != strText) {
            pBar->SetButtonText((int)m_nIndex, strText);
            pBar->AdjustLayout();
        }
    }
};
}  // namespace

CZAVPToolBar::CZAVPToolBar()
    : m_bRouteCommandsViaFrame(TRUE), m_bDrawTextLabels(FALSE), m_pCustomizeBtn(nullptr),
      m_bLocked(FALSE), m_bLargeIconsAreEnbaled(TRUE), m_bMenuMode(FALSE), m_bTextLabels(FALSE),
      m_bTextLabelsTaller(FALSE), m_nMaxBtnHeight(0), m_sizeOwnButton(23, 22),
      m_sizeOwnImage(16, 15), m_iButtonCapture(-1), m_iHighlighted(-1), m_iSelected(-1), m_iHot(-1),
      m_iImagesOffset(-1), m_uiOriginalResID(0), m_bDrawBorders(TRUE), m_bGrayDisabledButtons(TRUE),
      m_bTracked(FALSE), m_ptLastMouse(-1, -1), m_hwndLastCapture(nullptr),
      m_hwndLastFocus(nullptr), m_pToolTip(nullptr), m_nTooltipsCount(0), m_Impl(this)
{
    m_AccelKeys.InitHashTable(17);
}

CZAVPToolBar::~CZAVPToolBar()
{
    RemoveAllButtons();
    for (CObList* pList : {&m_OrigButtons, &m_OrigResetButtons}) {
        while (!pList->IsEmpty()) delete pList->RemoveHead();
    }
    delete m_pToolTip;
}

// ---- creation

BOOL CZAVPToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CZAVPToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                            UINT nID)
{
    dwStyle |= CBRS_GRIPPER;
    rcBorders.left = std::max<int>(rcBorders.left, kToolBarBorder);
    rcBorders.top = std::max<int>(rcBorders.top, kToolBarBorder);
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);

    DWORD dwBarStyle = dwStyle & CBRS_ALL;
    if (nID == kToolBarWindowId) dwBarStyle |= CBRS_HIDE_INPLACE;
    SetBarStyle(dwBarStyle);
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | kNoDivider;
    dwWindowStyle &= ~kNoMoveY;

    const CString strClass = RegisterToolBarClass();
    return CZAVPControlBar::CreateEx(0, strClass, nullptr, dwWindowStyle | dwBarStyle,
                                     CRect(0, 0, 0, 0), pParentWnd, nID, ZAVP_CBRS_FLOAT);
}

int CZAVPToolBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPBaseToolBar::OnCreate(lpcs) == -1) return -1;
    if (m_hcurHorzSplit == nullptr) {
        const HINSTANCE hRes = AfxGetResourceHandle();
        m_hcurHorzSplit = ::LoadCursorA(hRes, MAKEINTRESOURCEA(30980));
        m_hcurVertSplit = ::LoadCursorA(hRes, MAKEINTRESOURCEA(30981));
        m_hcurSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
    }
    // A bar's window may be made again after it was destroyed: one control object serves both.
    if (m_pToolTip == nullptr) m_pToolTip = new CToolTipCtrl;
    m_nTooltipsCount = 0;
    if (m_pToolTip->Create(this, TTS_ALWAYSTIP)) {
        m_pToolTip->Activate(TRUE);
        ApplyMaxToolTipWidth(m_pToolTip->GetSafeHwnd());
    }
    // Buttons come and go by OLE drag and drop where OLE is initialised; elsewhere the bars drag
    // them themselves (customisation mode).
    if (AfxOleGetInitialized()) m_DropTarget.Register(this);
    GetAllToolbars().AddTail(this);
    return 0;
}

void CZAVPToolBar::OnDestroy()
{
    if (m_pToolTip != nullptr) {
        m_pToolTip->DestroyWindow();
        delete m_pToolTip;
        m_pToolTip = nullptr;
    }
    m_nTooltipsCount = 0;
    // The control-bar part: the bar leaves its row, the dock manager's lists and a tab window.
    CZAVPBaseToolBar::OnDestroy();
    if (m_pSelToolbar == this) m_pSelToolbar = nullptr;
    m_DropTarget.Revoke();
    CObList& toolbars = GetAllToolbars();
    if (POSITION pos = toolbars.Find(this)) toolbars.RemoveAt(pos);
}

// ---- loading a toolbar resource

BOOL CZAVPToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                              UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    return LoadBitmapEx(
        ImageIds(uiResID, uiColdResID, uiMenuResID, uiDisabledResID, uiMenuDisabledResID), bLocked);
}

BOOL CZAVPToolBar::LoadBitmapEx(const CZAVPToolBarImageIds& ids, BOOL bLocked)
{
    m_bLocked = bLocked;
    const HINSTANCE hRes = AfxGetResourceHandle();
    if (bLocked) {
        const UINT uiIds[kStripKinds] = {ids.uiCold,      ids.uiHot,         ids.uiDisabled,
                                         ids.uiLargeCold, ids.uiLargeHot,    ids.uiLargeDisabled,
                                         ids.uiMenu,      ids.uiMenuDisabled};
        if (!m_OwnStrips[kImagesStrip].Load(ids.uiHot, hRes, FALSE)) return FALSE;
        for (int i = 0; i < kStripKinds; ++i)
            if (i != kImagesStrip && uiIds[i] != 0 && !m_OwnStrips[i].Load(uiIds[i], hRes, FALSE))
                return FALSE;
        return TRUE;
    }
    if (!m_Images.Load(ids.uiHot, hRes, TRUE)) return FALSE;
    m_iImagesOffset = m_Images.GetResourceOffset(ids.uiHot);
    // The other strips are optional, but one that is named must load.
    const struct
    {
        UINT id;
        CZAVPImageStrip* pStrip;
    } others[] = {{ids.uiCold, &m_ColdImages},
                  {ids.uiDisabled, &m_DisabledImages},
                  {ids.uiLargeCold, &m_LargeColdImages},
                  {ids.uiLargeHot, &m_LargeImages},
                  {ids.uiLargeDisabled, &m_LargeDisabledImages},
                  {ids.uiMenu, &m_MenuImages},
                  {ids.uiMenuDisabled, &m_DisabledMenuImages}};
    for (const auto& other : others)
        if (other.id != 0 && !other.pStrip->Load(other.id, hRes, TRUE)) return FALSE;
    return TRUE;
}

BOOL CZAVPToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL bLocked,
                               UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    return LoadToolBarEx(
        uiResID,
        ImageIds(uiHotResID, uiColdResID, uiMenuResID, uiDisabledResID, uiMenuDisabledResID),
        bLocked);
}

BOOL CZAVPToolBar::LoadToolBarEx(UINT uiResID, const CZAVPToolBarImageIds& idsGiven, BOOL bLocked)
{
    const HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(uiResID), MAKEINTRESOURCEA(241));
    if (hRsrc == nullptr) return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const DWORD dwSize = ::SizeofResource(hInst, hRsrc);
    const ToolBarResource* pData = hGlobal != nullptr ? static_cast<const ToolBarResource*>(
                                                            ::LockResource(hGlobal))
                                                      : nullptr;
    // The count must fit the resource: a damaged one is refused, not read past its end.
    if (pData == nullptr || dwSize < sizeof(ToolBarResource) ||
        dwSize < sizeof(ToolBarResource) + pData->wItemCount * sizeof(WORD))
    {
        return FALSE;
    }

    const SIZE sizeImage = {pData->wWidth, pData->wHeight};
    const SIZE sizeButton = {pData->wWidth + kResourceImageMargin,
                             pData->wHeight + kResourceImageMargin};
    if (bLocked) {
        SetLockedSizes(sizeButton, sizeImage);
    } else
        SetSizes(sizeButton, sizeImage);

    CZAVPToolBarImageIds images = idsGiven;
    if (images.uiHot == 0) images.uiHot = uiResID;
    if (m_uiOriginalResID == 0 && !LoadBitmapEx(images, bLocked)) return FALSE;
    m_bLocked = bLocked;

    const WORD* pItems = reinterpret_cast<const WORD*>(pData + 1);
    std::vector<UINT> ids;
    int iImage = m_iImagesOffset;
    for (WORD i = 0; i < pData->wItemCount; ++i) {
        ids.push_back(pItems[i]);
        if (!bLocked && pItems[i] != 0 && iImage >= 0) m_DefaultImages[pItems[i]] = iImage++;
    }

    m_uiOriginalResID = uiResID;
    const BOOL bResult = SetButtons(ids.data(), (int)ids.size());
    if (!bResult) m_uiOriginalResID = 0;
    return bResult;
}

BOOL CZAVPToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    CZAVPToolbarButton* pCustomizeCopy = nullptr;
    if (m_pCustomizeBtn != nullptr) {
        CZAVPToolbarButton* pOld = m_pCustomizeBtn;
        pCustomizeCopy = static_cast<CZAVPToolbarButton*>(pOld->GetRuntimeClass()->CreateObject());
        if (pCustomizeCopy != nullptr) pCustomizeCopy->CopyFrom(*pOld);
    }
    RemoveAllButtons();
    while (!m_OrigButtons.IsEmpty()) delete m_OrigButtons.RemoveHead();

    int iOwnImage = 0;
    for (int i = 0; lpIDArray != nullptr && i < nIDCount; ++i) {
        const UINT uiID = lpIDArray[i];
        CZAVPToolbarButton* pButton = nullptr;
        if (uiID == 0) {
            pButton = new CZAVPToolbarButton;
            pButton->m_nStyle = TBBS_SEPARATOR;
            pButton->SetImage(0);
            if (m_Buttons.IsEmpty() || InsertButton(pButton) < 0) {
                delete pButton;
                pButton = nullptr;
            }
        } else {
            const int iImage = m_bLocked ? iOwnImage++ : GetDefaultImage(uiID);
            pButton = new CZAVPToolbarButton(uiID, iImage, nullptr, FALSE, m_bLocked);
            if (InsertButton(pButton) < 0) {
                delete pButton;
                pButton = nullptr;
            }
        }
        if (pButton != nullptr) {
            CZAVPToolbarButton* pCopy = new CZAVPToolbarButton;
            pCopy->CopyFrom(*pButton);
            m_OrigButtons.AddTail(pCopy);
        }
    }
    if (pCustomizeCopy != nullptr) {
        m_Buttons.AddTail(pCustomizeCopy);
        pCustomizeCopy->OnChangeParentWnd(this);
        m_pCustomizeBtn = static_cast<CCustomizeButton*>(pCustomizeCopy);
    }
    return TRUE;
}

// ---- the button list

int CZAVPToolBar::GetCount() const { return (int)m_Buttons.GetCount(); }

CZAVPToolbarButton* CZAVPToolBar::GetButton(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount()) return nullptr;
    POSITION pos = m_Buttons.FindIndex(iIndex);
    if (pos == nullptr) return nullptr;
    // The list holds the bar's buttons and nothing else.
    ASSERT(m_Buttons.GetAt(pos)->IsKindOf(RUNTIME_CLASS(CZAVPToolbarButton)));
    return static_cast<CZAVPToolbarButton*>(m_Buttons.GetAt(pos));
}

int CZAVPToolBar::CommandToIndex(UINT nIDFind, int iIndexFirst) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            m_Buttons.GetNext(pos));
        if (i >= iIndexFirst && pButton->m_nID == nIDFind) return i;
    }
    return -1;
}

int CZAVPToolBar::ButtonToIndex(const CZAVPToolbarButton* pButton) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr; ++i)
        if (m_Buttons.GetNext(pos) == pButton) return i;
    return -1;
}

int CZAVPToolBar::InsertButton(CZAVPToolbarButton* pButton, int iInsertAt)
{
    if (pButton == nullptr || !IsCommandPermitted(pButton->m_nID)) return -1;
    const int nCount = GetCount();
    if (iInsertAt == -1) iInsertAt = nCount;
    if (iInsertAt < 0 || iInsertAt > nCount) return -1;
    // The customize button stays last.
    if (m_pCustomizeBtn != nullptr && iInsertAt == nCount) iInsertAt = nCount - 1;
    if (iInsertAt == GetCount())
        m_Buttons.AddTail(pButton);
    else
        m_Buttons.InsertBefore(m_Buttons.FindIndex(iInsertAt), pButton);
    pButton->OnChangeParentWnd(this);
    return iInsertAt;
}

int CZAVPToolBar::InsertButtonCopy(const CZAVPToolbarButton& button, int iInsertAt)
{
    CZAVPToolbarButton* pCopy = static_cast<CZAVPToolbarButton*>(
        button.GetRuntimeClass()->CreateObject());
    if (pCopy == nullptr) return -1;
    pCopy->CopyFrom(button);
    const int iIndex = InsertButton(pCopy, iInsertAt);
    if (iIndex < 0) delete pCopy;
    return iIndex;
}

int CZAVPToolBar::InsertSeparator(int iInsertAt)
{
    if (iInsertAt == 0 || GetCount() == 0) return -1;
    CZAVPToolbarButton* pSeparator = new CZAVPToolbarButton;
    pSeparator->m_nStyle = TBBS_SEPARATOR;
    pSeparator->SetImage(0);
    const int iIndex = InsertButton(pSeparator, iInsertAt);
    if (iIndex < 0) delete pSeparator;
    return iIndex;
}

BOOL CZAVPToolBar::RemoveButton(int iIndex)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr || pButton == m_pCustomizeBtn) return FALSE;
    DeleteEntry(iIndex);

    // No separator may end the bar (the first entry stays), nor two stand side by side.
    const int nLast = GetCount() - (m_pCustomizeBtn != nullptr ? 1 : 0) - 1;
    for (int i = nLast; i > 0; --i) {
        const CZAVPToolbarButton* pLast = GetButton(i);
        if (pLast == nullptr || !pLast->IsSeparator()) break;
        DeleteEntry(i);
    }
    const CZAVPToolbarButton* pBefore = GetButton(iIndex - 1);
    const CZAVPToolbarButton* pAt = GetButton(iIndex);
    if (pBefore != nullptr && pAt != nullptr && pBefore->IsSeparator() && pAt->IsSeparator())
        DeleteEntry(iIndex);
    UpdateMnemonics();
    return TRUE;
}

void CZAVPToolBar::DeleteEntry(int iIndex)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    m_Buttons.RemoveAt(m_Buttons.FindIndex(iIndex));
    pButton->OnCancelMode();
    delete pButton;

    // Every index past the entry moves down with it, the separators cleaned up after a removal
    // included; one that pointed at the entry points at nothing.
    for (int* pIndex : {&m_iSelected, &m_iButtonCapture, &m_iHot}) {
        if (*pIndex == iIndex)
            *pIndex = -1;
        else if (*pIndex > iIndex)
            --*pIndex;
    }
    if (m_iHighlighted == iIndex)
        SetHot(-1);
    else if (m_iHighlighted > iIndex)
        m_iHighlighted--;
}

void CZAVPToolBar::RemoveAllButtons()
{
    m_iButtonCapture = m_iHighlighted = m_iSelected = m_iHot = -1;
    while (!m_Buttons.IsEmpty()) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.RemoveHead());
        pButton->OnCancelMode();
        delete pButton;
    }
    m_pCustomizeBtn = nullptr;
    m_AccelKeys.RemoveAll();
}

void CZAVPToolBar::EnableCustomizeButton(BOOL bEnable, UINT uiCustomizeCmd,
                                         const CString& strCustomizeText, BOOL bQuickCustomize)
{
    m_bQuickCustomize = bQuickCustomize;
    if (!bEnable) {
        if (m_pCustomizeBtn != nullptr) {
            POSITION pos = m_Buttons.Find(m_pCustomizeBtn);
            if (pos != nullptr) m_Buttons.RemoveAt(pos);
            CCustomizeButton* pOld = m_pCustomizeBtn;
            m_pCustomizeBtn = nullptr;
            pOld->OnCancelMode();
            delete pOld;
        }
    } else if (m_pCustomizeBtn != nullptr) {
        m_pCustomizeBtn->SetCustomizeCommand(uiCustomizeCmd, strCustomizeText);
    } else {
        CCustomizeButton* pButton = new CCustomizeButton(uiCustomizeCmd, strCustomizeText);
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
        m_pCustomizeBtn = pButton;
    }
    if (m_hWnd != nullptr) AdjustLayout();
}

void CZAVPToolBar::SetSiblingToolBar(CZAVPToolBar* pSibling)
{
    m_hwndSibling = pSibling != nullptr ? pSibling->GetSafeHwnd() : nullptr;
    if (pSibling != nullptr) pSibling->m_hwndSibling = GetSafeHwnd();
}

CZAVPToolBar* CZAVPToolBar::GetSiblingToolBar() const
{
    if (m_hwndSibling == nullptr || !::IsWindow(m_hwndSibling)) return nullptr;
    return dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(m_hwndSibling));
}

void CZAVPToolBar::ResetAllImages()
{
    if (m_bLocked) return;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
        static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos))->ResetImageToDefault();
    if (m_hWnd != nullptr && (GetStyle() & WS_VISIBLE)) AdjustLayout();
}

void CZAVPToolBar::OnGlobalFontsChanged()
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
        static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos))->OnGlobalFontsChanged();
}

void CZAVPToolBar::GetItemRect(int iIndex, LPRECT lpRect) const
{
    const CZAVPToolbarButton* pButton = GetButton(iIndex);
    *lpRect = pButton != nullptr ? (RECT)pButton->m_rect : RECT{0, 0, 0, 0};
}

UINT CZAVPToolBar::GetButtonStyle(int iIndex) const
{
    const CZAVPToolbarButton* pButton = GetButton(iIndex);
    return pButton != nullptr ? pButton->m_nStyle : 0;
}

void CZAVPToolBar::SetButtonStyle(int iIndex, UINT nStyle)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr || pButton->m_nStyle == nStyle) return;
    if (nStyle & TBBS_DISABLED) nStyle &= ~TBBS_PRESSED;  // a disabled button cannot stay down
    pButton->SetStyle(nStyle);
    if (pButton->IsVisible()) InvalidateButton(iIndex);
}

BOOL CZAVPToolBar::SetButtonText(int iIndex, LPCSTR lpszText)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr) return FALSE;
    pButton->m_strText = lpszText != nullptr ? lpszText : "";
    return TRUE;
}

CString CZAVPToolBar::GetButtonText(int iIndex) const
{
    const CZAVPToolbarButton* pButton = GetButton(iIndex);
    return pButton != nullptr ? pButton->m_strText : CString();
}

BOOL CZAVPToolBar::SetButtonTextMode(int iIndex, BOOL bText, BOOL bImage, LPCSTR lpszText)
{
    CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr) return FALSE;
    pButton->m_bText = bText;
    pButton->m_bImage = bImage;
    if (lpszText != nullptr) pButton->m_strText = lpszText;
    if (m_hWnd != nullptr) AdjustLayout();
    return TRUE;
}

BOOL CZAVPToolBar::SetDefaultButtonText(CZAVPToolbarButton* pButton)
{
    if (pButton == nullptr || !IsRealCommand(pButton->m_nID)) return FALSE;
    const CString strText = TooltipField(pButton->m_nID);
    if (strText.IsEmpty()) return FALSE;
    pButton->m_strText = strText;
    return TRUE;
}

BOOL CZAVPToolBar::IsUserDefined() const
{
    CWnd* pFrame = g_pTopLevelFrame;
    if (pFrame == nullptr && m_hWnd != nullptr) pFrame = GetTopLevelFrame();
    const CZAVPFrameWnd* pZavFrame = dynamic_cast<const CZAVPFrameWnd*>(pFrame);
    return pZavFrame != nullptr && m_hWnd != nullptr &&
           pZavFrame->m_Impl.IsUserToolbarId((UINT)GetDlgCtrlID());
}

int CZAVPToolBar::GetCommandButtons(UINT uiCmd, CObList& listButtons)
{
    listButtons.RemoveAll();
    CObList& toolbars = GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(pos));
        if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd())) continue;
        for (POSITION posButton = pBar->m_Buttons.GetHeadPosition(); posButton != nullptr;) {
            CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(
                pBar->m_Buttons.GetNext(posButton));
            if (pButton->m_nID == uiCmd) listButtons.AddTail(pButton);
        }
    }
    return (int)listButtons.GetCount();
}

// ---- commands

CWnd* CZAVPToolBar::GetCommandTarget() const
{
    HWND hwnd = m_hWnd != nullptr ? ::GetWindow(m_hWnd, GW_OWNER) : nullptr;
    if (hwnd == nullptr && m_hWnd != nullptr) hwnd = ::GetParent(m_hWnd);
    CWnd* pTarget = hwnd != nullptr ? CWnd::FromHandle(hwnd) : nullptr;
    if (m_bRouteCommandsViaFrame && (pTarget == nullptr || !pTarget->IsFrameWnd())) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr) return pFrame;
    }
    return pTarget;
}

void CZAVPToolBar::SendCommandOf(CZAVPToolbarButton* pButton)
{
    CWnd* pTarget = GetCommandTarget();
    if (pTarget != nullptr) pTarget->SendMessage(WM_COMMAND, pButton->m_nID, 0);
}

void CZAVPToolBar::ShowCommandMessageString(UINT uiCmdId)
{
    if (m_hookMouseHelp != nullptr) return;  // context help shows its own prompts
    HWND hwnd = ::GetWindow(m_hWnd, GW_OWNER);
    if (hwnd == nullptr) {
        hwnd = ::GetParent(m_hWnd);
        // A docked bar's parent is its dock bar, which shows no prompts: the frame it docks in
        // does, as for the bar's commands.
        CWnd* pParent = hwnd != nullptr ? CWnd::FromHandlePermanent(hwnd) : nullptr;
        if (pParent != nullptr && !pParent->IsFrameWnd())
            if (CFrameWnd* pFrame = GetParentFrame()) hwnd = pFrame->GetSafeHwnd();
    }
    if (hwnd != nullptr) ::SendMessageA(hwnd, WM_SETMESSAGESTRING, PromptId(uiCmdId), 0);
}

void CZAVPToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CZAVPToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    CCmdTarget* pCmdTarget = pTarget;
    if (CWnd* pOwnTarget = GetCommandTarget()) pCmdTarget = pOwnTarget;
    if (pCmdTarget == nullptr) return;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        CZAVPToolbarButton* pButton = GetButton((int)state.m_nIndex);
        if (pButton == nullptr || pButton->IsSeparator() || !IsRealCommand(pButton->m_nID))
            continue;
        const UINT uiID = pButton->m_nID;
        if ((uiID >= kSystemCommandFirst && uiID < kSystemCommandEnd) || uiID >= kMdiWindowFirst)
            continue;
        state.m_nID = uiID;
        const BOOL bUserTool = g_pUserToolsManager != nullptr &&
                               g_pUserToolsManager->FindTool(uiID) != nullptr;
        state.DoUpdate(pCmdTarget, bDisableIfNoHndler && !bUserTool);
    }
}

// ---- tooltips

CString CZAVPToolBar::CommandTooltip(UINT uiCmd)
{
    const CString strTip = TooltipField(uiCmd);
    return strTip.GetLength() > kMaxTooltip ? strTip.Left(kMaxTooltip) : strTip;
}

INT_PTR CZAVPToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if (!m_bShowTooltips) return -1;
    // A control a button hosts answers for itself.
    const INT_PTR nChild = CZAVPBaseToolBar::OnToolHitTest(point, pTI);
    if (nChild != -1) return nChild;
    const int iButton = const_cast<CZAVPToolBar*>(this)->HitTest(point);
    CZAVPToolbarButton* pButton = GetButton(iButton);
    if (pButton == nullptr) return -1;
    const UINT uiID = pButton->m_nID == (UINT)-1 ? 0 : pButton->m_nID;
    if (pTI != nullptr) {
        CString strTip;
        if (GetFrameToolTipText(pButton, strTip)) {
            // The frame's text stands as it is.
        } else if (!IsRealCommand(pButton->m_nID) || pButton->m_bUserButton ||
                   (g_pUserToolsManager != nullptr &&
                    g_pUserToolsManager->FindTool(uiID) != nullptr))
        {
            strTip = pButton->m_strText;
            strTip.Remove('&');
        } else
            strTip = CommandTooltip(uiID);
        if (strTip.IsEmpty()) return -1;
        if (IsRealCommand(pButton->m_nID) && m_bShowShortcutKeys) {
            CString strKey;
            CFrameWnd* pFrame = GetParentFrame();
            if (g_pKeyboardManager != nullptr && pFrame != nullptr &&
                (CZAVPKeyboardManager::FindAcceleratorText(uiID, strKey, pFrame, FALSE) ||
                 CZAVPKeyboardManager::FindAcceleratorText(uiID, strKey, pFrame, TRUE)) &&
                !strKey.IsEmpty())
            {
                strTip += " (" + strKey + ")";
            }
        }
        // The caller owns the text (the framework's relay frees it).
        pTI->hwnd = m_hWnd;
        pTI->uId = uiID;
        pTI->rect = pButton->m_rect;
        pTI->lpszText = _strdup(strTip);
    }
    return (INT_PTR)uiID;
}

BOOL CZAVPToolBar::GetFrameToolTipText(CZAVPToolbarButton* pButton, CString& strText) const
{
    CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(
        CZAVPGlobalData::GetParentFrameOf(const_cast<CZAVPToolBar*>(this)));
    return pFrame != nullptr && pFrame->GetToolbarButtonToolTipText(pButton, strText);
}

BOOL CZAVPToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR != nullptr && pNMHDR->code == TTN_NEEDTEXTA && m_pToolTip != nullptr &&
        pNMHDR->hwndFrom == m_pToolTip->GetSafeHwnd())
    {
        return OnNeedText((UINT)wParam, pNMHDR, pResult);
    }
    return CZAVPBaseToolBar::OnNotify(wParam, lParam, pResult);
}

BOOL CZAVPToolBar::OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_hWnd, &pt);
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    m_strToolTipBuffer.Empty();
    // A hosted control's tool asks its text back (the callback marker): the bar has none for it.
    if (OnToolHitTest(CPoint(pt), &ti) >= 0 && ti.lpszText != nullptr &&
        ti.lpszText != LPSTR_TEXTCALLBACKA)
    {
        m_strToolTipBuffer = ti.lpszText;
        free(ti.lpszText);
    }
    pInfo->lpszText = const_cast<LPSTR>((LPCSTR)m_strToolTipBuffer);
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    if (pResult != nullptr) *pResult = 0;
    return TRUE;
}

// ---- toolbar-control queries answered from the button list

LRESULT CZAVPToolBar::OnGetButton(WPARAM wParam, LPARAM lParam)
{
    const CZAVPToolbarButton* pButton = GetButton((int)wParam);
    TBBUTTON* pInfo = reinterpret_cast<TBBUTTON*>(lParam);
    if (pButton == nullptr || pInfo == nullptr) return FALSE;
    *pInfo = TBBUTTON{};
    pInfo->idCommand = (int)pButton->m_nID;
    pInfo->fsStyle = (BYTE)(pButton->m_nStyle & 0xFF);
    pInfo->fsState = (BYTE)((pButton->m_nStyle >> 16) & 0xFF);
    return TRUE;
}

LRESULT CZAVPToolBar::OnGetButtonCount(WPARAM, LPARAM) { return GetCount(); }

LRESULT CZAVPToolBar::OnGetItemRect(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) return FALSE;
    GetItemRect((int)wParam, reinterpret_cast<LPRECT>(lParam));
    return TRUE;
}

LRESULT CZAVPToolBar::OnGetButtonText(WPARAM wParam, LPARAM lParam)
{
    const int iIndex = CommandToIndex((UINT)wParam);
    const CZAVPToolbarButton* pButton = GetButton(iIndex);
    if (pButton == nullptr) return -1;
    // A null buffer asks only for the length: nothing is written.
    if (lParam != 0) lstrcpyA(reinterpret_cast<LPSTR>(lParam), pButton->m_strText);
    return pButton->m_strText.GetLength();
}
