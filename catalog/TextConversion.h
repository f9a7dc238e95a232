// Conversions between the catalogue's UTF-16 texts and the narrow texts of the user interface,
// both in the ANSI code page (1251 on the systems Lornival is made for).
#pragma once
#include <string>
#include "catalog/CatalogText.h"

// UTF-16 -> ANSI; characters without an ANSI form become the code page's default character.
std::string ToAnsiString(const wchar_t* text);
// The same into a buffer the caller keeps, so that a walk over many names allocates once.
void ToAnsiString(const wchar_t* text, std::size_t length, std::string& out);
// ANSI -> UTF-16 (null gives the empty text).
void AssignBstrText(CatalogText& target, const char* narrow);
std::wstring AnsiToWide(const char* narrow);
