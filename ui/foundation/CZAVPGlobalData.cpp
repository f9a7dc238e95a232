// The UI library's global data block (see CZAVPGlobalData.h).
#include "ui/foundation/CZAVPGlobalData.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <objbase.h>

#include "framework/CDC.h"
#include "framework/CWnd.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/foundation/ZAVPUiThread.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPToolBar.h"

CZAVPGlobalData& ZAVPGetGlobalData()
{
    ZAVP_ASSERT_UI_THREAD();
    static CZAVPGlobalData s_data;
    return s_data;
}

namespace
{
const COLORREF kHotText = RGB(0, 0, 255);
const int kTextHeightPadding = 2;
const int kMaxCharsetWithStockFaces = 2;  // ANSI, DEFAULT and SYMBOL
const LONG kVerticalEscapement = 2700;
const LONG kReverseVerticalEscapement = 900;
const LONG kVerticalOrientation = 900;
using ZAVPLibraryNames::kFaceArial;
using ZAVPLibraryNames::kFaceMarlett;
using ZAVPLibraryNames::kFaceMsSansSerif;
using ZAVPLibraryNames::kFaceTahoma;

int CALLBACK FindFaceProc(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    return lstrcmpiA(lf->lfFaceName, (LPCSTR)lParam) == 0 ? 0 : 1;  // 0 stops at the match
}

bool FontFamilyExists(HDC hdc, LPCSTR face)
{
    // The callback returns 0 (ending the enumeration) only at the match.
    return EnumFontFamiliesA(hdc, nullptr, FindFaceProc, (LPARAM)face) == 0;
}

void RecreateSolid(CBrush& brush, COLORREF color)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(color);
}

int MeasureTextHeight(HDC hdc, CFont& font)
{
    HGDIOBJ old = SelectObject(hdc, font.GetSafeHandle() ? font.GetSafeHandle()
                                                         : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    return tm.tmHeight + kTextHeightPadding;
}
}  // namespace

CZAVPGlobalData::CZAVPGlobalData()
    : hbrBtnHilite(nullptr), hbrBtnShadow(nullptr), hbrWindow(nullptr), m_hcurStretch(nullptr),
      m_hcurStretchVert(nullptr), m_hcurPane(nullptr), m_hcurSizeAll(nullptr), m_hiconTool(nullptr),
      m_sizeSmallIcon_cx(0), m_sizeSmallIcon_cy(0), bIsWindowsNT4(FALSE), bIsWindows9x(FALSE),
      m_nBitsPerPixel(0), m_nTextHeightHorz(0), m_nTextHeightVert(0), m_hinstUXThemeDLL(nullptr)
{
    UpdateSysColors();
    UpdateFonts();
    UpdateSmallIconSize();
    ReadOsVersion();
    m_nDragFrameThicknessFloat = 4;
    m_nDragFrameThicknessDock = 3;
    m_nAutoHideToolBarSpacing = 14;
    m_nAutoHideToolBarMargin = 4;
    m_nCoveredMainWndClientAreaPercent = 50;
    m_nMaxToolTipWidth = -1;
}

CZAVPGlobalData::~CZAVPGlobalData() { CleanUp(); }

COLORREF CZAVPGlobalData::GetColor(int nColor) const
{
    switch (nColor) {
    case COLOR_BTNFACE: return clrBtnFace;
    case COLOR_BTNSHADOW: return clrBtnShadow;
    case COLOR_BTNHIGHLIGHT: return clrBtnHilite;
    case COLOR_BTNTEXT: return clrBtnText;
    case COLOR_WINDOWFRAME: return clrWindowFrame;
    case COLOR_3DDKSHADOW: return clrBtnDkShadow;
    case COLOR_3DLIGHT: return clrBtnLight;
    case COLOR_GRAYTEXT: return clrGrayedText;
    case COLOR_HIGHLIGHT: return clrHilite;
    case COLOR_HIGHLIGHTTEXT: return clrTextHilite;
    case COLOR_WINDOW: return clrBarWindow;
    case COLOR_WINDOWTEXT: return clrWindowText;
    case COLOR_CAPTIONTEXT: return clrCaptionText;
    case COLOR_MENUTEXT: return clrMenuText;
    case COLOR_ACTIVECAPTION: return clrActiveCaption;
    case COLOR_INACTIVECAPTION: return clrInactiveCaption;
    case COLOR_INACTIVECAPTIONTEXT: return clrInactiveCaptionText;
    case COLOR_ACTIVEBORDER: return clrActiveBorder;
    case COLOR_INACTIVEBORDER: return clrInactiveBorder;
    default: return GetSysColor(nColor);
    }
}

