// The process's command-to-image maps of the toolbars and its list of commands shown without
// images in menus; every toolbar and menu asks it which picture belongs to a command.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CList.h"
#include "framework/CMap.h"
#include "framework/CObject.h"

class CZAVPCommandManager : public CObject
{
public:
    CZAVPCommandManager();
    ~CZAVPCommandManager() override;

    // A command keeps one kind of image: an image of the other kind (0 or more) wins.
    void RecordCommandImage(UINT uiCmd, int iImage, BOOL bUserImage = FALSE);
    // The image of the command in the user or the standard strip; -1 when it has none.
    int GetCommandImage(UINT uiCmd, BOOL bUserImage = FALSE) const;
    void ForgetUserImage(UINT uiCmd);

    // FALSE puts the command on the without-images list (once), TRUE takes it off.
    void SetMenuImageShown(UINT uiCmd, BOOL bEnable);
    BOOL IsMenuImageHidden(UINT uiCmd) const;
    const CList<UINT, UINT>& GetCommandsWithoutImages() const { return m_lstCommandsWithoutImages; }

    // "CommandsWithoutImages" under "%sZAVCommandManager" of the state path.
    BOOL LoadState(LPCSTR lpszProfileName = nullptr);
    BOOL SaveState(LPCSTR lpszProfileName = nullptr);
    // Empties both image maps and the without-images list.
    void ClearAll();

private:
    CMap<UINT, UINT, int, int> m_mapCommandImages;      // command -> standard strip image
    CMap<UINT, UINT, int, int> m_mapUserCommandImages;  // command -> user strip image
    CList<UINT, UINT> m_lstCommandsWithoutImages;       // insertion order, no duplicates
};

// The process's command manager, never null once the statics are built.
CZAVPCommandManager* GetCommandManager();

namespace ZAVPCommandListImage
{
// The stored form of a command list: a 16-bit count (0xFFFF and a 32-bit count past 0xFFFE),
// then every id as a 32-bit little-endian word.
std::vector<BYTE> Encode(const CList<UINT, UINT>& commands);
// Reads a stored list; FALSE (and the list untouched) unless the bytes hold exactly one list.
BOOL Decode(const BYTE* pData, UINT nBytes, CList<UINT, UINT>& commands);
}  // namespace ZAVPCommandListImage
