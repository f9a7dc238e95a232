// The CD-ROM drive list of the settings dialog.
#include "catalog/CdromComboBox.h"
#include "catalog/CdromDrives.h"
#include "catalog/TextConversion.h"
#include <vector>

BEGIN_MESSAGE_MAP(CdromComboBox, CComboBox)
ON_CONTROL_REFLECT(CBN_SELCHANGE, &CdromComboBox::OnSelChange)
END_MESSAGE_MAP()

CdromComboBox::CdromComboBox() = default;

void CdromComboBox::SetSelectedRoot(const char* root) { m_selectedRoot = root ? root : ""; }

void CdromComboBox::Fill()
{
    for (const std::string& root : CdromRootsOfMask(GetLogicalDrives())) AddString(root.c_str());
    if (GetCount() == 0) {
        AddString(ToAnsiString(L"Нет устройств CD-ROM").c_str());
        EnableWindow(FALSE);
        m_selectedRoot.clear();
    } else if (!m_selectedRoot.empty()) {
        // The list may sort its items: look the root up once everything is in.
        int index = FindStringExact(-1, m_selectedRoot.c_str());
        if (index != CB_ERR) SetCurSel(index);
    }
    if (GetCurSel() == CB_ERR) SetCurSel(0);
}

void CdromComboBox::OnSelChange()
{
    int index = GetCurSel();
    if (index == CB_ERR) return;
    int len = GetLBTextLen(index);
    if (len < 0) return;
    std::vector<char> text((std::size_t)len + 1, '\0');
    GetLBText(index, text.data());
    m_selectedRoot = text.data();
}
