// Base of every object that receives commands: owns the static message map and looks commands
// up in it (and in the maps of its base classes). Routing between targets is left to CWnd,
// CFrameWnd, CView and CDocument, which override OnCmdMsg.
#pragma once

#include "framework/CObject.h"
#include "framework/AfxMsgMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Offers a command, an update request (CN_UPDATE_COMMAND_UI, pExtra = CCmdUI*), a notification
    // (MAKELONG(code, WM_NOTIFY), pExtra = AFX_NOTIFY*) or a reflected notification to this
    // target's map. With pHandlerInfo it only says whether and where a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // First entry of the map chain that takes nMessage (with code and id for commands), or null.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                    UINT nCode, UINT nID,
                                                    const AFX_MSGMAP** ppFoundIn = nullptr);

    DECLARE_MESSAGE_MAP()
};
