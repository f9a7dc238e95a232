// What a print preview knows about its pages: the range, the current page, the number of pages it
// shows side by side and the texts that describe the pages shown. This program has no printer:
// the preview counts and numbers pages; it renders no page content.
#pragma once

#include "framework/CRect.h"
#include "framework/CString.h"

class CPrintInfo
{
public:
    CPrintInfo();

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    BOOL m_bPreview = FALSE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;  // pages the preview shows at once (1 or 2)
    // Two formats separated by a line break: one page shown ("%u"), several ("%u-%u").
    CString m_strPageDesc;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 1;
};
