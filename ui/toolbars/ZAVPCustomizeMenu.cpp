// The customise drop-down's arithmetic (see ZAVPCustomizeMenu.h).
#include "ui/toolbars/ZAVPCustomizeMenu.h"

namespace ZAVPCustomizeMenu
{
namespace
{
const int kEntryExtraWidth = 50;    // the entry's fixed room beside its text and image
const int kGlyphCustomizeHorz = 0;  // down arrow
const int kGlyphCustomizeVert = 9;  // left arrow
const int kGlyphHiddenHorz = 11;    // chevrons pointing right
const int kGlyphHiddenVert = 8;     // chevrons pointing down
const char kEllipsis[] = "...";
}  // namespace

std::vector<Item> HiddenItems(const std::vector<Hidden>& hidden)
{
    std::vector<Item> items;
    bool bHasReal = false;
    for (size_t i = 0; i < hidden.size(); ++i) {
        const Hidden& h = hidden[i];
        if (h.bSeparator) {
            // No separator leads the menu or ends the list.
            if (!bHasReal || i + 1 == hidden.size()) continue;
            items.push_back({kItemSeparator, (int)i});
            continue;
        }
        if (h.bMenuButton)
            items.push_back({kItemMenuCopy, (int)i});
        else if (h.uiCmd == 0)
            items.push_back({kItemSeparator, (int)i});
        else
            items.push_back({kItemCommand, (int)i});
        bHasReal = true;
    }
    return items;
}

CRect CustomizeCell(const CRect& rectButton, BOOL bHorz, int nMargin, CSize sizeGlyph)
{
    CRect rect = rectButton;
    if (bHorz)
        rect.top = rect.bottom - (2 * nMargin + sizeGlyph.cy);
    else
        rect.right = rect.left + 2 * nMargin + sizeGlyph.cx;
    return rect;
}

CRect HiddenButtonsCell(const CRect& rectButton, BOOL bHorz, int nMargin, CSize sizeGlyph)
{
    CRect rect = rectButton;
    if (bHorz)
        rect.bottom = rect.top + 2 * nMargin + sizeGlyph.cy;
    else
        rect.left = rect.right - (2 * nMargin + sizeGlyph.cx);
    return rect;
}

CPoint GlyphOrigin(const CRect& rectCell, CSize sizeGlyph, BOOL bOffset)
{
    CPoint pt(rectCell.left + (rectCell.Width() - sizeGlyph.cx) / 2,
              rectCell.top + (rectCell.Height() - sizeGlyph.cy) / 2);
    if (bOffset) pt.Offset(1, 1);
    return pt;
}

CSize CustomizeButtonSize(BOOL bHorz, int nMargin, CSize sizeGlyph, CSize sizeDefault)
{
    return bHorz ? CSize(sizeGlyph.cx + 2 * nMargin, sizeDefault.cy)
                 : CSize(sizeDefault.cx, sizeGlyph.cy + 2 * nMargin);
}

int CustomizeGlyph(BOOL bHorz) { return bHorz ? kGlyphCustomizeHorz : kGlyphCustomizeVert; }
int HiddenButtonsGlyph(BOOL bHorz) { return bHorz ? kGlyphHiddenHorz : kGlyphHiddenVert; }

int EntryWidth(int nMenuImageMargin, int nAvgCharWidth, int nTextLength, int nMenuButtonWidth)
{
    return 3 * nMenuImageMargin + nAvgCharWidth * nTextLength + 2 * nMenuButtonWidth +
           kEntryExtraWidth;
}

int EntryHeight(int nMenuButtonHeight, int nMenuImageMargin, BOOL bInPopup)
{
    return nMenuButtonHeight + (bInPopup ? 0 : nMenuImageMargin);
}

CString EntryText(const CString& strText, const CString& strPrompt)
{
    CString str = strText;
    if (str.IsEmpty()) {
        const int iNewLine = strPrompt.Find('\n');
        if (iNewLine >= 0) {
            str = strPrompt.Mid(iNewLine + 1);
            const int iNext = str.Find('\n');
            if (iNext >= 0) str = str.Left(iNext);
        }
    }
    const int iTab = str.Find('\t');
    if (iTab >= 0) str = str.Left(iTab);
    return str;
}

CString FitLabel(const CString& strLabel, int nWidth,
                 const std::function<int(const CString&)>& measure)
{
    if (measure(strLabel) <= nWidth) return strLabel;
    CString str = strLabel;
    while (!str.IsEmpty() && measure(str + kEllipsis) > nWidth) str = str.Left(str.GetLength() - 1);
    return str + kEllipsis;
}

int ShiftedEntryIndex(int iIndex, BOOL bExisting, int iInserted, int iResetIndex)
{
    if (!bExisting || iIndex == iResetIndex || iIndex < iInserted) return iIndex;
    return iIndex + 1;
}
}  // namespace ZAVPCustomizeMenu
