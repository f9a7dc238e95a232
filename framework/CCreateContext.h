// What a frame needs to build its view: passed through LoadFrame and window creation.
#pragma once

class CRuntimeClass;
class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass = nullptr;  // view to create in the frame, or null
    CDocument* m_pCurrentDoc = nullptr;        // document the new view shows
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
