// Image strips: loading, recolouring, the light copy, editing and saving (see CZAVPImageStrip.h).
// The drawing passes live in CZAVPImageStripDraw.cpp.
#include "ui/foundation/CZAVPImageStrip.h"

#include "framework/AfxResourceHandle.h"
#include "framework/CDC.h"
#include "framework/CResourceException.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/foundation/ZAVPImageStripDCs.h"
#include "ui/foundation/ZAVPStripColors.h"
#include "ui/foundation/ZAVPStripPixels.h"

namespace
{
const int kDefaultImageWidth = 16;
const int kDefaultImageHeight = 15;
const UINT kLoadFlags = LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS;
const UINT kResOffsetsHashSize = 17;

int BitmapBitsPerPixel(HBITMAP hbmp)
{
    BITMAP bmp = {};
    return ::GetObjectA(hbmp, sizeof bmp, &bmp) != 0 ? bmp.bmBitsPixel : 0;
}
}  // namespace

CZAVPImageStrip::CZAVPImageStrip()
    : m_sizeImage{kDefaultImageWidth, kDefaultImageHeight}, m_sizeImageDest{0, 0},
      m_hbmImageWell(nullptr), m_hbmImageLight(nullptr), m_bUserImagesList(FALSE),
      m_bModified(FALSE), m_iCount(0), m_bStretch(FALSE), m_hdcStretch(nullptr),
      m_hbmStretch(nullptr), m_hbmOldStretch(nullptr), m_clrTransparent((COLORREF)-1),
      m_bReadOnlyFile(FALSE), m_bReadOnly(FALSE), m_clrImageShadow(0), m_bFadeInactive(FALSE),
      m_nBitsPerPixel(0)
{
    m_mapOrigResOffsets.InitHashTable(kResOffsetsHashSize);
    if (!CZAVPImageStripDCs::Acquire()) AfxThrowResourceException();
    OnSysColorChange();
}

CZAVPImageStrip::~CZAVPImageStrip()
{
    if (!m_bReadOnly) DeleteBitmaps();
}

void CZAVPImageStrip::DeleteBitmaps()
{
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
    if (m_hbmImageLight) ::DeleteObject(m_hbmImageLight);
    m_hbmImageWell = nullptr;
    m_hbmImageLight = nullptr;
}

void CZAVPImageStrip::Recount()
{
    BITMAP bmp = {};
    m_iCount = (m_hbmImageWell && m_sizeImage.cx > 0 &&
                ::GetObjectA(m_hbmImageWell, sizeof bmp, &bmp) != 0)
                   ? bmp.bmWidth / m_sizeImage.cx
                   : 0;
}

int CZAVPImageStrip::GetResourceOffset(UINT uiResID) const
{
    int iOffset = -1;
    return m_mapOrigResOffsets.Lookup(uiResID, iOffset) ? iOffset : -1;
}

