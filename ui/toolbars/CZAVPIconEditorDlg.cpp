// The icon editor (see the header).
#include "ui/toolbars/CZAVPIconEditorDlg.h"

#include <vector>

#include "framework/CCmdUI.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CException.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/toolbars/ZAVPIconBitmap.h"
#include "ui/toolbars/ZAVPIconEditorMath.h"

BEGIN_MESSAGE_MAP(CZAVPIconEditorDlg, CDialog)
ON_WM_PAINT()
ON_COMMAND_RANGE(ID_ZAVP_ICON_FILL, ID_ZAVP_ICON_ELLIPSE, &CZAVPIconEditorDlg::OnToolCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_ZAVP_ICON_FILL, ID_ZAVP_ICON_ELLIPSE,
                           &CZAVPIconEditorDlg::OnUpdateToolCommand)
ON_COMMAND(ID_ZAVP_ICON_COPY, &CZAVPIconEditorDlg::OnToolCopy)
ON_COMMAND(ID_ZAVP_ICON_PASTE, &CZAVPIconEditorDlg::OnToolPaste)
ON_UPDATE_COMMAND_UI(ID_ZAVP_ICON_PASTE, &CZAVPIconEditorDlg::OnUpdateToolPaste)
ON_COMMAND(ID_ZAVP_ICON_CLEAR, &CZAVPIconEditorDlg::OnToolClear)
ON_COMMAND(IDC_ZAVP_COLOR_AREA, &CZAVPIconEditorDlg::OnColors)
ON_MESSAGE(WM_KICKIDLE, &CZAVPIconEditorDlg::OnKickIdle)
END_MESSAGE_MAP()

namespace
{
const DWORD kPaletteStyle = 0x50402808;  // child, visible, top, gripper-less palette bar
const UINT kPaletteBarId = 0xE800;
const int kPreviewFrame = 4;

// The palette command of each tool code.
int ToolOfCommand(UINT uiCmd)
{
    switch (uiCmd) {
    case ID_ZAVP_ICON_PENCIL: return CZAVPIconPaintArea::kPencil;
    case ID_ZAVP_ICON_FILL: return CZAVPIconPaintArea::kFill;
    case ID_ZAVP_ICON_LINE: return CZAVPIconPaintArea::kLine;
    case ID_ZAVP_ICON_RECT: return CZAVPIconPaintArea::kRect;
    case ID_ZAVP_ICON_ELLIPSE: return CZAVPIconPaintArea::kEllipse;
    case ID_ZAVP_ICON_PICK: return CZAVPIconPaintArea::kColorPick;
    default: return -1;
    }
}
}  // namespace

CZAVPIconEditorDlg::CZAVPIconEditorDlg(CBitmap* pBitmap, CWnd* pParent, int nBitsPerPixel)
    : CDialog(IDD_ZAVP_ICON_EDITOR, pParent), m_wndLargeDrawArea(this), m_pBitmap(pBitmap),
      m_nBitsPerPixel(nBitsPerPixel)
{
    BITMAP bm = {};
    if (pBitmap != nullptr && pBitmap->GetSafeHandle() != nullptr)
        ::GetObjectA(pBitmap->GetSafeHandle(), sizeof bm, &bm);
    m_sizeImage = CSize(bm.bmWidth, bm.bmHeight);
    if (m_nBitsPerPixel == -1) m_nBitsPerPixel = bm.bmBitsPixel;
}

void CZAVPIconEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZAVP_COLOR_AREA, m_wndColorPickerLocation);
    DDX_Control(pDX, IDC_ZAVP_TOOL_AREA, m_wndPaletteBarLocation);
    DDX_Control(pDX, IDC_ZAVP_PREVIEW_AREA, m_wndPreviewArea);
    DDX_Control(pDX, IDC_ZAVP_PAINT_AREA, m_wndLargeDrawArea);
}

