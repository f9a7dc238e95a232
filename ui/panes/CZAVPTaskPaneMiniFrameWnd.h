// The tasks pane's own floating frame: it carries Back, Forward and the pages drop-down in its
// caption, beside the usual buttons, so that a floating pane needs no navigation toolbar.
#pragma once

#include "ui/docking/CZAVPMiniFrameWnd.h"

class CZAVPTasksPane;

class CZAVPTaskPaneMiniFrameWnd : public CZAVPMiniFrameWnd
{
    DECLARE_SERIAL(CZAVPTaskPaneMiniFrameWnd)
public:
    CZAVPTaskPaneMiniFrameWnd();

    void SetCaptionButtons(DWORD dwButtons) override;
    void GetBorderSize(CRect& rect) const override;
    void DrawCaptionButtons(CDC* pDC) override;
    void OnPressCaptionButton(UINT nHit) override;
    void AddCaptionButton(UINT nHit) override;
    void OnTrackCaptionButtons(CPoint point) override;
    void StopCaptionButtonsTracking() override;

    // The hosted tasks pane, or null.
    CZAVPTasksPane* GetTasksPane() const;
    // Hides or shows Back, Forward and the pages drop-down and enables them by the history.
    void UpdateNavigationButtons();

protected:
    void OnNcPaint();
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    BOOL m_bMenuBtnPressed;  // the pages drop-down is open
};
