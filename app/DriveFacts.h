// What the new-disc prompt asks of the system about a drive: its type and its volume label.
// Tests answer with drives of their own.
#pragma once
#include <windows.h>
#include <string>

class DriveFacts
{
public:
    virtual ~DriveFacts() = default;
    // GetDriveType's answer for a root "X:\".
    virtual UINT DriveType(const std::string& root) = 0;
    // The volume label; empty when the volume cannot be read.
    virtual std::string VolumeLabel(const std::string& root) = 0;

    // The system's own answers.
    static DriveFacts& System();
};