BOOL CZAVPIconEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndLargeDrawArea.SetBitmap(m_pBitmap);

    // The tool palette, three buttons a row over the tool area.
    m_wndPaletteToolBar.EnableLargeIcons(FALSE);
    CRect rectTools;
    m_wndPaletteBarLocation.GetWindowRect(rectTools);
    ScreenToClient(rectTools);
    if (m_wndPaletteToolBar.Create(this, kPaletteStyle, kPaletteBarId) &&
        m_wndPaletteToolBar.LoadToolBar(IDR_ZAVP_ICON_TOOLS, 0, 0, TRUE))
    {
        m_wndPaletteToolBar.SetBorders(10, 5, 10, 5);
        m_wndPaletteToolBar.SetOwner(this);
        m_wndPaletteToolBar.m_bRouteCommandsViaFrame = FALSE;
        m_wndPaletteToolBar.MoveWindow(rectTools);
        m_wndPaletteToolBar.WrapToColumns(3);
        m_wndPaletteToolBar.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    // The colour bar over the colour area; shallow images get the sixteen static colours.
    CRect rectColors;
    m_wndColorPickerLocation.GetWindowRect(rectColors);
    ScreenToClient(rectColors);
    rectColors.DeflateRect(2, 2);
    HPALETTE hPalette = nullptr;
    if (m_nBitsPerPixel < 9) {
        PALETTEENTRY entries[20] = {};
        ::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0, 20, entries);
        std::vector<BYTE> buffer(sizeof(LOGPALETTE) + 16 * sizeof(PALETTEENTRY));
        auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
        pLogPalette->palVersion = 0x300;
        pLogPalette->palNumEntries = 16;
        for (int i = 0; i < 16; ++i)
            pLogPalette->palPalEntry[i] = entries[ZAVPIconEditorMath::kSixteenColourEntries[i]];
        m_palette.CreatePalette(pLogPalette);
        hPalette = (HPALETTE)m_palette.GetSafeHandle();
    }
    m_wndPaletteBar.CreateControl(this, rectColors, IDC_ZAVP_COLOR_AREA, 4, hPalette);
    PickColor(RGB(0, 0, 0));

    // The preview: the image at its real size in the middle of the preview area.
    CRect rectPreview;
    m_wndPreviewArea.GetWindowRect(rectPreview);
    ScreenToClient(rectPreview);
    m_rectPreviewImage = CRect(CPoint(rectPreview.CenterPoint().x - m_sizeImage.cx / 2,
                                      rectPreview.CenterPoint().y - m_sizeImage.cy / 2),
                               m_sizeImage);
    m_rectPreviewFrame = m_rectPreviewImage;
    m_rectPreviewFrame.InflateRect(kPreviewFrame, kPreviewFrame);
    m_wndLargeDrawArea.m_rectParentPreviewArea = m_rectPreviewFrame;
    OnKickIdle(0, 0);
    return TRUE;
}

