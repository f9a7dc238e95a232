// The menu-bar store (see CZAVPMenuHash.h).
#include "ui/foundation/CZAVPMenuHash.h"

#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CFile.h"
#include "ui/foundation/ZAVPUiThread.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kMenuHashSize = 17;
const INT_PTR kMenuHashBlockSize = 10;
const int kArchiveBuffer = 4096;
const char kTempPrefix[] = "ZAV";

// A new temporary file that deletes itself when closed, or INVALID_HANDLE_VALUE.
HANDLE CreateSelfDeletingFile()
{
    char szDir[MAX_PATH] = {};
    char szFile[MAX_PATH] = {};
    if (::GetTempPathA(MAX_PATH, szDir) == 0 ||
        ::GetTempFileNameA(szDir, kTempPrefix, 0, szFile) == 0)
        return INVALID_HANDLE_VALUE;
    HANDLE hFile = ::CreateFileA(szFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        ::DeleteFileA(szFile);  // the name GetTempFileNameA made must not stay behind
    return hFile;
}

// Runs an archive pass over the file; FALSE when it raised a framework exception.
template <class Pass>
BOOL RunArchive(HANDLE hFile, UINT nMode, Pass pass)
{
    try {
        CFile file(hFile);
        CArchive ar(&file, nMode, kArchiveBuffer);
        pass(ar);
        ar.Close();
        return TRUE;
    } catch (CException* e) {
        e->Delete();
    }
    return FALSE;
}
}  // namespace

CZAVPMenuHash g_menuHash;

CZAVPMenuHash::CZAVPMenuHash() : m_StoredMenues(kMenuHashBlockSize), m_bIsLoading(FALSE)
{
    m_StoredMenues.InitHashTable(kMenuHashSize);
}

CZAVPMenuHash::~CZAVPMenuHash() { m_StoredMenues.RemoveAll(); }

BOOL CZAVPMenuHash::HasMenu(HMENU hMenu) const
{
    HANDLE hFile = nullptr;
    return m_StoredMenues.Lookup(hMenu, hFile);
}

BOOL CZAVPMenuHash::SaveMenuBar(HMENU hMenu, CZAVPToolBar* pBar)
{
    ZAVP_ASSERT_UI_THREAD();
    if (pBar == nullptr || pBar->GetCount() == 0) return FALSE;
    HANDLE hFile = CreateSelfDeletingFile();
    if (hFile == INVALID_HANDLE_VALUE) return FALSE;
    if (!RunArchive(hFile, CArchive::store, [&](CArchive& ar) { pBar->Serialize(ar); })) {
        ::CloseHandle(hFile);  // deletes the half-written file
        return FALSE;
    }
    HANDLE hOld = nullptr;
    if (m_StoredMenues.Lookup(hMenu, hOld)) ::CloseHandle(hOld);
    m_StoredMenues[hMenu] = hFile;
    return TRUE;
}

BOOL CZAVPMenuHash::LoadMenuBar(HMENU hMenu, CZAVPToolBar* pBar)
{
    ZAVP_ASSERT_UI_THREAD();
    HANDLE hFile = nullptr;
    if (pBar == nullptr || !m_StoredMenues.Lookup(hMenu, hFile)) return FALSE;
    if (::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return FALSE;
    m_bIsLoading = TRUE;
    const BOOL bLoaded = RunArchive(hFile, CArchive::load,
                                    [&](CArchive& ar) { pBar->Serialize(ar); });
    m_bIsLoading = FALSE;
    return bLoaded;
}

BOOL CZAVPMenuHash::RemoveMenu(HMENU hMenu)
{
    ZAVP_ASSERT_UI_THREAD();
    HANDLE hFile = nullptr;
    if (!m_StoredMenues.Lookup(hMenu, hFile)) return FALSE;
    ::CloseHandle(hFile);
    m_StoredMenues.RemoveKey(hMenu);
    return TRUE;
}

void CZAVPMenuHash::CleanUp()
{
    ZAVP_ASSERT_UI_THREAD();
    for (POSITION pos = m_StoredMenues.GetStartPosition(); pos != nullptr;) {
        HMENU hMenu = nullptr;
        HANDLE hFile = nullptr;
        m_StoredMenues.GetNextAssoc(pos, hMenu, hFile);
        ::CloseHandle(hFile);
    }
    m_StoredMenues.RemoveAll();
}
