// An array of bytes; stored as the count, then the bytes.
#pragma once

#include "framework/CArray.h"

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
};
