// The icon editor: a modal dialog in which the user paints one toolbar button image pixel by
// pixel, with a tool palette, a colour bar and a preview at real size. The caller's bitmap is
// changed in place; the caller keeps it on IDOK.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/toolbars/CZAVPIconPaintArea.h"
#include "ui/toolbars/CZAVPToolBar.h"

class CCmdUI;

// The editor's palette: a toolbar whose buttons never take the visual manager's extra size.
class CZAVPIconToolsBar : public CZAVPToolBar
{
public:
    CZAVPIconToolsBar() { m_bHasButtonExtraSize = FALSE; }
    // The buttons in rows of the given count.
    void WrapToColumns(int nColumns)
    {
        SetColumns(nColumns);
        SizeToolBar(0, FALSE);
        AdjustLocations();
        Invalidate();
    }
};

class CZAVPIconEditorDlg : public CDialog
{
public:
    // nBitsPerPixel -1: the bitmap's own depth.
    CZAVPIconEditorDlg(CBitmap* pBitmap, CWnd* pParent = nullptr, int nBitsPerPixel = -1);

    // The colour bar selects the colour, the grid paints with it, the tool becomes the pencil.
    void PickColor(COLORREF color);
    int GetTool() const { return m_iMode; }
    CZAVPIconPaintArea& GetPaintArea() { return m_wndLargeDrawArea; }
    CZAVPColorBar& GetColorBar() { return m_wndPaletteBar; }
    const CRect& GetPreviewRect() const { return m_rectPreviewFrame; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnPaint();
    void OnToolCommand(UINT uiCmd);
    void OnUpdateToolCommand(CCmdUI* pCmdUI);
    void OnToolCopy();
    void OnToolPaste();
    void OnUpdateToolPaste(CCmdUI* pCmdUI);
    void OnToolClear();
    void OnColors();
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    void Changed();

    CStatic m_wndColorPickerLocation;
    CStatic m_wndPaletteBarLocation;
    CStatic m_wndPreviewArea;
    CZAVPIconPaintArea m_wndLargeDrawArea;
    CBitmap* m_pBitmap;  // the caller's
    int m_nBitsPerPixel;
    CSize m_sizeImage;
    CZAVPIconToolsBar m_wndPaletteToolBar;
    CZAVPColorBar m_wndPaletteBar;
    CPalette m_palette;  // the 16 colours of shallow images
    CRect m_rectPreviewFrame;
    CRect m_rectPreviewImage;
    int m_iMode = CZAVPIconPaintArea::kPencil;

    DECLARE_MESSAGE_MAP()
};
