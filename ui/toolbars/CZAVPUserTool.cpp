// A user tool: its archive, its icon (from the shell, or the shared default) and how it runs.
#include "ui/toolbars/CZAVPUserTool.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "framework/AfxResourceHandle.h"
#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CException.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"

IMPLEMENT_SERIAL(CZAVPUserTool, CObject, VERSIONABLE_SCHEMA | 1)

namespace
{
const UINT kShellIconFlags = SHGFI_ICON | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON;  // 0x105
const INT_PTR kShellSuccess = 32;  // ShellExecute results from 32 up mean success
const UINT kFailedToCopyPrompt = 16008;

// Loaded once and kept for the rest of the run: every tool without an icon of its own shares it.
HICON g_hDefaultToolIcon = nullptr;

HWND MainWindow()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
}
}  // namespace

CZAVPUserTool::CZAVPUserTool() : m_uiCmdId(0), m_hIcon(nullptr) {}

CZAVPUserTool::~CZAVPUserTool() { DeleteIcon(); }

void CZAVPUserTool::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strLabel << m_strCommand << m_strArguments << m_strInitialDirectory
           << (DWORD)m_uiCmdId;
        return;
    }
    CString strLabel, strCommand, strArguments, strDirectory;
    DWORD dwCmdId = 0;
    ar >> strLabel >> strCommand >> strArguments >> strDirectory >> dwCmdId;
    m_strLabel = strLabel;
    SetCommand(strCommand);
    m_strArguments = strArguments;
    m_strInitialDirectory = strDirectory;
    m_uiCmdId = dwCmdId;
}

BOOL CZAVPUserTool::Invoke()
{
    if (m_strCommand.IsEmpty()) return FALSE;
    const HINSTANCE hResult = ::ShellExecuteA(MainWindow(), nullptr, m_strCommand, m_strArguments,
                                              m_strInitialDirectory, SW_SHOWNORMAL);
    return (INT_PTR)hResult >= kShellSuccess;
}

void CZAVPUserTool::SetCommand(LPCSTR lpszCmd)
{
    const char* pszNew = lpszCmd != nullptr ? lpszCmd : "";
    if (std::strcmp(pszNew, m_strCommand) == 0) return;
    m_strCommand = pszNew;
    DeleteIcon();
    m_hIcon = LoadToolIcon();
}

HICON CZAVPUserTool::LoadToolIcon()
{
    CString strPath = m_strCommand;
    if (std::strpbrk(strPath, "\\/:") == nullptr) {
        char szFound[MAX_PATH] = {};
        LPSTR pszFilePart = nullptr;
        if (::SearchPathA(nullptr, strPath, nullptr, MAX_PATH, szFound, &pszFilePart) == 0)
            return LoadDefaultIcon();
        strPath = szFound;
    }
    SHFILEINFOA info = {};
    if (::SHGetFileInfoA(strPath, 0, &info, sizeof info, kShellIconFlags) == 0 ||
        info.hIcon == nullptr) {
        return LoadDefaultIcon();
    }
    return info.hIcon;
}

HICON CZAVPUserTool::LoadDefaultIcon()
{
    if (g_hDefaultToolIcon == nullptr) {
        g_hDefaultToolIcon = (HICON)::LoadImageA(
            AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_ZAVP_USER_TOOL), IMAGE_ICON,
            globalData.m_sizeSmallIcon_cx, globalData.m_sizeSmallIcon_cy, LR_SHARED);
    }
    return g_hDefaultToolIcon;
}

void CZAVPUserTool::DeleteIcon()
{
    if (m_hIcon != nullptr && m_hIcon != g_hDefaultToolIcon) ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

void CZAVPUserTool::DrawToolIcon(CDC* pDC, const RECT& rectImage)
{
    const int x = rectImage.left + std::max(0, (int)(rectImage.right - rectImage.left -
                                                     globalData.m_sizeSmallIcon_cx) /
                                                   2);
    const int y = rectImage.top + std::max(0, (int)(rectImage.bottom - rectImage.top -
                                                    globalData.m_sizeSmallIcon_cy) /
                                                  2);
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, m_hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

BOOL CZAVPUserTool::CopyIconToClipboard()
{
    try {
        const int cx = globalData.m_sizeSmallIcon_cx;
        const int cy = globalData.m_sizeSmallIcon_cy;
        HDC hdcScreen = ::GetDC(nullptr);
        HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
        ::ReleaseDC(nullptr, hdcScreen);
        if (hbm == nullptr || hdcMem == nullptr) {
            if (hdcMem != nullptr) ::DeleteDC(hdcMem);
            AfxMessageBox(IDS_ZAVP_CANT_COPY_IMAGE);
            return FALSE;
        }
        HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
        const RECT rect = {0, 0, cx, cy};
        ::FillRect(hdcMem, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
        CDC dc;
        dc.Attach(hdcMem);
        DrawToolIcon(&dc, rect);
        dc.Detach();
        ::SelectObject(hdcMem, hOld);
        ::DeleteDC(hdcMem);

        if (!::OpenClipboard(MainWindow())) {
            ::DeleteObject(hbm);
            AfxMessageBox(IDS_ZAVP_CANT_COPY_IMAGE);
            return FALSE;
        }
        // Once set, the clipboard owns the bitmap.
        const BOOL bCopied = ::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, hbm) != nullptr;
        ::CloseClipboard();
        if (!bCopied) {
            ::DeleteObject(hbm);
            AfxMessageBox(IDS_ZAVP_CANT_COPY_IMAGE);
            return FALSE;
        }
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(kFailedToCopyPrompt);
        return FALSE;
    }
    return TRUE;
}
