// Finding CD-ROM drives: the first one of the system, and those of a device-change unit mask
// (bit 0 drive A:, bit 1 B:, and so on). Roots are "X:\".
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The root of the first CD-ROM drive, or empty.
std::string FindCdromDrives();
bool UnitMaskHasCdrom(DWORD unitMask);
std::string GetCdromRootFromMask(DWORD unitMask);
// Every CD-ROM drive root of a mask, from A: upward.
std::vector<std::string> CdromRootsOfMask(DWORD unitMask);
// "X:\" for the bit of drive X.
std::string DriveRootOfBit(int bit);
