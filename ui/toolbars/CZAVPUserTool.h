// One user-defined external tool: a command that starts a program or opens a document with the
// shell. The user-tools manager keeps the list and gives each tool its command id.
#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CString.h"

class CDC;

class CZAVPUserTool : public CObject
{
    DECLARE_SERIAL(CZAVPUserTool)
public:
    CZAVPUserTool();
    ~CZAVPUserTool() override;

    // Label, command, arguments, initial directory, then the 32-bit command id.
    void Serialize(CArchive& ar) override;
    // Runs the command with the shell; FALSE when there is none or the shell refuses it.
    virtual BOOL Invoke();

    // Replaces the command and reloads the icon; the same text again changes nothing.
    void SetCommand(LPCSTR lpszCmd);
    const CString& GetCommand() const { return m_strCommand; }
    HICON GetIcon() const { return m_hIcon; }
    void DrawToolIcon(CDC* pDC, const RECT& rectImage);
    BOOL CopyIconToClipboard();

    CString m_strLabel;             // menu text
    CString m_strArguments;         // passed to the program
    CString m_strInitialDirectory;  // working directory
    UINT m_uiCmdId;                 // command that runs the tool; set by the manager

protected:
    virtual HICON LoadToolIcon();
    virtual HICON LoadDefaultIcon();
    virtual void DeleteIcon();

    CString m_strCommand;  // program or document; only through SetCommand
    HICON m_hIcon;         // owned unless it is the shared default icon
};
