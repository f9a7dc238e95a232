// Data offered for a transfer, as an OLE data object or over the plain Win32 clipboard.
#include "framework/COleDataSource.h"

#include <shlobj.h>

#include <cstring>
#include "framework/COleDropSource.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace
{
HGLOBAL DuplicateGlobalBlock(HGLOBAL hData)
{
    const SIZE_T size = ::GlobalSize(hData);
    const void* src = ::GlobalLock(hData);
    if (src == nullptr) return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
    if (void* dst = hCopy ? ::GlobalLock(hCopy) : nullptr) {
        memcpy(dst, src, size);
        ::GlobalUnlock(hCopy);
    }
    ::GlobalUnlock(hData);
    return hCopy;
}

// The data object a drag hands to its targets: global blocks by format, read-only. It owns its
// own copies, so it may outlive the data source (a target can keep it).
class TransferDataObject final : public IDataObject
{
public:
    struct Block
    {
        CLIPFORMAT format;
        HGLOBAL hGlobal;
    };
    explicit TransferDataObject(std::vector<Block> blocks) : m_blocks(std::move(blocks)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRef; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG n = --m_nRef;
        if (n == 0) delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (pFormat == nullptr || pMedium == nullptr) return E_INVALIDARG;
        const Block* pBlock = Find(pFormat);
        if (pBlock == nullptr) return DV_E_FORMATETC;
        HGLOBAL hCopy = DuplicateGlobalBlock(pBlock->hGlobal);
        if (hCopy == nullptr) return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override
    {
        if (pFormat == nullptr) return E_INVALIDARG;
        return Find(pFormat) != nullptr ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        if (pOut != nullptr) pOut->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (ppEnum == nullptr) return E_POINTER;
        *ppEnum = nullptr;
        if (dwDirection != DATADIR_GET) return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const Block& block : m_blocks)
            formats.push_back({block.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), ppEnum);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    ~TransferDataObject()
    {
        for (Block& block : m_blocks) ::GlobalFree(block.hGlobal);
    }
    const Block* Find(const FORMATETC* pFormat) const
    {
        if (!(pFormat->tymed & TYMED_HGLOBAL) || pFormat->dwAspect != DVASPECT_CONTENT)
            return nullptr;
        for (const Block& block : m_blocks)
            if (block.format == pFormat->cfFormat) return &block;
        return nullptr;
    }

    ULONG m_nRef = 1;
    std::vector<Block> m_blocks;
};

// The drag loop's questions, answered by a drop source object.
class TransferDropSource final : public IDropSource
{
public:
    explicit TransferDropSource(COleDropSource* pSource) : m_pSource(pSource) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *ppv = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of DoDragDrop, which outlasts every use the drag loop makes of it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        return m_pSource->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD dwEffect) override
    {
        return m_pSource->GiveFeedback(dwEffect);
    }

private:
    COleDropSource* m_pSource;
};
}  // namespace

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

LPDATAOBJECT COleDataSource::GetDataObject() const
{
    std::vector<TransferDataObject::Block> blocks;
    for (const Item& item : m_items) {
        HGLOBAL hCopy = DuplicateGlobalBlock(item.hGlobal);
        if (hCopy == nullptr) {
            for (auto& block : blocks) ::GlobalFree(block.hGlobal);
            return nullptr;
        }
        blocks.push_back({item.format, hCopy});
    }
    return new TransferDataObject(std::move(blocks));
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource)
{
    if (!AfxOleGetInitialized()) return DROPEFFECT_NONE;
    COleDropSource defaultSource;
    if (pDropSource == nullptr) pDropSource = &defaultSource;
    if (!pDropSource->OnBeginDrag(CWnd::FromHandlePermanent(::GetCapture())))
        return DROPEFFECT_NONE;
    LPDATAOBJECT lpDataObject = GetDataObject();
    if (lpDataObject == nullptr) return DROPEFFECT_NONE;
    TransferDropSource dropSource(pDropSource);
    DWORD dwEffect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(lpDataObject, &dropSource, dwEffects, &dwEffect);
    lpDataObject->Release();
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}
