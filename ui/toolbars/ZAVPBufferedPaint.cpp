// Double-buffered painting of a bar's client area (see ZAVPBufferedPaint.h).
#include "ui/toolbars/ZAVPBufferedPaint.h"

ZAVPBufferedPaint::ZAVPBufferedPaint(CDC* pDCPaint, const CRect& rectClient)
    : m_pDCPaint(pDCPaint), m_rectClient(rectClient), m_pDC(pDCPaint)
{
    if (!m_dcMem.CreateCompatibleDC(pDCPaint)) return;
    m_hbmp = ::CreateCompatibleBitmap(pDCPaint->GetSafeHdc(), rectClient.Width(),
                                      rectClient.Height());
    if (m_hbmp != nullptr) {
        m_hOldBitmap = ::SelectObject(m_dcMem.GetSafeHdc(), m_hbmp);
        m_pDC = &m_dcMem;
    }
}

ZAVPBufferedPaint::~ZAVPBufferedPaint()
{
    if (m_pDC == &m_dcMem) {
        ::BitBlt(m_pDCPaint->GetSafeHdc(), 0, 0, m_rectClient.Width(), m_rectClient.Height(),
                 m_dcMem.GetSafeHdc(), 0, 0, SRCCOPY);
        ::SelectObject(m_dcMem.GetSafeHdc(), m_hOldBitmap);
    }
    if (m_hbmp != nullptr) ::DeleteObject(m_hbmp);
}
