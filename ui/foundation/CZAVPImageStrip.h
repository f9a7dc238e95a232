// A row of equal-size images in one bitmap (toolbar buttons, menu images, user images, glyphs):
// drawn in the states a button can be in, with a lighter copy for inactive buttons, reloaded in
// the current system colours, and editable image by image when it comes from a bitmap file.
// Painting the button around an image is the visual manager's business, not the strip's.
#pragma once

#include <windows.h>

#include "framework/CList.h"
#include "framework/CMap.h"
#include "framework/CObject.h"
#include "framework/CString.h"

class CDC;

// One drawing pass of a strip: the objects it selected into the shared DCs, restored at its end.
struct CZAVPDrawState
{
    HGDIOBJ hbmOldImages = nullptr;  // previous bitmap of the shared image DC
    HBITMAP hbmMask = nullptr;       // one-bit mask of (image size + 2)
    HGDIOBJ hbmOldMask = nullptr;    // previous bitmap of the shared mask DC
};

class CZAVPImageStrip : public CObject
{
public:
    // The standard 3D colours a bitmap is drawn in, and the system colours they stand for.
    static const COLORREF kStdBlack = 0x000000;
    static const COLORREF kStdGray = 0x808080;
    static const COLORREF kStdSilver = 0xC0C0C0;
    static const COLORREF kStdWhite = 0xFFFFFF;
    static const int kLightPercentage = 130;  // brightening of the light copy

    CZAVPImageStrip();
    ~CZAVPImageStrip() override;
    // A strip keeps no archive form.
    void Serialize(CArchive&) override {}

    // ---- contents
    // Appends (bAdd) or replaces the images with a bitmap resource; an id already appended is not
    // loaded twice. Null instance: the program's resource module.
    BOOL Load(UINT uiResID, HINSTANCE hinstRes = nullptr, BOOL bAdd = FALSE);
    // Loads a bitmap file (a bare name lies beside the program) and marks the strip file-backed.
    BOOL LoadFromFile(LPCSTR lpszPath);
    // Writes a file-backed strip as a BMP file (null: its own file). The file is written aside
    // and then replaces the old one, so a failed write leaves the old file as it was.
    BOOL Save(LPCSTR lpszPath = nullptr);
    // Appends every image of the bitmap; the index of the new last image, or -1.
    int AddImage(HBITMAP hbmp);
    // Copies one image-size cell of the bitmap over image iImage of a writable file-backed strip.
    BOOL UpdateImage(int iImage, HBITMAP hbmp);
    void Clear();
    // Makes `other` a read-only view of this strip's bitmap; it never frees or changes it.
    BOOL MakeReadOnlyCopy(CZAVPImageStrip& other) const;
    // Makes `other` a full copy with a bitmap of its own.
    BOOL CopyTo(CZAVPImageStrip& other) const;

