// An array of 16-bit words; stored as the count, then each word (little-endian).
#pragma once

#include "framework/CArray.h"

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
};
