// The question the main window asks when a disc arrives: from a WM_DEVICECHANGE message, the
// first CD-ROM drive of the arrived volume's unit mask and the text "Обнаружен новый CD-ROM!..."
// with its label. A message that is not a volume arrival, or a mask without a CD-ROM drive
// (a USB stick, a hard disc), asks nothing.
#pragma once
#include <windows.h>
#include <string>

class DriveFacts;

class NewCdromPrompt
{
public:
    // Fills root and text and answers true when the message asks for the prompt.
    bool Prepare(WPARAM event, LPARAM data, DriveFacts& drives);
    // The same from a unit mask alone (bit 0 drive A:).
    bool PrepareForMask(DWORD unitMask, DriveFacts& drives);

    // The prompt's text for a label (ANSI).
    static std::string FormatText(const std::string& label);

    std::string m_root;  // "X:\" of the first CD-ROM drive of the mask
    std::string m_text;
};
