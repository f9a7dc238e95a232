// The stored lists of buttons ("Buttons", "OrigResetItems", "OriginalItems" and a menu button's
// items) in the framework's list form, read as the untrusted input they are.
#pragma once

#include "framework/CObList.h"

class CArchive;
class CZAVPRegistry;

namespace ZAVPButtonListArchive
{
// Item lists nested deeper than this (menus in menus) are damaged data, not a menu.
const int kMaxNesting = 32;

// Reads a list written by CObList::Serialize and appends its buttons to the list. Only toolbar
// button classes are created; a null entry, an entry that refers back to an object read before
// (or still being read) and lists nested deeper than kMaxNesting are refused. A refused or cut
// list raises CArchiveException and leaves nothing behind: the list is as it was.
void Read(CArchive& ar, CObList& list);

// The list stored as a registry value; FALSE, with the list unchanged, when the value is missing
// or does not read back whole.
BOOL ReadValue(CZAVPRegistry& reg, LPCSTR lpszName, CObList& list);
}  // namespace ZAVPButtonListArchive
