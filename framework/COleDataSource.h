// Data offered for a transfer: global-memory blocks by clipboard format. The program runs COM
// multithreaded, where OLE drag and drop is not available, so DoDragDrop offers nothing and
// SetClipboard puts the data on the plain Win32 clipboard.
#pragma once

#include <windows.h>
#include "framework/AfxOle.h"
#include <vector>
#include "framework/CCmdTarget.h"

class COleDropSource;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource() {}
    ~COleDataSource() override;

    // The data source owns hGlobal until the data is handed on (SetClipboard) or it is emptied.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    HGLOBAL GetCachedData(CLIPFORMAT cfFormat) const;
    void Empty();
    // Puts every cached block on the Win32 clipboard, which then owns them. FALSE when the
    // clipboard cannot be opened; the data stays with the source then.
    BOOL SetClipboard();
    // OLE drag and drop is off in this program: no drag takes place and nothing is dropped.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

private:
    struct Item
    {
        CLIPFORMAT format;
        HGLOBAL hGlobal;
    };
    std::vector<Item> m_items;
};
