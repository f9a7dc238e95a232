// Resource identifiers of the catalogue application.
#pragma once

#define IDS_REGISTRY_KEY 129  // the registry key under HKCU\Software
