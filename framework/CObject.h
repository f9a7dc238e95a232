// Root of the framework's class tree: run-time class information, kind tests and the virtual
// Serialize that archives call. Copying is not part of the contract of any CObject.
#pragma once

#include "framework/CRuntimeClass.h"

class CObject
{
public:
    // Slot order matters to nobody here, but it is the documented one: class, destructor, Serialize.
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // Writes or reads the object's own fields; CObject has none.
    virtual void Serialize(CArchive& ar);

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};
