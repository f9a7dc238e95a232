// A document that holds embedded items, and the item whose server may edit it in place in one of
// the document's views. This program embeds nothing and never initialises OLE: no item is ever
// activated by a server here; what the frames ask of an item (is it active in place, in which
// window, deactivate it) is answered from the item's recorded state.
#pragma once

#include "framework/CDocument.h"
#include "framework/CObList.h"

class CWnd;
class COleDocument;

class COleClientItem : public CCmdTarget
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    COleClientItem() {}

    // Active in place: the server's window sits in m_pView.
    virtual BOOL IsInPlaceActive() const { return m_bInPlaceActive; }
    // The server's in-place window, null while the item is not active in place.
    virtual CWnd* GetInPlaceWindow() const;
    // Ends the in-place session.
    virtual void Deactivate();
    // Records an in-place session in the view with the server's window (a server would).
    void SetInPlaceActive(CWnd* pView, HWND hWndInPlace);

    CWnd* m_pView = nullptr;  // the view the item is active in, null when inactive
    COleDocument* m_pDocument = nullptr;

protected:
    BOOL m_bInPlaceActive = FALSE;
    HWND m_hWndInPlace = nullptr;
};

class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument() {}
    ~COleDocument() override;

    void AddItem(COleClientItem* pItem);
    void RemoveItem(COleClientItem* pItem);
    // The item active in place in that view, or null.
    virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);

protected:
    CObList m_items;  // COleClientItem objects, not owned
};
