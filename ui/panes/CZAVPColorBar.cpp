// The colour bar: its buttons, layout, picks, keys, palette and archive (see CZAVPColorBar.h).
#include "ui/panes/CZAVPColorBar.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/panes/CColorButton.h"
#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/panes/ZAVPPickerShared.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

IMPLEMENT_SERIAL(CZAVPColorBar, CZAVPPopupMenuBar, 1)

BEGIN_MESSAGE_MAP(CZAVPColorBar, CZAVPPopupMenuBar)
ON_WM_CREATE()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_DESTROY()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPColorBar::OnIdleUpdate)
END_MESSAGE_MAP()

CMap<COLORREF, COLORREF, CString, LPCSTR> CZAVPColorBar::m_ColorNames;

namespace
{
const DWORD kColorBarNoGripper = 0xFFBFF0FF;
const DWORD kControlStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP;        // 0x50002000
const UINT kColorBarTopNoMove = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;  // 19
const int kDefaultPaletteEntries = 20;
const int kMaxPaletteEntries8Bit = 100;  // the 8-bit palette holds the first 100 colours

using ZAVPPickerShared::IsRealCommand;
}  // namespace

// ---- construction

void CZAVPColorBar::Construct(BOOL bStandalone)
{
    m_nNumColumns = m_nNumRowsHorzDocked = m_nNumColumnsVertDocked = 0;
    m_BoxSize = CSize(0, 0);
    m_nRowHeight = 0;
    m_ColorSelected = m_ColorAutomatic = (COLORREF)-1;
    m_nCommandID = 0;
    m_bStdColorDlg = FALSE;
    m_bIsEnabled = TRUE;
    m_bStandalone = bStandalone;
    m_bShowDocColorsWhenDocked = FALSE;
    m_pWndParentBtn = m_pWndPropList = nullptr;
    m_nHorzOffset = m_nVertOffset = 0;
    m_bInternal = FALSE;
    m_bMouseInCustomizeMode = FALSE;
}

CZAVPColorBar::CZAVPColorBar() { Construct(TRUE); }

CZAVPColorBar::CZAVPColorBar(const CArray<COLORREF, COLORREF>& colors, COLORREF color,
                             LPCSTR lpszAutoText, LPCSTR lpszOtherText, LPCSTR lpszDocColorsText,
                             const CList<COLORREF, COLORREF>& lstDocColors, int nColumns,
                             int nRowsDockHorz, int nColDockVert, COLORREF clrAutomatic,
                             UINT uiCommandID, CWnd* pHost)
{
    Construct(FALSE);
    m_colors.Copy(colors);
    m_ColorSelected = color;
    SetTexts(lpszAutoText, lpszOtherText, lpszDocColorsText);
    SetDocumentColors(lstDocColors);
    m_nNumColumns = nColumns;
    m_nNumRowsHorzDocked = nRowsDockHorz;
    m_nNumColumnsVertDocked = nColDockVert;
    m_ColorAutomatic = clrAutomatic;
    m_nCommandID = uiCommandID;
    m_bShowDocColorsWhenDocked = TRUE;
    m_pWndParentBtn = pHost;
}

CZAVPColorBar::CZAVPColorBar(const CZAVPColorBar& src, UINT uiCommandID)
{
    Construct(TRUE);
    m_nNumColumns = src.m_nNumColumns;
    m_nNumRowsHorzDocked = src.m_nNumRowsHorzDocked;
    m_nNumColumnsVertDocked = src.m_nNumColumnsVertDocked;
    m_ColorSelected = src.m_ColorSelected;
    m_ColorAutomatic = src.m_ColorAutomatic;
    m_strAutoColor = src.m_strAutoColor;
    m_strOtherColor = src.m_strOtherColor;
    m_strDocColors = src.m_strDocColors;
    m_bStdColorDlg = src.m_bStdColorDlg;
    m_colors.Copy(src.m_colors);
    SetDocumentColors(src.m_lstDocColors);
    m_nCommandID = uiCommandID;
}