void CZAVPIconEditorDlg::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(m_hWnd, &ps));
    pDC->Draw3dRect(m_rectPreviewFrame, globalData.clrBtnHilite, globalData.clrBtnShadow);
    if (m_pBitmap != nullptr && m_pBitmap->GetSafeHandle() != nullptr) {
        HDC hdcMem = ::CreateCompatibleDC(pDC->GetSafeHdc());
        HGDIOBJ hOld = ::SelectObject(hdcMem, m_pBitmap->GetSafeHandle());
        ::BitBlt(pDC->GetSafeHdc(), m_rectPreviewImage.left, m_rectPreviewImage.top, m_sizeImage.cx,
                 m_sizeImage.cy, hdcMem, 0, 0, SRCCOPY);
        ::SelectObject(hdcMem, hOld);
        ::DeleteDC(hdcMem);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CZAVPIconEditorDlg::PickColor(COLORREF color)
{
    if (m_wndPaletteBar.GetSafeHwnd() != nullptr) m_wndPaletteBar.SetColor(color);
    m_wndLargeDrawArea.SetColor(color);
    m_iMode = CZAVPIconPaintArea::kPencil;
    m_wndLargeDrawArea.SetMode(m_iMode);
}

void CZAVPIconEditorDlg::OnToolCommand(UINT uiCmd)
{
    const int nTool = ToolOfCommand(uiCmd);
    if (nTool < 0) return;
    m_iMode = nTool;
    m_wndLargeDrawArea.SetMode(nTool);
}

void CZAVPIconEditorDlg::OnUpdateToolCommand(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(ToolOfCommand(pCmdUI->m_nID) == m_iMode);
}

void CZAVPIconEditorDlg::Changed()
{
    InvalidateRect(m_rectPreviewFrame, TRUE);
    m_wndLargeDrawArea.Invalidate();
    m_wndLargeDrawArea.UpdateWindow();
}

void CZAVPIconEditorDlg::OnToolCopy()
{
    if (m_pBitmap == nullptr || m_pBitmap->GetSafeHandle() == nullptr) return;
    try {
        HDC hdcScreen = ::GetDC(nullptr);
        HBITMAP hbmCopy = ::CreateCompatibleBitmap(hdcScreen, m_sizeImage.cx, m_sizeImage.cy);
        ::ReleaseDC(nullptr, hdcScreen);
        BOOL bDone = FALSE;
        if (hbmCopy != nullptr) {
            HDC hdcSrc = ::CreateCompatibleDC(nullptr);
            HDC hdcDst = ::CreateCompatibleDC(nullptr);
            HGDIOBJ hOldSrc = ::SelectObject(hdcSrc, m_pBitmap->GetSafeHandle());
            HGDIOBJ hOldDst = ::SelectObject(hdcDst, hbmCopy);
            ::BitBlt(hdcDst, 0, 0, m_sizeImage.cx, m_sizeImage.cy, hdcSrc, 0, 0, SRCCOPY);
            ::SelectObject(hdcSrc, hOldSrc);
            ::SelectObject(hdcDst, hOldDst);
            ::DeleteDC(hdcSrc);
            ::DeleteDC(hdcDst);
            if (::OpenClipboard(m_hWnd)) {
                if (::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, hbmCopy) != nullptr) {
                    bDone = TRUE;
                    hbmCopy = nullptr;  // the clipboard owns it now
                }
                ::CloseClipboard();
            }
            if (hbmCopy != nullptr) ::DeleteObject(hbmCopy);
        }
        if (!bDone) AfxMessageBox(IDS_ZAVP_CANT_COPY_IMAGE);
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(IDS_ZAVP_IMAGE_FAILURE);
    }
}

void CZAVPIconEditorDlg::OnToolPaste()
{
    // The plain clipboard: OLE is not started in this program.
    BOOL bDone = FALSE;
    if (m_pBitmap != nullptr && m_pBitmap->GetSafeHandle() != nullptr && ::OpenClipboard(m_hWnd)) {
        HBITMAP hbmPasted = (HBITMAP)::GetClipboardData(CF_BITMAP);
        if (hbmPasted != nullptr)
            bDone = ZAVPIconBitmap::Paste((HBITMAP)m_pBitmap->GetSafeHandle(), hbmPasted,
                                          globalData.clrBtnFace);
        ::CloseClipboard();
    }
    if (!bDone) {
        AfxMessageBox(IDS_ZAVP_CANT_PASTE_IMAGE);
        return;
    }
    Changed();
}

void CZAVPIconEditorDlg::OnUpdateToolPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_BITMAP));
}

void CZAVPIconEditorDlg::OnToolClear()
{
    if (m_pBitmap == nullptr || m_pBitmap->GetSafeHandle() == nullptr) return;
    ZAVPIconBitmap::Fill((HBITMAP)m_pBitmap->GetSafeHandle(), globalData.clrBtnFace);
    Changed();
}

void CZAVPIconEditorDlg::OnColors()
{
    const COLORREF color = m_wndPaletteBar.GetColor();
    m_wndLargeDrawArea.SetColor(color);
}

LRESULT CZAVPIconEditorDlg::OnKickIdle(WPARAM, LPARAM)
{
    if (m_wndPaletteToolBar.GetSafeHwnd() != nullptr)
        m_wndPaletteToolBar.OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(this), TRUE);
    return 0;
}
