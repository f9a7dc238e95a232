// Document templates: creating documents and their frames, and closing them.
#include "framework/CDocTemplate.h"
#include "framework/CCreateContext.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate()
{
    if (m_hMenuShared != nullptr) ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr) ::DestroyAcceleratorTable(m_hAccelTable);
}

void CDocTemplate::LoadTemplate()
{
    LPCSTR name = MAKEINTRESOURCEA(m_nIDResource);
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenuA(AfxFindResourceHandle(name, RT_MENU), name);
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (pDoc->m_pDocTemplate == this) pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr) return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    CDocument* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr) return nullptr;
    CObject* pObject = m_pFrameClass->CreateObject();
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr) {
        delete pObject;
        return nullptr;
    }
    // On failure the frame has deleted itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos != nullptr;)
        if (!GetNextDoc(pos)->SaveModified()) return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}
