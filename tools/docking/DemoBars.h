// Bars for the docking demo and benchmark: a control bar of a fixed size that paints its name.
#pragma once

#include "framework/CDC.h"
#include "ui/docking/CZAVPControlBar.h"

class DemoBar : public CZAVPControlBar
{
public:
    DemoBar(int nLength, int nThickness) : m_nLength(nLength), m_nThickness(nThickness) {}
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(m_nLength, m_nThickness) : CSize(m_nThickness, m_nLength);
    }
    // A visible child of the frame that may dock on every side and float; the name is UTF-8.
    BOOL CreateIn(CWnd* pFrame, const char* lpszUtf8Name, UINT nID)
    {
        if (!Create("", WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, m_nLength, m_nThickness),
                    pFrame, nID, ZAVP_CBRS_FLOAT))
            return FALSE;
        SetUtf8Text(m_hWnd, lpszUtf8Name);
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    static void SetUtf8Text(HWND hWnd, const char* lpszUtf8)
    {
        wchar_t szText[128] = {};
        ::MultiByteToWideChar(CP_UTF8, 0, lpszUtf8, -1, szText, 127);
        ::SetWindowTextW(hWnd, szText);
    }
    void DoPaint(CDC* pDC) override
    {
        CZAVPControlBar::DoPaint(pDC);
        CRect rect;
        GetClientRect(rect);
        HDC hdc = pDC->GetSafeHdc();
        ::FrameRect(hdc, rect, (HBRUSH)::GetStockObject(GRAY_BRUSH));
        wchar_t szName[64] = {};
        ::GetWindowTextW(m_hWnd, szName, 64);
        ::SetBkMode(hdc, TRANSPARENT);
        HGDIOBJ hOldFont = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
        if (IsHorizontal())
            ::DrawTextW(hdc, szName, -1, rect,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        else
            ::DrawTextW(hdc, szName, -1, rect, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
        ::SelectObject(hdc, hOldFont);
    }

private:
    int m_nLength, m_nThickness;
};
