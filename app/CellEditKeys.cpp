// Keys of the cell editor and the item list.
#include "app/CellEditKeys.h"

namespace
{

const UINT KeyTab = 9;
const UINT KeyEnter = 13;
const UINT KeyEscape = 27;

}  // namespace

EditKeyAction CellEditKeyAction(UINT character)
{
    switch (character) {
    case KeyTab:
    case KeyEnter: return EditKeyAction::Commit;
    case KeyEscape: return EditKeyAction::Cancel;
    default: return EditKeyAction::Type;
    }
}

LRESULT CellEditKeyResult(EditKeyAction action) { return action == EditKeyAction::Type ? 0 : 1; }

bool EnterOpensRow(UINT character, int selectedCount)
{
    return character == KeyEnter && selectedCount == 1;
}
