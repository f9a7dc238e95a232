// A document: the data the views show. Keeps its views, tells them about changes
// (UpdateAllViews), routes commands on to its template, and closes its frames when it closes.
#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CPtrList.h"
#include "framework/CString.h"

class CView;
class CFrameWnd;
class CDocTemplate;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    virtual ~CDocument();

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return (CView*)m_viewList.GetNext(rPosition); }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every view but the sender, with the hint.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    void UpdateFrameCounts();

    virtual void OnChangedViewList();
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys every frame that shows the document (with its views), then the contents, then
    // the document itself when m_bAutoDelete is set.
    virtual void OnCloseDocument();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual HMENU GetDefaultMenu() { return nullptr; }
    virtual HACCEL GetDefaultAccelerator() { return nullptr; }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;  // deleted when its last view goes
    BOOL m_bEmbedded = FALSE;
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()
};
