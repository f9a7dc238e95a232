// The drop target of one toolbar: drops of toolbar buttons (their clipboard format) in
// customisation mode go to the toolbar; anything else is refused. It is registered only where
// OLE drag and drop is initialised; elsewhere the toolbars drag buttons themselves.
#pragma once

#include "framework/COleDropTarget.h"

class CZAVPToolBar;

class CZAVPToolbarDropTarget : public COleDropTarget
{
public:
    CZAVPToolbarDropTarget() = default;

    BOOL Register(CZAVPToolBar* pOwner);
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                           CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                          CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                CPoint point) override;

private:
    // Customisation mode and data that holds a toolbar button.
    static BOOL Accepts(COleDataObject* pDataObject);

    CZAVPToolBar* m_pOwner = nullptr;
};
