// The document: its views, change notification, command routing and closing.
#include "framework/CDocument.h"
#include "framework/CDocTemplate.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

CDocument::CDocument() {}

CDocument::~CDocument()
{
    // Views outliving their document must not reach back into it.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (pView->m_pDocument == this) pView->m_pDocument = nullptr;
    }
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL)
{
    m_strPathName = lpszPathName;
    const char* name = strrchr(lpszPathName, '\\');
    SetTitle(name != nullptr ? name + 1 : lpszPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr) return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // The last view gone takes an automatic document with it.
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    // A view's update may add or remove views: walk a copy.
    std::vector<CView*> views;
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
        views.push_back((CView*)m_viewList.GetNext(pos));
    for (CView* pView : views)
        if (pView != pSender && m_viewList.Find(pView) != nullptr)
            pView->OnUpdate(pSender, lHint, pHint);
}

void CDocument::UpdateFrameCounts()
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;) {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->m_nIdleFlags |= CFrameWnd::idleTitle;
    }
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR)
{
    return FALSE;
}  // nothing here reads files through documents
BOOL CDocument::OnSaveDocument(LPCSTR) { return FALSE; }

void CDocument::OnCloseDocument()
{
    // Destroying the last frame would delete the document half-way: hold that back.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();  // destroys the view too
        } else {
            pView->DestroyWindow();
        }
        // A view that outlived its window leaves the list all the same, or this would not end.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame on the document keeps it open without asking.
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg) return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified() { return TRUE; }  // documents here save themselves when closed

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
