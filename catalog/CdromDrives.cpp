// CD-ROM drive look-ups over drive masks.
#include "catalog/CdromDrives.h"

std::string DriveRootOfBit(int bit)
{
    std::string root = "A:\\";
    root[0] = (char)('A' + bit);
    return root;
}

std::vector<std::string> CdromRootsOfMask(DWORD unitMask)
{
    std::vector<std::string> roots;
    for (int bit = 0; bit < 26 && (unitMask >> bit) != 0; ++bit) {
        if (!(unitMask & (1u << bit))) continue;
        std::string root = DriveRootOfBit(bit);
        if (GetDriveTypeA(root.c_str()) == DRIVE_CDROM) roots.push_back(root);
    }
    return roots;
}

std::string GetCdromRootFromMask(DWORD unitMask)
{
    std::vector<std::string> roots = CdromRootsOfMask(unitMask);
    return roots.empty() ? std::string() : roots.front();
}

bool UnitMaskHasCdrom(DWORD unitMask) { return !GetCdromRootFromMask(unitMask).empty(); }

std::string FindCdromDrives() { return GetCdromRootFromMask(GetLogicalDrives()); }
