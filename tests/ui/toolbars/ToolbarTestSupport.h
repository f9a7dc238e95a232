// Helpers of the toolbar tests: archive images as bytes, registry values, a workspace whose state
// version a test chooses.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CString.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPToolBar.h"

typedef std::vector<BYTE> Bytes;

// The bytes a store archive holds after the writer ran.
Bytes StoreBytes(const std::function<void(CArchive&)>& write);
// Runs the reader on a load archive over the bytes; FALSE when it threw a framework exception.
bool LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read);
// "02 00 64 00" and quoted ANSI text: "'Name'".
Bytes Hex(const std::string& text);
// Little-endian 32-bit word.
Bytes Dword(DWORD dw);
Bytes operator+(Bytes a, const Bytes& b);
Bytes Text(const CString& text);

// The registry path every toolbar test writes below (deleted before and after each test).
extern const char kTestRoot[];
std::string TestProfile(const char* lpszSub = "");
Bytes ReadRegistryValue(const std::string& key, const char* value);
void WriteRegistryValue(const std::string& key, const char* value, const Bytes& bytes);
void WriteRegistryDword(const std::string& key, const char* value, DWORD dw);
void DeleteTestRoot();

// A workspace whose loaded state version the test sets.
class VersionedWorkspace : public CZAVPWorkspace
{
public:
    VersionedWorkspace(int nMajor, int nMinor)
    {
        m_iSavedVersionMajor = nMajor;
        m_iSavedVersionMinor = nMinor;
    }
};

// A toolbar that offers its customise menu (the application gives it a customise button).
class CustomizableToolBar : public CZAVPToolBar
{
public:
    static const UINT kCustomizeCmd = 40100;  // the command the drop-down's last item sends
    void AddCustomizeButton()
    {
        CCustomizeButton* pButton = new CCustomizeButton(kCustomizeCmd, "Настройка...");
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
        m_pCustomizeBtn = pButton;
    }
};
