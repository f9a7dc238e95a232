// Data offered for a transfer: global-memory blocks by clipboard format. Where OLE is
// initialised (AfxOleInit) DoDragDrop runs a real drag with the blocks as its data object;
// elsewhere (COM multithreaded) no drag takes place. SetClipboard puts the data on the plain
// Win32 clipboard.
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
    // Drags the cached data until it is dropped or cancelled; the effect the target chose, or
    // DROPEFFECT_NONE (cancelled, refused, or OLE not initialised on this thread). A null drop
    // source uses the default answers.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);
    // A new data object over copies of the cached blocks (reference count 1; the caller
    // releases it).
    LPDATAOBJECT GetDataObject() const;

private:
    struct Item
    {
        CLIPFORMAT format;
        HGLOBAL hGlobal;
    };
    std::vector<Item> m_items;
};
