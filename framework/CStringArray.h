// An array of strings; stored as the count, then each string.
#pragma once

#include "framework/CArray.h"

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
};
