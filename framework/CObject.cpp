// CObject's own record and its kind tests.
#include "framework/CObject.h"

// Written out rather than through IMPLEMENT_DYNAMIC: CObject is the one class without a base.
CRuntimeClass CObject::classCObject = {
    "CObject", (int)sizeof(CObject), AFX_NO_SCHEMA, nullptr, nullptr, nullptr};
static const CRuntimeClassRegistrar registerCObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }
