// The frames of an OLE server's in-place session: the server's in-place frame (COleIPFrameWnd, or
// COleDocIPFrameWnd for a document-frame server) and the objects that stand for the container's
// frame windows (COleCntrFrameWnd), which hold the container's handles without owning or
// subclassing them. The server's toolbars go on the container's frame through those objects.
// This program never initialises OLE and no container ever activates it in place: the frames
// exist and answer, but no container interface is ever live here.
#pragma once

#include <ole2.h>

#include "framework/CFrameWnd.h"
#include "framework/COleDocument.h"

class COleCntrFrameWnd;

// The server's document while it is edited in place.
class COleServerDoc : public COleDocument
{
    DECLARE_DYNAMIC(COleServerDoc)
public:
    // The container resized the space around the document (bFrame: the frame's, else the
    // document window's): the in-place frame negotiates its border again.
    virtual void OnResizeBorder(LPCRECT lpRectBorder, LPOLEINPLACEUIWINDOW lpUIWindow, BOOL bFrame);
};

class COleIPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd();
    ~COleIPFrameWnd() override;

    // The container's frames are known: the server's bars may be made on them. TRUE when done.
    virtual BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc);
    // The document edited in place (the active view's), or null.
    COleServerDoc* GetActiveServerDoc();

    COleCntrFrameWnd* m_pMainFrame;  // the container's frame window object, owned
    COleCntrFrameWnd* m_pDocFrame;   // the container's document window object, owned, or null
    LPOLEINPLACEFRAME m_lpFrame;     // the container's frame interface (none here)

    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};

// The in-place frame of a server whose documents have frames of their own.
class COleDocIPFrameWnd : public COleIPFrameWnd
{
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
public:
    COleDocIPFrameWnd() {}
};

// Stands for a container's frame window: the container's handle is attached (not subclassed, so
// its messages stay the container's) and detached again, never destroyed.
class COleCntrFrameWnd : public CFrameWnd
{
    DECLARE_DYNAMIC(COleCntrFrameWnd)
public:
    explicit COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame);
    ~COleCntrFrameWnd() override;

    void RecalcLayout(BOOL bNotify = TRUE) override;
    void PostNcDestroy() override {}  // the container's window, not ours
    // The idle update of the server's bars on the container's frame (called by the in-place
    // frame: the container's window sends us nothing).
    virtual LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    COleIPFrameWnd* m_pInPlaceFrame;
};
