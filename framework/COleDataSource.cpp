// Data offered for a transfer, over the plain Win32 clipboard.
#include "framework/COleDataSource.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

BOOL AfxOleGetInitialized() { return FALSE; }  // nothing in the framework calls OleInitialize

COleDataSource::~COleDataSource() { Empty(); }

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC)
{
    for (Item& item : m_items)
        if (item.format == cfFormat) {
            ::GlobalFree(item.hGlobal);
            item.hGlobal = hGlobal;
            return;
        }
    m_items.push_back({cfFormat, hGlobal});
}

HGLOBAL COleDataSource::GetCachedData(CLIPFORMAT cfFormat) const
{
    for (const Item& item : m_items)
        if (item.format == cfFormat) return item.hGlobal;
    return nullptr;
}

void COleDataSource::Empty()
{
    for (Item& item : m_items) ::GlobalFree(item.hGlobal);
    m_items.clear();
}

BOOL COleDataSource::SetClipboard()
{
    if (!::OpenClipboard(nullptr)) return FALSE;
    ::EmptyClipboard();
    for (Item& item : m_items)
        if (::SetClipboardData(item.format, item.hGlobal) == nullptr) ::GlobalFree(item.hGlobal);
    m_items.clear();  // the clipboard owns what it took
    ::CloseClipboard();
    return TRUE;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD, LPCRECT, COleDropSource*) { return DROPEFFECT_NONE; }