void CZAVPGlobalData::UpdateSysColors()
{
    clrBtnFace = clrBarFace = GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = clrBarShadow = GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = clrBarHilite = GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = clrBarText = GetSysColor(COLOR_BTNTEXT);
    clrBtnDkShadow = clrBarDkShadow = GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = clrBarLight = GetSysColor(COLOR_3DLIGHT);
    clrWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
    clrGrayedText = GetSysColor(COLOR_GRAYTEXT);
    clrHilite = GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrWindow = clrBarWindow = GetSysColor(COLOR_WINDOW);
    clrWindowText = GetSysColor(COLOR_WINDOWTEXT);
    clrCaptionText = GetSysColor(COLOR_CAPTIONTEXT);
    clrMenuText = GetSysColor(COLOR_MENUTEXT);
    clrActiveCaption = GetSysColor(COLOR_ACTIVECAPTION);
    clrInactiveCaption = GetSysColor(COLOR_INACTIVECAPTION);
    clrInactiveCaptionText = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    clrActiveBorder = GetSysColor(COLOR_ACTIVEBORDER);
    clrInactiveBorder = GetSysColor(COLOR_INACTIVEBORDER);
    clrHotText = kHotText;

    hbrBtnHilite = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    hbrBtnShadow = GetSysColorBrush(COLOR_BTNSHADOW);
    hbrWindow = GetSysColorBrush(COLOR_WINDOW);

    RecreateSolid(brBtnFace, clrBtnFace);
    RecreateSolid(brBarFace, clrBarFace);
    RecreateSolid(brActiveCaption, clrActiveCaption);
    RecreateSolid(brInactiveCaption, clrInactiveCaption);
    RecreateSolid(brHilite, clrHilite);
    RecreateSolid(brBlack, clrBtnDkShadow);
    RecreateSolid(brWindow, clrBarWindow);

    HDC hdc = GetDC(nullptr);
    m_nBitsPerPixel = GetDeviceCaps(hdc, BITSPIXEL);
    ReleaseDC(nullptr, hdc);

    CreateLightBrush(brLight, m_nBitsPerPixel, clrBtnFace, GetSysColor(COLOR_BTNHIGHLIGHT));
    CZAVPMenuGlyphs::CleanUp();
}

void CZAVPGlobalData::CreateLightBrush(CBrush& brush, int bitsPerPixel, COLORREF face,
                                       COLORREF hilite)
{
    brush.DeleteObject();
    if (bitsPerPixel > 8) {
        brush.CreateSolidBrush(RGB(GetRValue(face) + (GetRValue(hilite) - GetRValue(face)) / 2,
                                   GetGValue(face) + (GetGValue(hilite) - GetGValue(face)) / 2,
                                   GetBValue(face) + (GetBValue(hilite) - GetBValue(face)) / 2));
        return;
    }
    // An 8 x 8 one-bit checkerboard of face and highlight.
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
        DWORD rows[8];  // one-bit rows are padded to 32 bits
    } dib = {};
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = 8;
    dib.header.biHeight = 8;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 1;
    dib.header.biCompression = BI_RGB;
    dib.colors[0] = {GetBValue(face), GetGValue(face), GetRValue(face), 0};
    dib.colors[1] = {GetBValue(hilite), GetGValue(hilite), GetRValue(hilite), 0};
    for (int row = 0; row < 8; ++row) dib.rows[row] = (row % 2 == 0) ? 0xAA : 0x55;
    brush.Attach(CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS));
}

