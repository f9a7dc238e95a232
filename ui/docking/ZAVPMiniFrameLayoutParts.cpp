// The mini frames of the stored docking layout (see ZAVPMiniFrameLayoutParts.h).
#include "ui/docking/ZAVPMiniFrameLayoutParts.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/ScopedValue.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"

CObject* ZAVPMiniFrameLayoutParts::LoadMiniFrame(CArchive& ar)
{
    ScopedValue<CFrameWnd*> parent(CZAVPMiniFrameWnd::m_pParentFrameForLoad, m_pFrame);
    CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CZAVPMiniFrameWnd));
    // A reference back to an object read before is no new frame.
    if (pObject == nullptr) AfxThrowArchiveException(CArchiveException::badIndex);
    return pObject;
}

void ZAVPMiniFrameLayoutParts::Discard(CObject* pStaged)
{
    if (pStaged == nullptr) return;
    if (pStaged->IsKindOf(RUNTIME_CLASS(CWnd))) {
        CWnd* pWnd = static_cast<CWnd*>(pStaged);
        if (pWnd->GetSafeHwnd() != nullptr) {
            pWnd->DestroyWindow();
            return;
        }
    }
    delete pStaged;
}