CZAVPColorBar::~CZAVPColorBar() {}

void CZAVPColorBar::SetTexts(LPCSTR lpszAutoText, LPCSTR lpszOtherText, LPCSTR lpszDocColorsText)
{
    m_strAutoColor = lpszAutoText != nullptr ? lpszAutoText : "";
    m_strOtherColor = lpszOtherText != nullptr ? lpszOtherText : "";
    m_strDocColors = lpszDocColorsText != nullptr ? lpszDocColorsText : "";
}

void CZAVPColorBar::SetDocumentColors(const CList<COLORREF, COLORREF>& lstDocColors)
{
    m_lstDocColors.RemoveAll();
    for (POSITION pos = lstDocColors.GetHeadPosition(); pos != nullptr;)
        m_lstDocColors.AddTail(lstDocColors.GetNext(pos));
}

// ---- archive

void CZAVPColorBar::Serialize(CArchive& ar)
{
    CZAVPPopupMenuBar::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_nNumColumns << (DWORD)m_nNumRowsHorzDocked << (DWORD)m_nNumColumnsVertDocked
           << (DWORD)m_ColorAutomatic;
        ar << m_strAutoColor << m_strOtherColor << m_strDocColors;
        ar << (DWORD)m_bStandalone << (DWORD)m_nCommandID << (DWORD)m_bStdColorDlg;
        ar << (DWORD)m_colors.GetSize();
        for (INT_PTR i = 0; i < m_colors.GetSize(); ++i) ar << (DWORD)m_colors[i];
        return;
    }
    // Everything is read before anything changes: a damaged tail leaves the bar as it was.
    DWORD dwColumns = 0, dwRowsHorz = 0, dwColumnsVert = 0, dwAutomatic = 0;
    CString strAuto, strOther, strDoc;
    DWORD dwStandalone = 0, dwCommand = 0, dwStdDialog = 0, dwCount = 0;
    ar >> dwColumns >> dwRowsHorz >> dwColumnsVert >> dwAutomatic;
    ar >> strAuto >> strOther >> strDoc;
    ar >> dwStandalone >> dwCommand >> dwStdDialog >> dwCount;
    if (dwCount > (DWORD)kMaxStoredColors) AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<COLORREF> colors(dwCount);
    for (COLORREF& clr : colors) {
        DWORD dw = 0;
        ar >> dw;
        clr = dw;
    }

    m_nNumColumns = (int)dwColumns;
    m_nNumRowsHorzDocked = (int)dwRowsHorz;
    m_nNumColumnsVertDocked = (int)dwColumnsVert;
    m_ColorAutomatic = dwAutomatic;
    m_strAutoColor = strAuto;
    m_strOtherColor = strOther;
    m_strDocColors = strDoc;
    m_bStandalone = (BOOL)dwStandalone;
    m_nCommandID = (UINT)dwCommand;
    m_bStdColorDlg = (BOOL)dwStdDialog;
    m_colors.RemoveAll();
    for (COLORREF clr : colors) m_colors.Add(clr);
    m_Palette.DeleteObject();
    if (m_hWnd != nullptr) {
        RebuildButtons();
        AdjustLocations();
    }
}

// ---- creation

BOOL CZAVPColorBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, HPALETTE hPalette,
                           int nColumns, int nRowsDockHorz, int nColDockVert)
{
    if (m_colors.GetSize() == 0) {
        m_nNumColumns = nColumns;
        m_nNumRowsHorzDocked = nRowsDockHorz;
        m_nNumColumnsVertDocked = nColDockVert;
        ZAVPPickerShared::PaletteColors(hPalette, m_colors);
    }
    return CZAVPToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CZAVPColorBar::CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns,
                                  HPALETTE hPalette)
{
    m_bLargeIconsAreEnbaled = FALSE;
    if (nColumns < 1) {
        WORD nEntries = 0;
        if (hPalette == nullptr || ::GetObjectA(hPalette, sizeof nEntries, &nEntries) == 0)
            nEntries = kDefaultPaletteEntries;
        nColumns = ZAVPColorBarLayout::ChooseColumns(rect.Width(), rect.Height(), nEntries);
    }
    if (!Create(pParentWnd, kControlStyle, nID, hPalette, nColumns)) return FALSE;
    SetBarStyle(GetBarStyle() & kColorBarNoGripper);
    MoveWindow(rect, TRUE);
    FitToWindow(TRUE, TRUE);
    SetWindowPos(&wndTop, 0, 0, 0, 0, kColorBarTopNoMove);
    SetOwner(pParentWnd);
    m_nCommandID = 0;
    return TRUE;
}

int CZAVPColorBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPPopupMenuBar::OnCreate(lpcs) == -1) return -1;
    const CSize sizeImage = GetMenuImageSize();
    m_BoxSize = CSize(sizeImage.cx + 1, sizeImage.cy + 1);
    m_nRowHeight = ZAVPColorBarLayout::TextRowHeightFor(m_BoxSize.cy);
    RebuildButtons();
    return 0;
}

void CZAVPColorBar::OnDestroy()
{
    m_Palette.DeleteObject();
    CZAVPPopupMenuBar::OnDestroy();
}

// ---- buttons

void CZAVPColorBar::RebuildButtons()
{
    if (m_hWnd == nullptr) return;
    RemoveAllButtons();
    BOOL bMatched = FALSE;
    if (!m_strAutoColor.IsEmpty()) {
        bMatched = m_ColorSelected == (COLORREF)-1;
        InsertButton(new CColorButton(m_ColorAutomatic, TRUE, FALSE, m_strAutoColor, bMatched,
                                      FALSE, FALSE));
    }
    for (INT_PTR i = 0; i < m_colors.GetSize(); ++i) {
        const BOOL bSelected = m_colors[i] == m_ColorSelected;
        bMatched = bMatched || bSelected;
        InsertButton(new CColorButton(m_colors[i], FALSE, FALSE, nullptr, bSelected, FALSE, FALSE));
    }
    if (!m_strDocColors.IsEmpty() && !m_lstDocColors.IsEmpty()) {
        InsertSeparator();
        InsertButton(new CColorButton(m_strDocColors, TRUE));
        for (POSITION pos = m_lstDocColors.GetHeadPosition(); pos != nullptr;) {
            const COLORREF clr = m_lstDocColors.GetNext(pos);
            const BOOL bSelected = !bMatched && clr == m_ColorSelected;
            bMatched = bMatched || bSelected;
            InsertButton(new CColorButton(clr, FALSE, FALSE, nullptr, bSelected, TRUE, FALSE));
        }
    }
    if (!m_strOtherColor.IsEmpty()) {
        InsertSeparator();
        InsertButton(
            new CColorButton((COLORREF)-1, FALSE, TRUE, m_strOtherColor, FALSE, FALSE, FALSE));
        InsertButton(
            new CColorButton(m_ColorSelected, FALSE, FALSE, nullptr, !bMatched, FALSE, TRUE));
    }
}

// ---- layout

BOOL CZAVPColorBar::IsDockedStandalone() const
{
    return m_bStandalone && m_hWnd != nullptr && !const_cast<CZAVPColorBar*>(this)->IsFloating();
}

BOOL CZAVPColorBar::ShowsDocumentColors() const
{
    return m_bShowDocColorsWhenDocked || m_hWnd == nullptr ||
           const_cast<CZAVPColorBar*>(this)->IsFloating();
}

ZAVPColorBarLayout::SizeInputs CZAVPColorBar::SizeInputsFor(BOOL bVertDock) const
{
    ZAVPColorBarLayout::SizeInputs in = {};
    const ZAVPColorBarLayout::GridSettings settings = {m_nNumColumns, m_nNumRowsHorzDocked,
                                                       m_nNumColumnsVertDocked};
    ZAVPColorBarLayout::GetColumnsAndRows((int)m_colors.GetSize(), settings, IsDockedStandalone(),
                                          bVertDock, in.nColumns, in.nRows);
    in.sizeCell = m_BoxSize;
    in.nTextRowHeight = m_nRowHeight;
    in.bAutomatic = !m_strAutoColor.IsEmpty();
    in.bOther = !m_strOtherColor.IsEmpty();
    in.bShowDocument = ShowsDocumentColors() && !m_strDocColors.IsEmpty();
    in.nDocumentColors = (int)m_lstDocColors.GetCount();
    return in;
}