void CZAVPGlobalData::DeleteFonts(BOOL bWithMarlett)
{
    CFont* fonts[] = {&fontRegular,   &fontStatusBar, &fontBold,
                      &fontUnderline, &fontVert,      &fontVertCaption};
    for (CFont* pFont : fonts) pFont->DeleteObject();
    if (bWithMarlett) fontMarlett.DeleteObject();
}

void CZAVPGlobalData::UpdateFonts()
{
    DeleteFonts(TRUE);

    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);

    HDC hdc = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = ncm.lfMenuFont.lfHeight;
    lf.lfWeight = ncm.lfMenuFont.lfWeight;
    lf.lfItalic = ncm.lfMenuFont.lfItalic;
    lf.lfCharSet = (BYTE)GetTextCharsetInfo(hdc, nullptr, 0);
    if (ncm.lfMenuFont.lfCharSet > kMaxCharsetWithStockFaces)
        lstrcpynA(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
    else
        lstrcpynA(lf.lfFaceName,
                  FontFamilyExists(hdc, kFaceTahoma) ? kFaceTahoma : kFaceMsSansSerif, LF_FACESIZE);
    ReleaseDC(nullptr, hdc);

    fontRegular.CreateFontIndirect(&lf);

    LOGFONTA status = lf;
    status.lfWeight = ncm.lfStatusFont.lfWeight;
    status.lfItalic = ncm.lfStatusFont.lfItalic;
    fontStatusBar.CreateFontIndirect(&status);

    lf.lfUnderline = TRUE;
    fontUnderline.CreateFontIndirect(&lf);
    lf.lfUnderline = FALSE;
    lf.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lf);

    const BYTE charset = lf.lfCharSet;
    lf.lfWeight = 0;
    lf.lfCharSet = SYMBOL_CHARSET;
    lf.lfHeight = GetSystemMetrics(SM_CYMENUCHECK) - 1;
    lstrcpynA(lf.lfFaceName, kFaceMarlett, LF_FACESIZE);
    fontMarlett.CreateFontIndirect(&lf);
    lf.lfCharSet = charset;

    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA vert = {};
    if (guiFont && GetObjectA(guiFont, sizeof vert, &vert) == sizeof vert) {
        vert.lfHeight = ncm.lfMenuFont.lfHeight;
        vert.lfWeight = ncm.lfMenuFont.lfWeight;
        vert.lfItalic = ncm.lfMenuFont.lfItalic;
        lstrcpynA(vert.lfFaceName, kFaceArial, LF_FACESIZE);
        vert.lfEscapement = kVerticalEscapement;
        vert.lfOrientation = kVerticalOrientation;
        fontVert.CreateFontIndirect(&vert);
        vert.lfEscapement = kReverseVerticalEscapement;
        fontVertCaption.CreateFontIndirect(&vert);
    }

    UpdateTextMetrics();

    for (POSITION pos = ZAVPSharedBarData::AllToolbars().GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(
            ZAVPSharedBarData::AllToolbars().GetNext(pos));
        if (pToolBar && CWnd::FromHandlePermanent(pToolBar->GetSafeHwnd()) != nullptr)
            pToolBar->OnGlobalFontsChanged();
    }
}

void CZAVPGlobalData::UpdateTextMetrics()
{
    HDC hdc = GetDC(nullptr);
    m_nTextHeightHorz = MeasureTextHeight(hdc, fontRegular);
    m_nTextHeightVert = MeasureTextHeight(hdc, fontVert);
    ReleaseDC(nullptr, hdc);
}