BOOL CZAVPImageStrip::LoadResourceBitmap(UINT uiResID, HINSTANCE hinstRes, HBITMAP& hbmp) const
{
    if (hinstRes == nullptr) hinstRes = AfxGetResourceHandle();
    hbmp = (HBITMAP)::LoadImageA(hinstRes, MAKEINTRESOURCEA(uiResID), IMAGE_BITMAP, 0, 0,
                                 kLoadFlags);
    if (hbmp == nullptr) return FALSE;
    BITMAP bmp = {};
    if (::GetObjectA(hbmp, sizeof bmp, &bmp) == 0) {
        ::DeleteObject(hbmp);
        hbmp = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CZAVPImageStrip::Load(UINT uiResID, HINSTANCE hinstRes, BOOL bAdd)
{
    if (m_bReadOnly) return FALSE;
    if (bAdd) {
        if (m_lstOrigResIds.Find(uiResID) != nullptr) return TRUE;  // a resource is appended once
    } else {
        DeleteBitmaps();
        m_lstOrigResIds.RemoveAll();
        m_lstOrigResInstances.RemoveAll();
        m_mapOrigResOffsets.RemoveAll();
    }
    if (hinstRes == nullptr) hinstRes = AfxGetResourceHandle();

    HBITMAP hbmp = nullptr;
    if (!LoadResourceBitmap(uiResID, hinstRes, hbmp)) return FALSE;
    const int nBitsPerPixel = BitmapBitsPerPixel(hbmp);
    if (bAdd) {
        const int iOffset = m_iCount;
        const BOOL bAdded = AddImage(hbmp) >= 0;
        ::DeleteObject(hbmp);
        if (!bAdded) return FALSE;
        m_mapOrigResOffsets[uiResID] = iOffset;
        m_lstOrigResIds.AddTail(uiResID);
        m_lstOrigResInstances.AddTail(hinstRes);
    } else {
        m_hbmImageWell = hbmp;
    }
    m_nBitsPerPixel = nBitsPerPixel;
    AfterLoad();
    return TRUE;
}

void CZAVPImageStrip::AfterLoad()
{
    // The loader maps the 3D colours of bitmaps of 8 bits or less only.
    if (m_nBitsPerPixel > 8) MapTo3dColors(FALSE);
    Recount();
    UpdateLightImage();
}

BOOL CZAVPImageStrip::LoadFromFile(LPCSTR lpszPath)
{
    if (m_bReadOnly) return FALSE;
    DeleteBitmaps();

    CString strPath = lpszPath;
    if (strPath.Find('\\') < 0 && strPath.Find('/') < 0 && strPath.Find(':') < 0) {
        // A bare name lies beside the program.
        char szModule[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
        CString strDir = szModule;
        strDir = strDir.Left(strDir.ReverseFind('\\') + 1);
        strPath = strDir + strPath;
    }

    HBITMAP hbmp = (HBITMAP)::LoadImageA(nullptr, strPath, IMAGE_BITMAP, 0, 0,
                                         LR_LOADFROMFILE | kLoadFlags);
    if (hbmp == nullptr) return FALSE;
    const int nBitsPerPixel = BitmapBitsPerPixel(hbmp);
    if (nBitsPerPixel == 0) {
        ::DeleteObject(hbmp);
        return FALSE;
    }
    m_hbmImageWell = hbmp;
    m_nBitsPerPixel = nBitsPerPixel;
    m_bUserImagesList = TRUE;
    m_strUDLPath = strPath;
    const DWORD dwAttributes = ::GetFileAttributesA(strPath);
    m_bReadOnlyFile = dwAttributes != INVALID_FILE_ATTRIBUTES &&
                      (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    AfterLoad();
    return TRUE;
}

int CZAVPImageStrip::AddImage(HBITMAP hbmp)
{
    if (m_bReadOnly || hbmp == nullptr) return -1;
    HBITMAP hbmpNew = ZAVPStripPixels::AppendBitmaps(m_hbmImageWell, hbmp);
    if (hbmpNew == nullptr) return -1;
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmpNew;
    m_bModified = TRUE;
    Recount();
    UpdateLightImage();
    return m_iCount - 1;
}

BOOL CZAVPImageStrip::UpdateImage(int iImage, HBITMAP hbmp)
{
    if (m_bReadOnly || !m_bUserImagesList || hbmp == nullptr || iImage < 0 || iImage >= m_iCount)
        return FALSE;
    if (!ZAVPStripPixels::CopyCell(m_hbmImageWell, iImage * m_sizeImage.cx, hbmp, m_sizeImage))
        return FALSE;
    m_bModified = TRUE;
    UpdateLightImage();
    return TRUE;
}

void CZAVPImageStrip::Clear()
{
    if (m_bReadOnly) return;
    DeleteBitmaps();
    m_lstOrigResIds.RemoveAll();
    m_lstOrigResInstances.RemoveAll();
    m_mapOrigResOffsets.RemoveAll();
    m_strUDLPath.Empty();
    m_iCount = 0;
    m_sizeImage.cx = 0;
    m_sizeImage.cy = 0;
}

BOOL CZAVPImageStrip::MakeReadOnlyCopy(CZAVPImageStrip& other) const
{
    other.Clear();
    other.m_hbmImageWell = m_hbmImageWell;
    other.m_hbmImageLight = nullptr;
    other.m_sizeImage = m_sizeImage;
    other.m_iCount = m_iCount;
    other.m_bUserImagesList = m_bUserImagesList;
    other.m_nBitsPerPixel = m_nBitsPerPixel;
    other.m_bReadOnly = TRUE;
    return TRUE;
}

BOOL CZAVPImageStrip::CopyTo(CZAVPImageStrip& other) const
{
    if (other.m_bReadOnly) return FALSE;
    HBITMAP hbmpCopy = nullptr;
    if (m_hbmImageWell) {
        hbmpCopy = (HBITMAP)::CopyImage(m_hbmImageWell, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (hbmpCopy == nullptr) return FALSE;
    }
    other.Clear();
    other.m_hbmImageWell = hbmpCopy;
    other.m_sizeImage = m_sizeImage;
    other.m_sizeImageDest = m_sizeImageDest;
    other.m_bUserImagesList = m_bUserImagesList;
    other.m_strUDLPath = m_strUDLPath;
    other.m_bModified = m_bModified;
    other.m_iCount = m_iCount;
    other.m_clrTransparent = m_clrTransparent;
    other.m_bReadOnlyFile = m_bReadOnlyFile;
    other.m_nBitsPerPixel = m_nBitsPerPixel;
    for (POSITION pos = m_lstOrigResIds.GetHeadPosition(); pos != nullptr;)
        other.m_lstOrigResIds.AddTail(m_lstOrigResIds.GetNext(pos));
    for (POSITION pos = m_lstOrigResInstances.GetHeadPosition(); pos != nullptr;)
        other.m_lstOrigResInstances.AddTail(m_lstOrigResInstances.GetNext(pos));
    for (POSITION pos = m_mapOrigResOffsets.GetStartPosition(); pos != nullptr;) {
        UINT uiResID = 0;
        int iOffset = 0;
        m_mapOrigResOffsets.GetNextAssoc(pos, uiResID, iOffset);
        other.m_mapOrigResOffsets[uiResID] = iOffset;
    }
    other.UpdateLightImage();
    return TRUE;
}

COLORREF CZAVPImageStrip::SetTransparentColor(COLORREF clrTransparent)
{
    const COLORREF clrOld = m_clrTransparent;
    m_clrTransparent = clrTransparent;
    if (clrOld != clrTransparent) UpdateLightImage();
    return clrOld;
}

BOOL CZAVPImageStrip::MapTo3dColors(BOOL /*bUseRGBQUAD*/, COLORREF clrSrc, COLORREF clrDest)
{
    if (m_hbmImageWell == nullptr) return FALSE;
    if (clrSrc != (COLORREF)-1 && clrDest == (COLORREF)-1) return FALSE;
    HBITMAP hbmpNew = ZAVPStripPixels::Recolour(m_hbmImageWell, [&](COLORREF c) {
        if (clrSrc != (COLORREF)-1) return c == clrSrc ? clrDest : c;
        return MapToSysColor(c, FALSE);
    });
    if (hbmpNew == nullptr) return FALSE;
    ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmpNew;
    return TRUE;
}

void CZAVPImageStrip::UpdateLightImage()
{
    if (m_hbmImageLight) ::DeleteObject(m_hbmImageLight);
    m_hbmImageLight = nullptr;
    if (m_hbmImageWell == nullptr || ZAVPStripColors::ScreenBitsPerPixel() <= 8 ||
        !ZAVPStripColors::IsWindowsNT())
        return;
    const COLORREF clrKeep = m_clrTransparent != (COLORREF)-1 ? m_clrTransparent
                                                              : ZAVPStripColors::Face();
    m_hbmImageLight = ZAVPStripPixels::Brightened(m_hbmImageWell, kLightPercentage, clrKeep);
}

void CZAVPImageStrip::OnSysColorChange()
{
    if (m_bReadOnly) return;
    if (m_bUserImagesList) {
        const CString strPath = m_strUDLPath;
        LoadFromFile(strPath);
    } else if (!m_lstOrigResIds.IsEmpty()) {
        DeleteBitmaps();
        m_iCount = 0;
        POSITION posInst = m_lstOrigResInstances.GetHeadPosition();
        for (POSITION pos = m_lstOrigResIds.GetHeadPosition(); pos != nullptr;) {
            const UINT uiResID = m_lstOrigResIds.GetNext(pos);
            const HINSTANCE hinst = m_lstOrigResInstances.GetNext(posInst);
            HBITMAP hbmp = nullptr;
            if (!LoadResourceBitmap(uiResID, hinst, hbmp)) continue;
            AddImage(hbmp);
            ::DeleteObject(hbmp);
        }
    }
    AfterLoad();
    m_clrImageShadow = ZAVPStripColors::Shadow();
}

namespace
{
// Maps a colour given in COLORREF or colour-table order, answering in the same order; colours
// the mapping does not know come back unchanged.
template <class Map>
COLORREF MapInOrder(COLORREF color, BOOL bUseRGBQUAD, Map map)
{
    const COLORREF c = bUseRGBQUAD ? ZAVPColorMath::SwapRedBlue(color) : color;
    COLORREF mapped = c;
    if (!map(c, mapped)) return color;
    return bUseRGBQUAD ? ZAVPColorMath::SwapRedBlue(mapped) : mapped;
}
}  // namespace

COLORREF CZAVPImageStrip::MapToSysColor(COLORREF color, BOOL bUseRGBQUAD)
{
    return MapInOrder(color, bUseRGBQUAD, [](COLORREF c, COLORREF& m) {
        return ZAVPStripColors::StandardToSystem(c, m);
    });
}

COLORREF CZAVPImageStrip::MapFromSysColor(COLORREF color, BOOL bUseRGBQUAD)
{
    return MapInOrder(color, bUseRGBQUAD, [](COLORREF c, COLORREF& m) {
        return ZAVPStripColors::SystemToStandard(c, m);
    });
}

BOOL CZAVPImageStrip::Save(LPCSTR lpszPath)
{
    if (!m_bUserImagesList || m_hbmImageWell == nullptr || m_bReadOnlyFile) return FALSE;
    const CString strTarget = lpszPath != nullptr ? CString(lpszPath) : m_strUDLPath;
    if (!m_bModified && strTarget.CompareNoCase(m_strUDLPath) == 0) return TRUE;
    if (!WriteBmpFile(strTarget)) return FALSE;
    if (strTarget.CompareNoCase(m_strUDLPath) == 0) m_bModified = FALSE;
    return TRUE;
}

BOOL CZAVPImageStrip::WriteBmpFile(LPCSTR lpszPath) const
{
    std::vector<BYTE> file;
    // The stored file keeps the standard 3D colours, so it loads right under any colour scheme.
    if (!ZAVPStripPixels::EncodeBmp(
            m_hbmImageWell, [](COLORREF c) { return MapFromSysColor(c, FALSE); }, file))
        return FALSE;
    return ZAVPStripPixels::ReplaceFile(lpszPath, file);
}
