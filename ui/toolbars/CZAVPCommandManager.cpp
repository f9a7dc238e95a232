// The command manager: which image each command shows, and which menu items show none.
#include "ui/toolbars/CZAVPCommandManager.h"

#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/foundation/ZAVPWindowChecks.h"

namespace
{
const UINT kHashTableSize = 17;
const WORD kLongCountEscape = 0xFFFF;  // a 32-bit count follows
const char kCommandManagerKey[] = "%sZAVCommandManager";
const char kCommandsWithoutImagesValue[] = "CommandsWithoutImages";

CString CommandManagerPath(LPCSTR lpszProfileName)
{
    CString strPath;
    strPath.Format(
        kCommandManagerKey,
        (LPCSTR)BuildRegistryPath(ZAVPLibraryNames::kCommandManagerSection, lpszProfileName));
    return strPath;
}

DWORD ReadDword(const BYTE* p)
{
    return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24);
}

void AppendDword(std::vector<BYTE>& bytes, DWORD dw)
{
    for (int i = 0; i < 4; ++i) bytes.push_back((BYTE)(dw >> (8 * i)));
}
}  // namespace

namespace ZAVPCommandListImage
{
std::vector<BYTE> Encode(const CList<UINT, UINT>& commands)
{
    std::vector<BYTE> bytes;
    const DWORD dwCount = (DWORD)commands.GetCount();
    if (dwCount < kLongCountEscape) {
        bytes.push_back((BYTE)dwCount);
        bytes.push_back((BYTE)(dwCount >> 8));
    } else {
        bytes.push_back(0xFF);
        bytes.push_back(0xFF);
        AppendDword(bytes, dwCount);
    }
    for (POSITION pos = commands.GetHeadPosition(); pos != nullptr;)
        AppendDword(bytes, commands.GetNext(pos));
    return bytes;
}

BOOL Decode(const BYTE* pData, UINT nBytes, CList<UINT, UINT>& commands)
{
    if (pData == nullptr || nBytes < sizeof(WORD)) return FALSE;
    UINT nHeader = sizeof(WORD);
    DWORD dwCount = (DWORD)pData[0] | ((DWORD)pData[1] << 8);
    if (dwCount == kLongCountEscape) {
        if (nBytes < sizeof(WORD) + sizeof(DWORD)) return FALSE;
        dwCount = ReadDword(pData + sizeof(WORD));
        nHeader += sizeof(DWORD);
    }
    // The count must describe the bytes present exactly: no allocation or loop from a bare count.
    if ((ULONGLONG)dwCount * sizeof(DWORD) != (ULONGLONG)(nBytes - nHeader)) return FALSE;

    CList<UINT, UINT> loaded;
    for (DWORD i = 0; i < dwCount; ++i) {
        const UINT uiCmd = ReadDword(pData + nHeader + i * sizeof(DWORD));
        if (loaded.Find(uiCmd) == nullptr) loaded.AddTail(uiCmd);
    }
    commands.RemoveAll();
    commands.AddTail(&loaded);
    return TRUE;
}
}  // namespace ZAVPCommandListImage

CZAVPCommandManager::CZAVPCommandManager()
{
    m_mapCommandImages.InitHashTable(kHashTableSize);
    m_mapUserCommandImages.InitHashTable(kHashTableSize);
}

CZAVPCommandManager::~CZAVPCommandManager() = default;

void CZAVPCommandManager::RecordCommandImage(UINT uiCmd, int iImage, BOOL bUserImage)
{
    if (!IsRealCommand(uiCmd)) return;
    CMap<UINT, UINT, int, int>& other = bUserImage ? m_mapCommandImages : m_mapUserCommandImages;
    int iOther = -1;
    if (other.Lookup(uiCmd, iOther) && iOther >= 0) return;
    (bUserImage ? m_mapUserCommandImages : m_mapCommandImages)[uiCmd] = iImage;
}

int CZAVPCommandManager::GetCommandImage(UINT uiCmd, BOOL bUserImage) const
{
    int iImage = -1;
    if (!(bUserImage ? m_mapUserCommandImages : m_mapCommandImages).Lookup(uiCmd, iImage))
        return -1;
    return iImage;
}

void CZAVPCommandManager::ForgetUserImage(UINT uiCmd) { m_mapUserCommandImages.RemoveKey(uiCmd); }

void CZAVPCommandManager::SetMenuImageShown(UINT uiCmd, BOOL bEnable)
{
    POSITION pos = m_lstCommandsWithoutImages.Find(uiCmd);
    if (!bEnable && pos == nullptr)
        m_lstCommandsWithoutImages.AddTail(uiCmd);
    else if (bEnable && pos != nullptr)
        m_lstCommandsWithoutImages.RemoveAt(pos);
}

BOOL CZAVPCommandManager::IsMenuImageHidden(UINT uiCmd) const
{
    return m_lstCommandsWithoutImages.Find(uiCmd) != nullptr;
}

BOOL CZAVPCommandManager::LoadState(LPCSTR lpszProfileName)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(CommandManagerPath(lpszProfileName))) return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.ReadBinary(kCommandsWithoutImagesValue, pData, nBytes)) return FALSE;
    const BOOL bRead = ZAVPCommandListImage::Decode(pData, nBytes, m_lstCommandsWithoutImages);
    delete[] pData;
    return bRead;
}

BOOL CZAVPCommandManager::SaveState(LPCSTR lpszProfileName)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(CommandManagerPath(lpszProfileName))) return FALSE;
    const std::vector<BYTE> bytes = ZAVPCommandListImage::Encode(m_lstCommandsWithoutImages);
    return reg.WriteBinary(kCommandsWithoutImagesValue, bytes.data(), (UINT)bytes.size());
}

void CZAVPCommandManager::ClearAll()
{
    m_mapCommandImages.RemoveAll();
    m_mapUserCommandImages.RemoveAll();
    m_lstCommandsWithoutImages.RemoveAll();
}

CZAVPCommandManager* GetCommandManager()
{
    static CZAVPCommandManager manager;
    return &manager;
}
