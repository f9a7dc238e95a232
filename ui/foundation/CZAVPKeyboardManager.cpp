// The keyboard manager (see CZAVPKeyboardManager.h).
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/ZAVPUiThread.h"

#include <cctype>
#include <memory>

#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPOleIPFrameWnd.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/toolbars/CZAVPToolBar.h"

CZAVPKeyboardManager* g_pKeyboardManager = nullptr;
BOOL CZAVPKeyboardManager::m_bAllCharsTranslate = FALSE;

namespace
{
const UINT kNumpadFirst = VK_NUMPAD0;  // 96
const UINT kNumpadLast = VK_NUMPAD9;   // 105

// A copy of one accelerator table, rebuilt only when another table is asked for.
struct AccelCache
{
    std::vector<ACCEL> entries;
    HACCEL hSource = nullptr;

    void Refresh(HACCEL hAccel)
    {
        if (hAccel == hSource && hSource != nullptr) return;
        entries.clear();
        hSource = hAccel;
        const int nCount = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
        if (nCount <= 0) return;
        entries.resize((size_t)nCount);
        ::CopyAcceleratorTableA(hAccel, entries.data(), nCount);
    }
    void Clear()
    {
        std::vector<ACCEL>().swap(entries);
        hSource = nullptr;
    }
};

AccelCache& Cache(BOOL bIsDefaultFrame)
{
    static AccelCache s_default, s_other;
    return bIsDefaultFrame ? s_default : s_other;
}

// The table a frame answers keys with: its own, or its active document's when that has one.
HACCEL FrameAccelerator(CFrameWnd* pFrame)
{
    if (pFrame == nullptr) return nullptr;
    HACCEL hAccel = pFrame->m_hAccelTable;
    if (CDocument* pDoc = pFrame->GetActiveDocument())
        if (HACCEL hDoc = pDoc->GetDefaultAccelerator()) hAccel = hDoc;
    return hAccel;
}

CFrameWnd* MainFrame()
{
    CWnd* pWnd = AfxGetMainWnd();
    return (pWnd != nullptr && pWnd->IsFrameWnd()) ? static_cast<CFrameWnd*>(pWnd) : nullptr;
}

CString KeyboardKey(LPCSTR lpszProfileName, UINT uiResId)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kKeyboardSection, lpszProfileName);
    CString strKey;
    strKey.Format(ZAVPLibraryNames::kKeyboardKeyFormat, (LPCSTR)strPath, (int)uiResId);
    return strKey;
}

// Multi-document templates with a table of their own; this program has none.
template <class Visit>
void ForEachMultiDocTemplate(Visit visit)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    for (CDocTemplate* pTemplate : pApp->m_templateList)
        if (ZAVPIsKindOf(pTemplate, ZAVPClassNames::CMultiDocTemplate) &&
            pTemplate->m_hAccelTable != nullptr)
            visit(pTemplate);
}
}  // namespace

CZAVPKeyboardManager::CZAVPKeyboardManager()
{
    ZAVP_ASSERT_UI_THREAD();
    g_pKeyboardManager = this;
}

CZAVPKeyboardManager::~CZAVPKeyboardManager()
{
    ZAVP_ASSERT_UI_THREAD();
    if (g_pKeyboardManager == this) g_pKeyboardManager = nullptr;
}

std::vector<BYTE> CZAVPKeyboardManager::EncodeAccelerators(const ACCEL* pAccel, int nCount)
{
    std::vector<BYTE> bytes;
    for (int i = 0; i < nCount; ++i) {
        const ACCEL& a = pAccel[i];
        const BYTE record[kAccelBytes] = {
            a.fVirt, 0, LOBYTE(a.key), HIBYTE(a.key), LOBYTE(a.cmd), HIBYTE(a.cmd)};
        bytes.insert(bytes.end(), record, record + kAccelBytes);
    }
    return bytes;
}

std::vector<ACCEL> CZAVPKeyboardManager::DecodeAccelerators(const BYTE* pData, UINT nBytes)
{
    std::vector<ACCEL> entries;
    if (pData == nullptr) return entries;
    for (UINT i = 0; i + kAccelBytes <= nBytes; i += kAccelBytes) {
        ACCEL a = {};
        a.fVirt = pData[i];
        a.key = MAKEWORD(pData[i + 2], pData[i + 3]);
        a.cmd = MAKEWORD(pData[i + 4], pData[i + 5]);
        entries.push_back(a);
    }
    return entries;
}

