// The settings dialog's list of CD-ROM drives (control 1032): fills itself with the root of every
// CD-ROM drive, preselects the stored one, and follows the user's choice.
#pragma once
#include <string>
#include "framework/CComboBox.h"

class CdromComboBox : public CComboBox
{
public:
    CdromComboBox();
    void SetSelectedRoot(const char* root);
    const std::string& GetSelectedRoot() const { return m_selectedRoot; }
    // Lists the CD-ROM drives, from A: upward, and selects the selected root when it is among
    // them (else the first item). Without any drive: "Нет устройств CD-ROM", disabled, and the
    // selected root becomes empty.
    void Fill();

protected:
    void OnSelChange();

private:
    std::string m_selectedRoot;  // "X:\", or empty

    DECLARE_MESSAGE_MAP()
};