CSize CZAVPColorBar::CalcSize(BOOL bVertDock)
{
    return ZAVPColorBarLayout::CalcSize(SizeInputsFor(bVertDock));
}

std::vector<ZAVPColorBarLayout::Item> CZAVPColorBar::LayoutItems() const
{
    std::vector<ZAVPColorBarLayout::Item> items;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        ZAVPColorBarLayout::Item item = {ZAVPColorBarLayout::Separator, (COLORREF)-1, FALSE, FALSE};
        if (const CColorButton* pColor = dynamic_cast<const CColorButton*>(pButton)) {
            item.kind = pColor->m_bIsAutomatic ? ZAVPColorBarLayout::Automatic
                        : pColor->m_bIsOther   ? ZAVPColorBarLayout::Other
                        : pColor->m_bIsLabel   ? ZAVPColorBarLayout::Label
                                               : ZAVPColorBarLayout::Cell;
            item.color = pColor->m_Color;
            item.bDocument = pColor->m_bIsDocument;
            item.bPreview = pColor->m_bIsCustomPreview;
        }
        items.push_back(item);
    }
    return items;
}

void CZAVPColorBar::AdjustLocations()
{
    if (m_hWnd == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    ZAVPColorBarLayout::LocationInputs in = {};
    in.rect = rectClient;
    in.rect.DeflateRect(ZAVPColorBarLayout::kMargin + m_nHorzOffset,
                        ZAVPColorBarLayout::kMargin + m_nVertOffset);
    in.sizeCell = m_BoxSize;
    in.nTextRowHeight = m_nRowHeight;
    in.bShowDocument = ShowsDocumentColors();
    in.bHasAutomaticText = !m_strAutoColor.IsEmpty();
    in.clrSelected = m_ColorSelected;
    const std::vector<CRect> rects = ZAVPColorBarLayout::Locations(LayoutItems(), in);
    for (int i = 0; i < GetCount() && i < (int)rects.size(); ++i) GetButton(i)->SetRect(rects[i]);
    UpdateTooltips();
}

void CZAVPColorBar::FitToWindow(BOOL bSquare, BOOL bCentre)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const ZAVPColorBarLayout::Fit fit = ZAVPColorBarLayout::FitToWindow(
        SizeInputsFor(FALSE), rectClient.Size(), bSquare, bCentre);
    m_BoxSize = fit.sizeCell;
    m_nRowHeight = fit.nTextRowHeight;
    m_nHorzOffset = fit.offset.cx;
    m_nVertOffset = fit.offset.cy;
    AdjustLocations();
}

// ---- selection

void CZAVPColorBar::SetColor(COLORREF color)
{
    if (color == m_ColorSelected) return;
    m_ColorSelected = color;
    if (m_hWnd == nullptr) return;
    BOOL bMatched = FALSE;
    CColorButton* pPreview = nullptr;
    for (int i = 0; i < GetCount(); ++i) {
        CColorButton* pButton = dynamic_cast<CColorButton*>(GetButton(i));
        if (pButton == nullptr || pButton->m_bIsOther || pButton->m_bIsLabel) continue;
        pButton->m_bHighlight = FALSE;
        if (pButton->m_bIsCustomPreview) {
            pPreview = pButton;
            continue;
        }
        if (pButton->m_bIsAutomatic ? color == (COLORREF)-1 : pButton->m_Color == color) {
            pButton->m_bHighlight = TRUE;
            bMatched = TRUE;
            if (!pButton->m_bIsAutomatic) m_iHighlighted = i;
        }
    }
    if (pPreview != nullptr) {
        pPreview->m_Color = color;
        pPreview->m_bHighlight = TRUE;
        // The preview shows exactly when no other button shows the colour.
        if (pPreview->m_rect.IsRectEmpty() == !bMatched) AdjustLocations();
    }
    RedrawWindow();
}