void CZAVPGlobalData::UpdateSmallIconSize()
{
    m_sizeSmallIcon_cx = GetSystemMetrics(SM_CXSMICON);
    m_sizeSmallIcon_cy = GetSystemMetrics(SM_CYSMICON);
    // COM is only needed for the shell call; it is released only when this call started it.
    const HRESULT hrCom = CoInitialize(nullptr);
    SHFILEINFOA info = {};
    HIMAGELIST images = (HIMAGELIST)SHGetFileInfoA(
        "", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
        SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_SHELLICONSIZE | SHGFI_USEFILEATTRIBUTES);
    int cx = 0, cy = 0;
    if (images && ImageList_GetIconSize(images, &cx, &cy) && cx > 0 && cy > 0) {
        m_sizeSmallIcon_cx = cx;
        m_sizeSmallIcon_cy = cy;
    }
    if (SUCCEEDED(hrCom)) CoUninitialize();
}

void CZAVPGlobalData::ReadOsVersion()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return;
    bIsWindowsNT4 = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion < 5;
    bIsWindows9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

BOOL CZAVPGlobalData::DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect)
{
    if (!pWnd || !pDC) return FALSE;
    HDC hdc = pDC->GetSafeHdc();
    HWND hwnd = pWnd->GetSafeHwnd();
    if (lpRect) IntersectClipRect(hdc, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    if (!m_hinstUXThemeDLL) m_hinstUXThemeDLL = LoadLibraryA("UxTheme.dll");
    typedef HRESULT(WINAPI * DrawThemeParentBackgroundProc)(HWND, HDC, const RECT*);
    DrawThemeParentBackgroundProc pfn =
        m_hinstUXThemeDLL
            ? reinterpret_cast<DrawThemeParentBackgroundProc>(reinterpret_cast<void (*)()>(
                  GetProcAddress(m_hinstUXThemeDLL, "DrawThemeParentBackground")))
            : nullptr;
    BOOL bResult = FALSE;
    // Only a theme call that reports success ends here; any failure falls back to the parent's erase.
    if (pfn && SUCCEEDED(pfn(hwnd, hdc, lpRect)))
        bResult = TRUE;
    else {
        HWND parent = GetParent(hwnd);
        POINT origin = {0, 0};
        MapWindowPoints(hwnd, parent, &origin, 1);
        POINT old;
        OffsetWindowOrgEx(hdc, origin.x, origin.y, &old);
        bResult = parent ? (BOOL)SendMessageA(parent, WM_ERASEBKGND, (WPARAM)hdc, 0) : FALSE;
        SetWindowOrgEx(hdc, old.x, old.y, nullptr);
    }
    if (lpRect) SelectClipRgn(hdc, nullptr);
    return bResult;
}

void CZAVPGlobalData::CleanUp()
{
    brLight.DeleteObject();
    DeleteFonts(FALSE);  // the symbol font lives until the block itself goes
    if (m_hinstUXThemeDLL) {
        FreeLibrary(m_hinstUXThemeDLL);
        m_hinstUXThemeDLL = nullptr;  // a second clean-up must not free it again
    }
}

CWnd* CZAVPGlobalData::GetParentFrameOf(CWnd* pWnd)
{
    if (!pWnd || !pWnd->GetSafeHwnd()) return nullptr;
    HWND hWnd = pWnd->GetSafeHwnd();
    for (;;) {
        // A floating mini frame leads on to the frame it belongs to, not to its parent window.
        CWnd* pObject = CWnd::FromHandlePermanent(hWnd);
        hWnd = ZAVPIsKindOf(pObject, RUNTIME_CLASS(CZAVPMiniFrameWnd))
                   ? static_cast<CZAVPMiniFrameWnd*>(pObject)->GetOwnerFrameWnd()
                   : ::GetParent(hWnd);
        if (!hWnd) return nullptr;
        CWnd* pParent = CWnd::FromHandlePermanent(hWnd);
        if (pParent && pParent->IsFrameWnd()) return pParent;
    }
}
