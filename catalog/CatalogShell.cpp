// The installed shell of the catalogue.
#include "catalog/CatalogShell.h"

namespace
{
CatalogShell* g_shell = nullptr;
}

CatalogShell* CatalogShell::Get() { return g_shell; }
void CatalogShell::Set(CatalogShell* shell) { g_shell = shell; }
