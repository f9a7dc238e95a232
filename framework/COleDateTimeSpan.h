// A span of time in days (a double, fractions are the time of day), the difference of two
// COleDateTime values and what is added to one.
#pragma once

class COleDateTimeSpan
{
public:
    COleDateTimeSpan() : m_span(0.0) {}
    explicit COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc) {}
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
        : m_span(lDays + nHours / 24.0 + nMins / (24.0 * 60) + nSecs / (24.0 * 60 * 60))
    {
    }

    double GetTotalDays() const { return m_span; }
    // Whole days, rounded toward zero.
    long GetDays() const { return (long)m_span; }

    double m_span;  // days
};
