// Stack holder of a registry object (see CZAVPRegistryHolder.h).
#include "ui/foundation/CZAVPRegistryHolder.h"

#include "ui/foundation/CZAVPRegistry.h"

CRuntimeClass* CZAVPRegistryHolder::s_pRegistryClass = nullptr;

CZAVPRegistryHolder::~CZAVPRegistryHolder() { delete m_pRegistry; }

CZAVPRegistry& CZAVPRegistryHolder::Create(BOOL bAdmin, BOOL bReadOnly)
{
    if (!m_pRegistry) {
        CObject* pObject = s_pRegistryClass ? s_pRegistryClass->CreateObject() : nullptr;
        m_pRegistry = pObject && pObject->IsKindOf(RUNTIME_CLASS(CZAVPRegistry))
                          ? static_cast<CZAVPRegistry*>(pObject)
                          : (delete pObject, new CZAVPRegistry);
        m_pRegistry->SetMode(bAdmin, bReadOnly);
    }
    return *m_pRegistry;
}
