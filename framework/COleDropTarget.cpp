// The target side of a drag: the window's OLE drop target hands every call to the object.
#include "framework/COleDropTarget.h"

#include "framework/COleDataObject.h"
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace
{
// What OLE holds for a registered window. It may outlive the registration (OLE releases it
// later): a revoked site forgets its object and answers no drop.
class DropTargetSite final : public IDropTarget
{
public:
    DropTargetSite(COleDropTarget* pTarget, HWND hWnd) : m_pTarget(pTarget), m_hWnd(hWnd) {}
    void Forget() { m_pTarget = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *ppv = static_cast<IDropTarget*>(this);
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
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pData, DWORD grfKeyState, POINTL pt,
                                        DWORD* pdwEffect) override
    {
        if (pdwEffect == nullptr) return E_INVALIDARG;
        const DWORD dwAllowed = *pdwEffect;
        *pdwEffect = DROPEFFECT_NONE;
        if (pData == nullptr) return S_OK;
        if (m_pData != nullptr) m_pData->Release();
        m_pData = pData;
        m_pData->AddRef();
        CWnd* pWnd = Window();
        if (pWnd == nullptr) return S_OK;
        COleDataObject data;
        data.Attach(m_pData, FALSE);
        *pdwEffect = m_pTarget->OnDragEnter(pWnd, &data, grfKeyState, ClientPoint(pt)) & dwAllowed;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        if (pdwEffect == nullptr) return E_INVALIDARG;
        const DWORD dwAllowed = *pdwEffect;
        *pdwEffect = DROPEFFECT_NONE;
        CWnd* pWnd = Window();
        if (pWnd == nullptr || m_pData == nullptr) return S_OK;
        COleDataObject data;
        data.Attach(m_pData, FALSE);
        *pdwEffect = m_pTarget->OnDragOver(pWnd, &data, grfKeyState, ClientPoint(pt)) & dwAllowed;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        if (CWnd* pWnd = Window()) m_pTarget->OnDragLeave(pWnd);
        if (m_pData != nullptr) m_pData->Release();
        m_pData = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pData, DWORD grfKeyState, POINTL pt,
                                   DWORD* pdwEffect) override
    {
        if (pdwEffect == nullptr) return E_INVALIDARG;
        const DWORD dwAllowed = *pdwEffect;
        *pdwEffect = DROPEFFECT_NONE;
        CWnd* pWnd = Window();
        if (pData == nullptr) pData = m_pData;
        if (pWnd != nullptr && pData != nullptr) {
            const CPoint point = ClientPoint(pt);
            COleDataObject data;
            data.Attach(pData, FALSE);
            // The effect the last drag-over answered, asked again with the final keys.
            const DROPEFFECT effect = m_pTarget->OnDragOver(pWnd, &data, grfKeyState, point) &
                                      dwAllowed;
            if (effect != DROPEFFECT_NONE) {
                DROPEFFECT result = m_pTarget->OnDropEx(pWnd, &data, effect, dwAllowed, point);
                if (result == (DROPEFFECT)-1)
                    result = m_pTarget->OnDrop(pWnd, &data, effect, point) ? effect
                                                                           : DROPEFFECT_NONE;
                *pdwEffect = result & dwAllowed;
            } else {
                m_pTarget->OnDragLeave(pWnd);
            }
        }
        if (m_pData != nullptr) m_pData->Release();
        m_pData = nullptr;
        return S_OK;
    }

private:
    ~DropTargetSite()
    {
        if (m_pData != nullptr) m_pData->Release();
    }
    CWnd* Window() const
    {
        if (m_pTarget == nullptr || !::IsWindow(m_hWnd)) return nullptr;
        return CWnd::FromHandle(m_hWnd);
    }
    CPoint ClientPoint(POINTL ptl) const
    {
        POINT pt = {ptl.x, ptl.y};
        ::ScreenToClient(m_hWnd, &pt);
        return CPoint(pt.x, pt.y);
    }

    ULONG m_nRef = 1;
    COleDropTarget* m_pTarget;
    HWND m_hWnd;
    IDataObject* m_pData = nullptr;  // the data of the drag that is over the window
};
}  // namespace

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    // RegisterDragDrop needs OLE initialised on this thread; a thread with COM multithreaded
    // has no drag and drop.
    if (!AfxOleGetInitialized() || pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return FALSE;
    Revoke();
    DropTargetSite* pSite = new DropTargetSite(this, pWnd->GetSafeHwnd());
    if (FAILED(::RegisterDragDrop(pWnd->GetSafeHwnd(), pSite))) {
        pSite->Forget();
        pSite->Release();
        return FALSE;
    }
    m_pSite = pSite;
    m_hWnd = pWnd->GetSafeHwnd();
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_pSite == nullptr) {
        m_hWnd = nullptr;
        return;
    }
    DropTargetSite* pSite = static_cast<DropTargetSite*>(m_pSite);
    pSite->Forget();
    if (::IsWindow(m_hWnd)) ::RevokeDragDrop(m_hWnd);
    pSite->Release();
    m_pSite = nullptr;
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}
void COleDropTarget::OnDragLeave(CWnd*) {}
DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }
