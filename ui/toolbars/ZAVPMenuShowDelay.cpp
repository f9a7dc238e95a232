// The sub-menu show delay (see the header).
#include "ui/toolbars/ZAVPMenuShowDelay.h"

#include <stdlib.h>

#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"

namespace ZAVPMenuShowDelay
{
int Parse(LPCSTR lpszValue)
{
    if (lpszValue == NULL) return kDefaultDelayMs;
    const int nDelay = atoi(lpszValue);
    // Compared as unsigned, so that a negative delay is cut to the maximum as well.
    return (UINT)nDelay > kMaxDelayMs ? (int)kMaxDelayMs : nDelay;
}

int Read()
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    CString strValue;
    if (!reg.ReadKey("Control Panel\\Desktop") || !reg.Read("MenuShowDelay", strValue))
        return Parse(NULL);
    return Parse(strValue);
}
}  // namespace ZAVPMenuShowDelay
