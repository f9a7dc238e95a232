// The target side of a drag. Registering needs OLE drag and drop, which is off in this program
// (COM runs multithreaded): Register answers FALSE and no drop ever arrives.
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

    BOOL Register(CWnd* pWnd);
    void Revoke() { m_hWnd = nullptr; }
    HWND m_hWnd = nullptr;  // the window registered for, or null

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
};