BOOL CZAVPKeyboardManager::UpdateAcceleratorTable(CDocTemplate* pTemplate, LPACCEL lpAccel,
                                                  int nSize, CFrameWnd* pDefaultFrame)
{
    HACCEL hAccelNew = ::CreateAcceleratorTableA(lpAccel, nSize);
    if (hAccelNew == nullptr) return FALSE;
    if (!SetAccelTable(pTemplate, hAccelNew, pDefaultFrame)) {
        ::DestroyAcceleratorTable(hAccelNew);
        return FALSE;
    }
    return TRUE;
}

BOOL CZAVPKeyboardManager::SetAccelTable(CDocTemplate* pTemplate, HACCEL hAccelNew,
                                         CFrameWnd* pDefaultFrame)
{
    HACCEL hAccelOld = nullptr;
    if (pTemplate != nullptr) {
        hAccelOld = pTemplate->m_hAccelTable;
        pTemplate->m_hAccelTable = hAccelNew;
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;) {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView != nullptr;) {
                CView* pView = pDoc->GetNextView(posView);
                CFrameWnd* pFrame = pView->GetParentFrame();
                if (pFrame != nullptr && pFrame->m_hAccelTable == hAccelOld)
                    pFrame->m_hAccelTable = hAccelNew;
            }
        }
    } else {
        CFrameWnd* pFrame = pDefaultFrame != nullptr ? pDefaultFrame : MainFrame();
        if (pFrame == nullptr) return FALSE;
        hAccelOld = pFrame->m_hAccelTable;
        pFrame->m_hAccelTable = hAccelNew;
    }
    if (hAccelOld != nullptr && hAccelOld != hAccelNew) ::DestroyAcceleratorTable(hAccelOld);
    return TRUE;
}

void CZAVPKeyboardManager::ResetAll()
{
    const HINSTANCE hinst = AfxGetResourceHandle();
    ForEachMultiDocTemplate([&](CDocTemplate* pTemplate) {
        if (HACCEL hAccel = ::LoadAcceleratorsA(hinst, MAKEINTRESOURCEA(pTemplate->m_nIDResource)))
            SetAccelTable(pTemplate, hAccel);
    });
    CFrameWnd* pFrame = MainFrame();
    if (pFrame == nullptr || pFrame->m_hAccelTable == nullptr) return;
    // The frame's own resource id is what the library frames remember at creation.
    UINT uiResId = 0;
    if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPFrameWnd)))
        uiResId = static_cast<CZAVPFrameWnd*>(pFrame)->m_Impl.m_nIDDefaultResource;
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPMDIFrameWnd)))
        uiResId = static_cast<CZAVPMDIFrameWnd*>(pFrame)->m_Impl.m_nIDDefaultResource;
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPOleIPFrameWnd)))
        uiResId = static_cast<CZAVPOleIPFrameWnd*>(pFrame)->m_Impl.m_nIDDefaultResource;
    else
        return;
    if (HACCEL hAccel = ::LoadAcceleratorsA(hinst, MAKEINTRESOURCEA(uiResId))) {
        ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
        pFrame->m_hAccelTable = hAccel;
    }
}

BOOL CZAVPKeyboardManager::SaveAccelerators(LPCSTR lpszProfileName, UINT uiResId,
                                            HACCEL hAccelTable)
{
    const int nCount = ::CopyAcceleratorTableA(hAccelTable, nullptr, 0);
    if (nCount <= 0) return FALSE;
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(KeyboardKey(lpszProfileName, uiResId))) return FALSE;
    std::vector<ACCEL> entries((size_t)nCount);
    ::CopyAcceleratorTableA(hAccelTable, entries.data(), nCount);
    const std::vector<BYTE> bytes = EncodeAccelerators(entries.data(), nCount);
    reg.WriteBinary(ZAVPLibraryNames::kAcceleratorsValue, bytes.data(), (UINT)bytes.size());
    return TRUE;
}

