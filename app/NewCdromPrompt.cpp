// The new-disc prompt's decision and text.
#include "app/NewCdromPrompt.h"
#include <dbt.h>
#include <cstdio>
#include "app/DriveFacts.h"
#include "catalog/CdromDrives.h"
#include "catalog/TextConversion.h"

namespace
{

const int DriveLetters = 26;
// The prompt is formatted into a buffer of this many characters.
const std::size_t PromptChars = 1000;

}  // namespace

std::string NewCdromPrompt::FormatText(const std::string& label)
{
    const std::string format = ToAnsiString(
        L"Обнаружен новый CD-ROM!\n\nМетка диска: %s\n\nДобавить?");
    char text[PromptChars];
    std::snprintf(text, sizeof text, format.c_str(), label.c_str());
    return text;
}

bool NewCdromPrompt::PrepareForMask(DWORD unitMask, DriveFacts& drives)
{
    m_root.clear();
    m_text.clear();
    for (int bit = 0; bit < DriveLetters; ++bit) {
        if (!(unitMask & (1u << bit))) continue;
        const std::string root = DriveRootOfBit(bit);
        if (drives.DriveType(root) != DRIVE_CDROM) continue;
        m_root = root;
        m_text = FormatText(drives.VolumeLabel(root));
        return true;
    }
    return false;
}

bool NewCdromPrompt::Prepare(WPARAM event, LPARAM data, DriveFacts& drives)
{
    m_root.clear();
    m_text.clear();
    if (event != DBT_DEVICEARRIVAL || data == 0) return false;
    const DEV_BROADCAST_HDR* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header->dbch_devicetype != DBT_DEVTYP_VOLUME) return false;
    // A broadcast too short to hold a unit mask is not read past its end.
    if (header->dbch_size < sizeof(DEV_BROADCAST_VOLUME)) return false;
    // The volume's flags (media, network) are not looked at: any CD-ROM arrival asks.
    const DEV_BROADCAST_VOLUME* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data);
    return PrepareForMask(volume->dbcv_unitmask, drives);
}
