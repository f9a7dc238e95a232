// The user's keyboard shortcuts: edited accelerator tables installed on the main frame and on
// multi-document templates, kept in the UI state as "%sZAVKeyboard-%d" / "Accelerators" (the
// 6-byte ACCEL records as the system copies them), the shortcut text of a command, and the
// character a virtual key stands for in menu and toolbar mnemonics.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CObject.h"
#include "framework/CString.h"

class CDocTemplate;
class CFrameWnd;

class CZAVPKeyboardManager : public CObject
{
public:
    // Size of one stored accelerator record: fVirt, one unused byte, key, cmd.
    static const UINT kAccelBytes = 6;

    CZAVPKeyboardManager();
    ~CZAVPKeyboardManager() override;
    void Serialize(CArchive&) override {}

    // Builds a table from the entries and installs it; FALSE when either fails.
    static BOOL UpdateAcceleratorTable(CDocTemplate* pTemplate, LPACCEL lpAccel, int nSize,
                                       CFrameWnd* pDefaultFrame = nullptr);
    // Installs the table on the template (and the frames that used its old table) or on the
    // frame (null: the main window), destroying the old table.
    static BOOL SetAccelTable(CDocTemplate* pTemplate, HACCEL hAccelNew,
                              CFrameWnd* pDefaultFrame = nullptr);
    // Reloads every accelerator resource: the multi-document templates' and the main frame's.
    static void ResetAll();

    static BOOL SaveAccelerators(LPCSTR lpszProfileName, UINT uiResId, HACCEL hAccelTable);
    static BOOL LoadAccelerators(LPCSTR lpszProfileName, UINT uiResId, HACCEL& hAccelTable);
    BOOL LoadState(LPCSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);
    BOOL SaveState(LPCSTR lpszProfileName = nullptr, CFrameWnd* pDefaultFrame = nullptr);

    // TRUE when the frame's table has an entry of exactly this key and these flags.
    static BOOL IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame);
    // The shortcut text of the first entry for the command; FALSE (empty text) when none.
    static BOOL FindAcceleratorText(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                    BOOL bIsDefaultFrame);
    // The upper-case character a virtual key stands for in mnemonics.
    static UINT TranslateCharToUpper(const UINT nChar);
    // Frees both cached copies of accelerator tables.
    static void CleanUp();

    // The stored form of accelerator entries, and the complete entries of a stored value (bytes
    // beyond the last whole record are ignored).
    static std::vector<BYTE> EncodeAccelerators(const ACCEL* pAccel, int nCount);
    static std::vector<ACCEL> DecodeAccelerators(const BYTE* pData, UINT nBytes);

    // Translate letters through the keyboard layout too (off in this program).
    static BOOL m_bAllCharsTranslate;
};

// The process's keyboard manager, or null until the workspace makes it.
// Set and read on the UI thread only (ZAVPUiThread.h).
extern CZAVPKeyboardManager* g_pKeyboardManager;
