// Drive facts from the system.
#include "app/DriveFacts.h"

namespace
{

const DWORD VolumeTextChars = 260;

class SystemDriveFacts : public DriveFacts
{
public:
    UINT DriveType(const std::string& root) override { return GetDriveTypeA(root.c_str()); }
    std::string VolumeLabel(const std::string& root) override
    {
        char label[VolumeTextChars] = "";
        char fileSystem[VolumeTextChars] = "";
        DWORD serial = 0, maxComponent = 0, flags = 0;
        // An unreadable volume leaves the label empty: the prompt then shows no label.
        if (!GetVolumeInformationA(root.c_str(), label, VolumeTextChars, &serial, &maxComponent,
                                   &flags, fileSystem, VolumeTextChars))
            label[0] = '\0';
        label[VolumeTextChars - 1] = '\0';
        return label;
    }
};

}  // namespace

DriveFacts& DriveFacts::System()
{
    static SystemDriveFacts facts;
    return facts;
}
