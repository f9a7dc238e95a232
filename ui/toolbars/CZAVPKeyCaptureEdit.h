// The keyboard page's shortcut field: it shows the key combination the user presses instead of
// taking text. Tab (alone) leaves the field, Esc (alone) clears it.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CEdit.h"
#include "ui/foundation/CZAVPAccelText.h"
#include "ui/toolbars/ZAVPCustomizeRules.h"

class CZAVPKeyCaptureEdit : public CEdit
{
public:
    CZAVPKeyCaptureEdit() : m_Helper(&m_Capture.accel) {}

    void ResetKey();
    BOOL IsKeyDefined() const { return m_Capture.bDefined; }
    const ACCEL* GetAccel() const { return &m_Capture.accel; }
    void SetAccelCommand(WORD wCmd) { m_Capture.accel.cmd = wCmd; }
    void SetAccelFlag(BYTE bFlag, BOOL bOn);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnKillFocus(CWnd* pNewWnd);

    ZAVPCustomizeRules::KeyCapture m_Capture;
    CZAVPAccelText m_Helper;  // formats m_Capture.accel

    DECLARE_MESSAGE_MAP()
};