// ---- commands

CZAVPColorMenuButton* CZAVPColorBar::PopupMenuButton() const
{
    CZAVPPopupMenu* pPopup = m_hWnd != nullptr ? dynamic_cast<CZAVPPopupMenu*>(GetParent())
                                               : nullptr;
    return pPopup != nullptr ? dynamic_cast<CZAVPColorMenuButton*>(pPopup->m_pParentBtn) : nullptr;
}

void CZAVPColorBar::ShowCommandMessageString(UINT uiCmdId)
{
    ZAVPPickerShared::SendPrompt(m_hWnd, ZAVPPickerShared::PromptFor(uiCmdId, m_nCommandID));
}

void CZAVPColorBar::Deliver(COLORREF color, CZAVPColorMenuButton* pMenuButton)
{
    if (pMenuButton != nullptr) {
        pMenuButton->SetColor(color, TRUE);
        InvokeMenuCommand(pMenuButton->m_nID, pMenuButton);
        return;
    }
    SetColor(color);
    if (IsRealCommand(m_nCommandID)) {
        for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_nCommandID, nullptr))
            if (CZAVPColorMenuButton* pPeer = dynamic_cast<CZAVPColorMenuButton*>(pButton))
                pPeer->SetColor(color, FALSE);
        ZAVPPaneSharedData::CommandColors()[m_nCommandID] = color;
    }
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr) pTarget = GetParent();
    if (pTarget != nullptr) pTarget->SendMessage(WM_COMMAND, m_nCommandID);
    CWnd* pFrame = AfxGetApp() != nullptr ? AfxGetApp()->m_pMainWnd : nullptr;
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr) pFrame = GetTopLevelFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr) pFrame->SetFocus();
}

BOOL CZAVPColorBar::OnSendCommand(const CZAVPToolbarButton* pConstButton)
{
    if (m_pWndParentBtn != nullptr || m_pWndPropList != nullptr) ::ReleaseCapture();
    CZAVPColorMenuButton* pMenuButton = PopupMenuButton();
    const CColorButton* pButton = dynamic_cast<const CColorButton*>(pConstButton);
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED)) return TRUE;
    if (pButton->m_bIsLabel) return FALSE;
    if (pButton->m_bIsOther) {
        SetInCommand(TRUE);
        CZAVPPopupMenu* pPopup = GetPopupMenu();
        if (pPopup != nullptr) pPopup->ShowWindow(SW_HIDE);
        InvalidateRect(pButton->m_rect);
        const HWND hwnd = m_hWnd;
        COLORREF color = (COLORREF)-1;
        const COLORREF clrStart = m_ColorSelected == (COLORREF)-1 ? m_ColorAutomatic
                                                                  : m_ColorSelected;
        if (OpenColorDialog(clrStart, color)) {
            if (::IsWindow(hwnd)) Deliver(color, pMenuButton);
        } else if (::IsWindow(hwnd)) {
            SetInCommand(FALSE);
            if (pMenuButton != nullptr) {
                InvokeMenuCommand(0, nullptr);
            } else if (CWnd* pFrame = GetTopLevelFrame()) {
                pFrame->SetFocus();
            }
        }
        return TRUE;
    }
    Deliver(pButton->m_bIsAutomatic ? (COLORREF)-1 : pButton->m_Color, pMenuButton);
    return TRUE;
}

BOOL CZAVPColorBar::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    if (CZAVPColorMenuButton* pMenuButton = PopupMenuButton())
        return pMenuButton->OpenColorDialog(colorDefault, colorRes);
    return ZAVPPickerShared::RunColorDialog(m_bStdColorDlg, colorDefault, colorRes);
}

