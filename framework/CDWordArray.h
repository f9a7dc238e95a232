// An array of 32-bit words; stored as the count, then each word (little-endian).
#pragma once

#include "framework/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
};
