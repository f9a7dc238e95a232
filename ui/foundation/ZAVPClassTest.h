// Kind tests of the UI library: through the class's run-time class record where the library has
// it, else by a name from the list in ZAVPClassNames.h, walking the object's own records.
#pragma once

#include <cstring>

#include "framework/CObject.h"
#include "framework/CRuntimeClass.h"
#include "ui/foundation/ZAVPClassNames.h"

// TRUE when the object is not null and of the class or one derived from it.
inline BOOL ZAVPIsKindOf(const CObject* pObject, const CRuntimeClass* pClass)
{
    return pObject != nullptr && pObject->IsKindOf(pClass);
}

// TRUE when the object's class, or one of its bases, has the given run-time class name.
inline BOOL ZAVPIsKindOf(const CObject* pObject, ZAVPClassName className)
{
    if (!pObject) return FALSE;
    for (const CRuntimeClass* p = pObject->GetRuntimeClass(); p != nullptr; p = p->m_pBaseClass)
        if (std::strcmp(p->m_lpszClassName, className.m_lpszName) == 0) return TRUE;
    return FALSE;
}
