// The windows a stored docking layout may make (see ZAVPLayoutWindowBudget.h).
#include "ui/docking/ZAVPLayoutWindowBudget.h"

#include "framework/CArchiveException.h"

int ZAVPLayoutWindowBudget::s_nLeft = -1;

ZAVPLayoutWindowBudget::ZAVPLayoutWindowBudget(int nWindows) : m_nSaved(s_nLeft)
{
    s_nLeft = nWindows;
}

ZAVPLayoutWindowBudget::~ZAVPLayoutWindowBudget() { s_nLeft = m_nSaved; }

void ZAVPLayoutWindowBudget::Take()
{
    if (s_nLeft < 0) return;
    if (s_nLeft == 0) AfxThrowArchiveException(CArchiveException::badIndex);
    --s_nLeft;
}