BOOL CZAVPKeyboardManager::LoadAccelerators(LPCSTR lpszProfileName, UINT uiResId,
                                            HACCEL& hAccelTable)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(KeyboardKey(lpszProfileName, uiResId))) return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.ReadBinary(ZAVPLibraryNames::kAcceleratorsValue, pData, nBytes)) return FALSE;
    std::unique_ptr<BYTE[]> owner(pData);
    std::vector<ACCEL> entries = DecodeAccelerators(pData, nBytes);
    if (entries.empty()) return FALSE;
    // Commands that may no longer be placed on bars load inert rather than refused.
    for (ACCEL& a : entries)
        if (!CZAVPToolBar::IsCommandPermitted(a.cmd)) a.cmd = 0;
    hAccelTable = ::CreateAcceleratorTableA(entries.data(), (int)entries.size());
    return hAccelTable != nullptr;
}

BOOL CZAVPKeyboardManager::LoadState(LPCSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    ForEachMultiDocTemplate([&](CDocTemplate* pTemplate) {
        HACCEL hAccel = nullptr;
        if (LoadAccelerators(lpszProfileName, pTemplate->m_nIDResource, hAccel))
            SetAccelTable(pTemplate, hAccel);
    });
    CFrameWnd* pFrame = pDefaultFrame != nullptr ? pDefaultFrame : MainFrame();
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr) {
        HACCEL hAccel = nullptr;
        if (LoadAccelerators(lpszProfileName, 0, hAccel)) SetAccelTable(nullptr, hAccel, pFrame);
    }
    return TRUE;
}

BOOL CZAVPKeyboardManager::SaveState(LPCSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    ForEachMultiDocTemplate([&](CDocTemplate* pTemplate) {
        SaveAccelerators(lpszProfileName, pTemplate->m_nIDResource, pTemplate->m_hAccelTable);
    });
    CFrameWnd* pFrame = pDefaultFrame != nullptr ? pDefaultFrame : MainFrame();
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr)
        SaveAccelerators(lpszProfileName, 0, pFrame->m_hAccelTable);
    return TRUE;
}

BOOL CZAVPKeyboardManager::IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame,
                                        BOOL bIsDefaultFrame)
{
    HACCEL hAccel = FrameAccelerator(pWndFrame);
    if (hAccel == nullptr) return FALSE;
    AccelCache& cache = Cache(bIsDefaultFrame);
    cache.Refresh(hAccel);
    for (const ACCEL& a : cache.entries)
        if (a.key == nKey && a.fVirt == fVirt) return TRUE;
    return FALSE;
}

BOOL CZAVPKeyboardManager::FindAcceleratorText(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                               BOOL bIsDefaultFrame)
{
    str.Empty();
    HACCEL hAccel = FrameAccelerator(pWndFrame);
    if (hAccel == nullptr) return FALSE;
    AccelCache& cache = Cache(bIsDefaultFrame);
    cache.Refresh(hAccel);
    for (ACCEL& a : cache.entries)
        if (a.cmd == uiCmd) {
            CZAVPAccelText(&a).Format(str);
            return TRUE;
        }
    return FALSE;
}

UINT CZAVPKeyboardManager::TranslateCharToUpper(const UINT nChar)
{
    const BOOL bAltDown = (::GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
    const BOOL bKeypadDigit = nChar >= kNumpadFirst && nChar <= kNumpadLast;
    const BOOL bLetter = nChar >= 'A' && nChar <= 'Z';
    if ((bKeypadDigit && !bAltDown) || (m_bAllCharsTranslate && bLetter)) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        WORD wChar = 0;
        const HKL hkl = ::GetKeyboardLayout(0);
        if (::ToAsciiEx(nChar, ::MapVirtualKeyA(nChar, 0), state, &wChar, 0, hkl) == 1) {
            char szChar[2] = {(char)LOBYTE(wChar), '\0'};
            ::CharUpperA(szChar);
            return (BYTE)szChar[0];
        }
        // A layout that gives a keypad key no character (Num Lock off) still means its digit.
        if (bKeypadDigit) return '0' + (nChar - kNumpadFirst);
    }
    if (!bAltDown && nChar <= 0xFF) return (UINT)std::toupper((int)nChar);
    return nChar;
}

void CZAVPKeyboardManager::CleanUp()
{
    Cache(TRUE).Clear();
    Cache(FALSE).Clear();
}
