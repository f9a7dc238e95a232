// The target side of a drag. Register makes a window a drop target where OLE is initialised on
// the thread (AfxOleInit); elsewhere (COM multithreaded) it answers FALSE and no drop arrives.
#pragma once

#include <windows.h>
#include "framework/AfxOle.h"
#include "framework/CCmdTarget.h"
#include "framework/CRect.h"

class CWnd;
class COleDataObject;

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget() {}
    ~COleDropTarget() override { Revoke(); }
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    BOOL Register(CWnd* pWnd);
    void Revoke();
    HWND m_hWnd = nullptr;  // the window registered for, or null

    // Points are in the client coordinates of pWnd.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    // -1: not handled here, OnDrop decides.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The object OLE calls for the registered window (null when none is registered); a test
    // drives a drag through it as the drag loop would.
    IDropTarget* GetInterface() const { return m_pSite; }

private:
    IDropTarget* m_pSite = nullptr;
};
