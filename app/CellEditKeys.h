// Keys of the item list around an in-place cell edit: what a key typed into the cell editor does,
// and when Enter in the list opens the selected row.
#pragma once
#include <windows.h>

enum class EditKeyAction
{
    Type,    // an ordinary character: the editor takes it
    Commit,  // Tab or Enter: the edit ends and keeps the text
    Cancel,  // Esc: the edit ends and drops the text
};

EditKeyAction CellEditKeyAction(UINT character);
// The answer to the editor's NM_CHAR: non-zero swallows the character.
LRESULT CellEditKeyResult(EditKeyAction action);
// Enter in the list acts as a double-click on the selected row only when exactly one is selected.
bool EnterOpensRow(UINT character, int selectedCount);
