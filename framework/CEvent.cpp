// CEvent over CreateEventA.
#include "framework/CEvent.h"

IMPLEMENT_DYNAMIC(CEvent, CSyncObject)

CEvent::CEvent(BOOL bInitiallyOwn, BOOL bManualReset, LPCSTR lpszName,
               LPSECURITY_ATTRIBUTES lpsaAttribute)
{
    Adopt(CreateEventA(lpsaAttribute, bManualReset, bInitiallyOwn, lpszName));
}
