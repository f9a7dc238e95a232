// Command look-up through the message-map chain of one target.
#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

CCmdTarget::CCmdTarget() {}

CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                     UINT nCode, UINT nID,
                                                     const AFX_MSGMAP** ppFoundIn)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e) {
            UINT msg = e->pnRegistered ? *e->pnRegistered : e->nMessage;
            if (msg == 0 || msg != nMessage || e->nCode != nCode) continue;
            if (nID < e->nID || nID > e->nLastID) continue;
            if (ppFoundIn) *ppFoundIn = pMap;
            return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A notification travels as MAKELONG(code, message); the update request's -1 is not one.
    UINT nMsg = WM_COMMAND;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI && HIWORD(nCode) != 0) {
        nMsg = HIWORD(nCode);
        nCode = (nMsg == WM_NOTIFY || nMsg == WM_REFLECT_BASE + WM_NOTIFY)
                    ? (int)(short)LOWORD(nCode)
                    : (int)LOWORD(nCode);
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), nMsg, (UINT)nCode, nID);
    if (e == nullptr) return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = e;
        return TRUE;
    }
    AfxMessage m = {nMsg, 0, 0, nID, nCode, pExtra, 0};
    if ((UINT)nCode == CN_UPDATE_COMMAND_UI && nMsg == WM_COMMAND) {
        // The handler may ask to let the request travel on to the next target.
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        e->pfn(this, m);
        BOOL bHandled = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return bHandled;
    }
    return e->pfn(this, m);
}

void CCmdTarget::BeginWaitCursor() { AfxDoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { AfxDoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { AfxDoWaitCursor(0); }
