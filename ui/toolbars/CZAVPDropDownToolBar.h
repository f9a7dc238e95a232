// The toolbar inside a drop-down frame. It shows the very button objects of its source toolbar
// (never owning them: its list is emptied before anything of it is deleted), paints them with the
// source's images, and hands a chosen command to the drop-down button that opened it. An
// application also makes one, hidden, as the source a drop-down button stands for.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CZAVPDropDownToolBar : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPDropDownToolBar)
public:
    CZAVPDropDownToolBar() = default;
    ~CZAVPDropDownToolBar() override;

    // Both load into the bar's own strips: a drop-down's images are never shared.
    BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                    UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0) override;
    BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = TRUE,
                     UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0,
                     UINT uiHotResID = 0) override;
    // A chosen enabled command goes to the drop-down button and the frame closes.
    BOOL OnSendCommand(const CZAVPToolbarButton* pButton) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Shows the source's buttons (their pointers) with its look; null shows none.
    void ShareButtonsOf(CZAVPToolBar* pSource);
    // Forgets the shared buttons without deleting them.
    void ReleaseSharedButtons();
    BOOL SharesButtons() const { return m_bShared; }

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnDestroy();

    BOOL m_bShared = FALSE;  // the button list holds the source's buttons

    DECLARE_MESSAGE_MAP()
};
