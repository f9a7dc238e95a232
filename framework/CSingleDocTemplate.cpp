// The single-document template: one document, re-used or created, in the main frame.
#include "framework/CSingleDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr) m_pOnlyDoc->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? (POSITION)1 : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == (POSITION)1 ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    // The second line of the template's string names new documents.
    CString full, name;
    if (full.LoadString(m_nIDResource)) {
        int first = full.Find('\n');
        if (first >= 0) {
            int second = full.Find('\n', first + 1);
            name = second < 0 ? full.Mid(first + 1) : full.Mid(first + 1, second - first - 1);
        }
    }
    if (name.IsEmpty() && !name.LoadString(0xEF04))
        name = "Untitled";  // the platform's AFX_IDS_UNTITLED
    pDocument->SetTitle(name);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (m_pOnlyDoc != nullptr) {
        // Re-use the one document and its frame.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified()) return nullptr;
        CWnd* pMain = AfxGetMainWnd();
        pFrame = pMain != nullptr && pMain->IsFrameWnd() ? static_cast<CFrameWnd*>(pMain) : nullptr;
    } else {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr) return nullptr;
    if (pFrame == nullptr) {
        // A failing frame must not take the document with it: the document is deleted here.
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr) {
            if (bCreated) delete pDocument;
            return nullptr;
        }
    }
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            if (bCreated) pFrame->DestroyWindow();  // the document goes with its last view
            return nullptr;
        }
    } else {
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            if (bCreated) pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