    void SetImageSize(SIZE sizeImage) { m_sizeImage = sizeImage; }
    SIZE GetImageSize() const { return m_sizeImage; }
    int GetCount() const { return m_iCount; }
    HBITMAP GetImageWell() const { return m_hbmImageWell; }
    HBITMAP GetLightImageWell() const { return m_hbmImageLight; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsFileBacked() const { return m_bUserImagesList; }
    BOOL IsModified() const { return m_bModified; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }
    LPCSTR GetFileName() const { return m_strUDLPath; }
    // The index of the first image a resource contributed, -1 when it was not appended.
    int GetResourceOffset(UINT uiResID) const;

    COLORREF SetTransparentColor(COLORREF clrTransparent);
    COLORREF GetTransparentColor() const { return m_clrTransparent; }

    // ---- drawing, only between PrepareDrawImage and EndDrawImage (one pass at a time)
    BOOL PrepareDrawImage(CZAVPDrawState& ds, SIZE sizeImageDest = {0, 0},
                          BOOL bFadeInactive = FALSE);
    BOOL EndDrawImage(CZAVPDrawState& ds);
    BOOL Draw(CDC* pDC, int x, int y, int iImage, BOOL bPressed = FALSE, BOOL bDisabled = FALSE,
              BOOL bIndeterminate = FALSE, BOOL bShadow = FALSE, BOOL bInactive = FALSE);
    BOOL CopyImageToClipboard(int iImage);

    // ---- colours
    // Recolours every pixel: `from` to `to`, or (both -1) the standard 3D colours to the system
    // colours. Pixels are compared as COLORREF values whatever bUseRGBQUAD says.
    BOOL MapTo3dColors(BOOL bUseRGBQUAD = TRUE, COLORREF clrSrc = (COLORREF)-1,
                       COLORREF clrDest = (COLORREF)-1);
    void UpdateLightImage();
    void OnSysColorChange();
    // Standard 3D colour -> current system colour (and back). With bUseRGBQUAD the colour is in
    // the blue-first order of a colour table, both in and out. Other colours come back unchanged.
    static COLORREF MapToSysColor(COLORREF color, BOOL bUseRGBQUAD = TRUE);
    static COLORREF MapFromSysColor(COLORREF color, BOOL bUseRGBQUAD = TRUE);

    // ---- helpers of the drawing code
    static void FillDitheredRect(CDC* pDC, const RECT& rect);
    // Copies (or stretches) the source onto the DC, leaving the pixels of the transparent colour.
    static void DrawTransparent(CDC* pDC, int x, int y, int nWidth, int nHeight, CDC* pDcSrc,
                                int xSrc, int ySrc, COLORREF clrTransparent, int nWidthDest = -1,
                                int nHeightDest = -1);
    // Deletes the two DCs the strips share (at library clean-up).
    static void CleanUp();

private:
    BOOL LoadResourceBitmap(UINT uiResID, HINSTANCE hinstRes, HBITMAP& hbmp) const;
    void DeleteBitmaps();
    void Recount();
    // Recolours a bitmap above 8 bits to the system colours, recounts, rebuilds the light copy.
    void AfterLoad();
    void SelectImages(HBITMAP hbmp);
    // Mask of image i in the shared mask DC: background pixels 1, image pixels 0.
    void CreateMask(int iImage, BOOL bHilite, BOOL bHiliteShadow);
    BOOL WriteBmpFile(LPCSTR lpszPath) const;

    SIZE m_sizeImage;                   // cell size of every image
    SIZE m_sizeImageDest;               // size requested by the current drawing pass; 0 outside one
    HBITMAP m_hbmImageWell;             // all images side by side, image i at x = i * width
    HBITMAP m_hbmImageLight;            // brightened copy for inactive images, or null
    BOOL m_bUserImagesList;             // loaded from a bitmap file; may be edited and saved
    CString m_strUDLPath;               // that file
    BOOL m_bModified;                   // changed since loaded or saved
    int m_iCount;                       // images in the bitmap
    CList<UINT, UINT> m_lstOrigResIds;  // resources appended, in order
    CList<HINSTANCE, HINSTANCE> m_lstOrigResInstances;  // their modules, parallel
    CMap<UINT, UINT, int, int> m_mapOrigResOffsets;     // first image index of each resource
    BOOL m_bStretch;            // the current pass draws at another size than the image size
    HDC m_hdcStretch;           // work DC of a stretching or transparent pass
    HBITMAP m_hbmStretch;       // its bitmap of (image size + 2)
    HGDIOBJ m_hbmOldStretch;    // bitmap it held before
    COLORREF m_clrTransparent;  // -1: none
    BOOL m_bReadOnlyFile;       // the file has the read-only attribute
    BOOL m_bReadOnly;           // a view of another strip's bitmap
    COLORREF m_clrImageShadow;  // global shadow colour at the last system colour change
    BOOL m_bFadeInactive;       // the current pass draws from the light copy
    int m_nBitsPerPixel;        // colour depth of the loaded bitmap
};
