// Kind tests by class name for the drawing code, which sits below the bars, buttons and panes it
// draws: it may not refer to their run-time class records, but it may walk the object's own.
#pragma once

#include <cstring>

#include "framework/CObject.h"

// TRUE when the object's class, or one of its bases, has the given run-time class name.
inline BOOL ZAVPIsKindOf(const CObject* pObject, const char* lpszClassName)
{
    if (!pObject)
        return FALSE;
    for (const CRuntimeClass* p = pObject->GetRuntimeClass(); p != nullptr; p = p->m_pBaseClass)
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return TRUE;
    return FALSE;
}