BOOL CZAVPColorBar::OnKey(UINT nChar)
{
    if (nChar == VK_RETURN) {
        if (CZAVPToolbarButton* pHot = GetButton(m_iHighlighted)) {
            ZAVPPickerShared::SendPrompt(m_hWnd, ZAVPPickerShared::kIdlePrompt);
            OnSendCommand(pHot);
            return TRUE;
        }
    }
    return CZAVPPopupMenuBar::OnKey(nChar);
}

BOOL CZAVPColorBar::PreTranslateMessage(MSG* pMsg)
{
    // Only the host modes (never set here) filter messages of their own.
    return CZAVPToolBar::PreTranslateMessage(pMsg);
}

void CZAVPColorBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    ZAVPPickerShared::UpdateCommandState(*this, m_nCommandID, pTarget, bDisableIfNoHndler,
                                         m_bIsEnabled, RUNTIME_CLASS(CColorButton));
    CZAVPToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

LRESULT CZAVPColorBar::OnIdleUpdate(WPARAM wParam, LPARAM lParam)
{
    // Unlike a menu, a colour bar follows its command's state.
    return CZAVPBaseControlBar::OnIdleUpdateCmdUI(wParam, lParam);
}

// ---- mouse

void CZAVPColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    // Cells are picked on release; only the bar itself reacts to a press.
    if (HitTest(point) < 0) CZAVPPopupMenuBar::OnLButtonDown(nFlags, point);
}

void CZAVPColorBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    const int iHit = HitTest(point);
    if (iHit >= 0) {
        m_iButtonCapture = iHit;
        m_bReleaseAllowed = TRUE;
    }
    CZAVPPopupMenuBar::OnLButtonUp(nFlags, point);
}

void CZAVPColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    CZAVPPopupMenuBar::OnMouseMove(nFlags, point);
}

void CZAVPColorBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    CZAVPPopupMenuBar::OnLButtonDblClk(nFlags, point);
}

void CZAVPColorBar::OnMouseLeave() { CZAVPToolBar::OnMouseLeave(); }

// ---- painting and palette

CPalette* CZAVPColorBar::SelectPalette(CDC* pDC)
{
    if (globalData.m_nBitsPerPixel != 8) {
        m_Palette.DeleteObject();
        return nullptr;
    }
    if (m_Palette.GetSafeHandle() == nullptr)
        ZAVPPickerShared::CreatePaletteOf(m_Palette, m_colors, kMaxPaletteEntries8Bit);
    if (m_Palette.GetSafeHandle() == nullptr) return nullptr;
    CPalette* pOld = pDC->SelectPalette(&m_Palette, FALSE);
    pDC->RealizePalette();
    return pOld;
}

void CZAVPColorBar::DoPaint(CDC* pDC)
{
    CPalette* pOld = SelectPalette(pDC);
    CZAVPPopupMenuBar::DoPaint(pDC);
    if (pOld != nullptr) pDC->SelectPalette(pOld, FALSE);
}

BOOL CZAVPColorBar::OnQueryNewPalette()
{
    Invalidate();
    return (BOOL)Default();
}

void CZAVPColorBar::OnPaletteChanged(CWnd* pFocusWnd)
{
    Default();
    if (pFocusWnd == nullptr || pFocusWnd->GetSafeHwnd() != m_hWnd) Invalidate();
}

void CZAVPColorBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL)
{
    CZAVPVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, TRUE);
}

void CZAVPColorBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bStandalone)
        CZAVPToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    else
        CZAVPPopupMenuBar::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CZAVPColorBar::OnNcPaint()
{
    if (m_bStandalone)
        CZAVPToolBar::OnNcPaint();
    else
        CZAVPPopupMenuBar::OnNcPaint();
}

INT_PTR CZAVPColorBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return ZAVPPickerShared::CustomToolTipHitTest(const_cast<CZAVPColorBar*>(this), point, pTI);
}

BOOL CZAVPColorBar::GetColorName(COLORREF color, CString& strName)
{
    return m_ColorNames.Lookup(color, strName);
}
