// The calendar bar: its buttons, layout, selection, keys, auto-repeat and painting (see
// CZAVPCalendarBar.h).
#include "ui/panes/CZAVPCalendarBar.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/panes/CCalendarMonthButton.h"
#include "ui/panes/CCalendarNavigateButton.h"
#include "ui/panes/CCalendarTodayButton.h"
#include "ui/panes/CCalendarWeekButton.h"
#include "ui/panes/CCalendarWeekNumButton.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/panes/ZAVPCalendarMath.h"
#include "ui/panes/ZAVPPickerShared.h"
#include "ui/panes/ZAVPUserTimeLocale.h"
#include "ui/toolbars/CZAVPPopupMenu.h"

IMPLEMENT_SERIAL(CZAVPCalendarBar, CZAVPPopupMenuBar, 1)

BEGIN_MESSAGE_MAP(CZAVPCalendarBar, CZAVPPopupMenuBar)
ON_WM_CREATE()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_MOUSEACTIVATE()
ON_WM_SIZE()
ON_WM_MOUSELEAVE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPCalendarBar::OnIdleUpdate)
END_MESSAGE_MAP()

namespace
{
const CSize kLockedButtonSize(12, 12);
const CSize kLockedImageSize(10, 10);
const CSize kFirstMinCell(10, 10);
const UINT_PTR kRepeatTimerId = 1;
const int kDaysInWeek = 7;
const int kWeekRows = 6;
const DWORD kNoGripperOrBorders = 0xFFBFF0FF;
const UINT kCalendarRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;  // 261
const UINT kTopNoMove = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;           // 19
const int kCalcSizeExtraHeight = 16;

using ZAVPPickerShared::IsRealCommand;

// A DC on the screen with the regular font, for measuring without a window.
class FontDC
{
public:
    FontDC() : m_hDC(::CreateCompatibleDC(nullptr))
    {
        m_dc.Attach(m_hDC);
        HGDIOBJ hFont = globalData.fontRegular.GetSafeHandle();
        m_hOldFont = ::SelectObject(m_hDC,
                                    hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~FontDC()
    {
        ::SelectObject(m_hDC, m_hOldFont);
        m_dc.Detach();
        ::DeleteDC(m_hDC);
    }
    CDC* get() { return &m_dc; }

private:
    HDC m_hDC;
    CDC m_dc;
    HGDIOBJ m_hOldFont;
};

CSize TextSize(CDC* pDC, const CString& str) { return pDC->GetTextExtent(str, str.GetLength()); }
}  // namespace

// ---- construction

CZAVPCalendarBar::CZAVPCalendarBar() { Construct(COleDateTime::GetCurrentTime(), 0, TRUE); }

CZAVPCalendarBar::CZAVPCalendarBar(const COleDateTime& date, UINT uiCommandID, CWnd* pHost)
{
    Construct(date, uiCommandID, FALSE);
    m_pHost = pHost;
}

CZAVPCalendarBar::CZAVPCalendarBar(const CZAVPCalendarBar& src, UINT uiCommandID,
                                   BOOL bMultipleSelection)
{
    Construct(src.m_date, uiCommandID, TRUE);
    if (bMultipleSelection) m_dwOptions |= OptionMultipleSelection;
}

void CZAVPCalendarBar::Construct(const COleDateTime& date, UINT uiCommandID, BOOL bStandalone)
{
    m_sizeCell = m_sizeMinCell = CSize(0, 0);
    m_date = m_dateAnchor = date;
    m_uiCommandID = uiCommandID;
    m_bIsEnabled = TRUE;
    m_bIsStandalone = bStandalone;
    m_pHost = nullptr;
    m_nWeekColumnWidth = m_nHeaderHeight = 0;
    m_clrHeaderText = m_clrWeekNumCurrent = m_clrWeekNumOther = globalData.clrBarText;
    m_dwOptions = kDefaultOptions;
    m_nFirstDayOfWeek = ZAVPCalendarMath::kFirstDayOfWeekSunday;
    m_bControlMode = FALSE;
    m_bMouseInCustomizeMode = FALSE;
    m_nRepeatTimer = 0;
    m_nRepeatDelay = ZAVPCalendarMath::kRepeatFirstDelayMs;
    m_iPressedNavigate = -1;
    // The buttons are the bar's own, rebuilt from the date: they are never stored.
    m_bLocked = TRUE;
    m_sizeOwnButton = kLockedButtonSize;
    m_sizeOwnImage = kLockedImageSize;
    m_OwnStrips[kImagesStrip].SetImageSize(kLockedImageSize);
}

CZAVPCalendarBar::~CZAVPCalendarBar() {}

void CZAVPCalendarBar::Serialize(CArchive& ar)
{
    CZAVPPopupMenuBar::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_bIsStandalone << (DWORD)m_uiCommandID;
        return;
    }
    DWORD dwStandalone = 0, dwCommand = 0;
    ar >> dwStandalone >> dwCommand;
    m_bIsStandalone = (BOOL)dwStandalone;
    m_uiCommandID = (UINT)dwCommand;
    if (m_hWnd != nullptr) {
        RebuildButtons();
        AdjustLocations();
    }
}

BOOL CZAVPCalendarBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, BOOL bMultipleSelection)
{
    if (bMultipleSelection)
        m_dwOptions |= OptionMultipleSelection;
    else
        m_dwOptions &= ~OptionMultipleSelection;
    return CZAVPToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CZAVPCalendarBar::CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID,
                                     BOOL bMultipleSelection, DWORD dwStyle)
{
    m_bLargeIconsAreEnbaled = FALSE;
    if (!Create(pParentWnd, dwStyle | CBRS_ALIGN_TOP, nID, bMultipleSelection)) return FALSE;
    SetBarStyle(GetBarStyle() & kNoGripperOrBorders);
    m_bControlMode = TRUE;
    MoveWindow(rect, TRUE);
    RecalcCellSize();
    SetOwner(pParentWnd);
    m_uiCommandID = nID;
    return TRUE;
}

int CZAVPCalendarBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPPopupMenuBar::OnCreate(lpcs) == -1) return -1;
    m_sizeOwnButton = kLockedButtonSize;
    m_sizeOwnImage = kLockedImageSize;
    LoadBitmap(IDB_ZAVP_CALENDAR_IMAGES, 0, 0, TRUE);
    m_OwnStrips[kImagesStrip].SetImageSize(kLockedImageSize);
    m_OwnStrips[kImagesStrip].SetTransparentColor(CZAVPImageStrip::kStdSilver);

    m_sizeMinCell = kFirstMinCell;
    {
        FontDC dc;
        ZAVPUserTimeLocale locale;
        const CSize sizeDay = TextSize(dc.get(), " 99");
        m_sizeMinCell.cx = std::max(m_sizeMinCell.cx, sizeDay.cx);
        m_sizeMinCell.cy = std::max(m_sizeMinCell.cy, sizeDay.cy);
        // The seven days of any week: 1 January 2006 was a Sunday.
        for (int i = 0; i < kDaysInWeek; ++i) {
            const CSize size = TextSize(dc.get(),
                                        COleDateTime(2006, 1, 1 + i, 0, 0, 0).Format("%a"));
            m_sizeMinCell.cx = std::max(m_sizeMinCell.cx, size.cx);
            m_sizeMinCell.cy = std::max(m_sizeMinCell.cy, size.cy);
        }
    }
    m_sizeMinCell += CSize(2, 2);
    m_sizeCell = m_sizeMinCell;
    // RebuildButtons shows the date, which also puts the keyboard cursor (the anchor) on it: the
    // arrows then start from the day the calendar shows, not from today.
    RebuildButtons();
    AdjustLocations();
    return 0;
}

void CZAVPCalendarBar::OnDestroy()
{
    StopRepeat();
    CZAVPPopupMenuBar::OnDestroy();
}

// ---- month names and date arithmetic

LPCSTR CZAVPCalendarBar::GetMonthName(int nMonth)
{
    if (nMonth < 1 || nMonth > ZAVPPaneSharedData::kMonthCount) return nullptr;
    CString* names = ZAVPPaneSharedData::CalendarMonthNames();
    if (names[0].IsEmpty()) {
        ZAVPUserTimeLocale locale;
        const int nYear = COleDateTime::GetCurrentTime().GetYear();
        for (int i = 0; i < ZAVPPaneSharedData::kMonthCount; ++i)
            names[i] = COleDateTime(nYear, i + 1, 1, 0, 0, 0).Format("%B");
    }
    return names[nMonth - 1];
}

int CZAVPCalendarBar::GetDaysInMonth(const COleDateTime& date)
{
    return ZAVPCalendarMath::GetDaysInMonth(date);
}

int CZAVPCalendarBar::GetWeekOfYear(const COleDateTime& date, int nFirstDayOfWeek)
{
    return ZAVPCalendarMath::GetWeekOfYear(date, nFirstDayOfWeek);
}

// ---- buttons

void CZAVPCalendarBar::RebuildButtons()
{
    if (m_hWnd == nullptr) return;
    RemoveAllButtons();
    InsertButton(new CCalendarTodayButton);
    InsertButtonCopy(CCalendarMonthButton());
    if (m_dwOptions & OptionNavigateButtons)
        for (int i = 0; i < 4; ++i) InsertButton(new CCalendarNavigateButton(i));
    for (int i = 0; i < kDaysInWeek; ++i) InsertButton(new CCalendarWeekButton);
    if (m_dwOptions & OptionWeekNumbers)
        for (int i = 0; i < kWeekRows; ++i) InsertButton(new CCalendarWeekNumButton);
    InsertSeparator();
    for (int i = 0; i < ZAVPCalendarMath::kGridDays; ++i) InsertButton(new CZAVPCalendarButton);
    // Every button is new: SetDate gives each its date.
    const COleDateTime date = m_date;
    m_date.SetStatus(COleDateTime::invalid);
    SetDate(date);
}

CZAVPCalendarButton* CZAVPCalendarBar::GetDayButton(int nDay) const
{
    int nFound = 0;
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->GetRuntimeClass() != RUNTIME_CLASS(CZAVPCalendarButton)) continue;
        CZAVPCalendarButton* pDay = static_cast<CZAVPCalendarButton*>(pButton);
        if (nFound == 0 && pDay->GetDate().GetDay() != 1) continue;  // before the 1st
        if (++nFound == nDay) return pDay;
    }
    return nullptr;
}

// ---- dates

CRect CZAVPCalendarBar::HeaderRect() const
{
    CRect rect;
    GetClientRect(rect);
    rect.bottom = rect.top + m_nHeaderHeight;
    return rect;
}

CRect CZAVPCalendarBar::MonthCaptionRect(const CString& strMonth)
{
    CRect rectHeader = HeaderRect();
    rectHeader.bottom = rectHeader.top + m_nHeaderHeight - 1;
    FontDC dc;
    const int nWidth = TextSize(dc.get(), strMonth).cx + m_nHeaderHeight;
    CRect rect(rectHeader.CenterPoint().x - nWidth / 2, rectHeader.top,
               rectHeader.CenterPoint().x - nWidth / 2 + nWidth, rectHeader.bottom);
    rect.DeflateRect(0, 1);
    return rect;
}

void CZAVPCalendarBar::SetDate(const COleDateTime& date)
{
    const int nOldYear = m_date.GetYear(), nOldMonth = m_date.GetMonth();
    m_date = date;
    if (m_hWnd == nullptr) return;
    m_dateAnchor = date;

    const COleDateTime first = ZAVPCalendarMath::GridStart(date, m_nFirstDayOfWeek);
    InvalidateRect(HeaderRect());
    const BOOL bMultiple = (m_dwOptions & OptionMultipleSelection) != 0;
    const COleDateTime today = COleDateTime::GetCurrentTime();
    // The week-day headers take their names in the user's locale, as they were measured.
    ZAVPUserTimeLocale locale;
    int nWeekNum = 0, nNavigate = 0, nHeader = 0, nDay = 0;
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->IsSeparator()) continue;
        if (CCalendarMonthButton* pMonth = dynamic_cast<CCalendarMonthButton*>(pButton)) {
            InvalidateRect(pMonth->m_rect);
            const LPCSTR lpszName = GetMonthName(date.GetMonth());
            pMonth->m_strText = lpszName != nullptr ? lpszName : "";
            pMonth->m_nStyle |= TBBS_DISABLED;
            pMonth->SetRect(MonthCaptionRect(pMonth->m_strText));
            InvalidateRect(pMonth->m_rect);
            continue;
        }
        CZAVPCalendarButton* pDate = dynamic_cast<CZAVPCalendarButton*>(pButton);
        if (pDate == nullptr) continue;
        const auto days = [](int n) { return COleDateTimeSpan(n, 0, 0, 0); };
        if (CCalendarWeekNumButton* pWeek = dynamic_cast<CCalendarWeekNumButton*>(pDate)) {
            pWeek->SetDate(first + days(6 + kDaysInWeek * nWeekNum++));
            const BOOL bEnabled = bMultiple && m_bIsStandalone && (m_dwOptions & OptionWeekNumbers);
            pWeek->m_nStyle = bEnabled ? pWeek->m_nStyle & ~TBBS_DISABLED
                                       : pWeek->m_nStyle | TBBS_DISABLED;
        } else if (dynamic_cast<CCalendarTodayButton*>(pDate) != nullptr) {
            pDate->SetDate(today);
            pDate->m_nStyle &= ~TBBS_DISABLED;
        } else if (CCalendarNavigateButton* pNav = dynamic_cast<CCalendarNavigateButton*>(pDate)) {
            pNav->SetDate(ZAVPCalendarMath::NavigateTarget(date, pNav->GetIndex(), FALSE));
            pNav->m_nStyle &= ~TBBS_DISABLED;
            ++nNavigate;
        } else if (dynamic_cast<CCalendarWeekButton*>(pDate) != nullptr) {
            pDate->SetDate(first + days(kDaysInWeek + nHeader++));
            const BOOL bEnabled = bMultiple && (m_dwOptions & OptionSelectWeekDays);
            pDate->m_nStyle = bEnabled ? pDate->m_nStyle & ~TBBS_DISABLED
                                       : pDate->m_nStyle | TBBS_DISABLED;
        } else {
            pDate->SetDate(first + days(nDay++));
            pDate->m_nStyle = m_bIsEnabled ? pDate->m_nStyle & ~TBBS_DISABLED
                                           : pDate->m_nStyle | TBBS_DISABLED;
        }
    }
    if (date.GetYear() != nOldYear || date.GetMonth() != nOldMonth) OnSelectionChanged();
}

BOOL CZAVPCalendarBar::IsDateSelected(const COleDateTime& date) const
{
    if (date.GetStatus() != COleDateTime::valid || date.GetMonth() != m_date.GetMonth() ||
        date.GetYear() != m_date.GetYear())
        return FALSE;
    if (m_bIsStandalone) return ZAVPCalendarMath::IsDaySelected(m_lstSelectedDays, date.GetDay());
    return ZAVPCalendarMath::IsSameDay(date, m_date);
}

void CZAVPCalendarBar::InvalidateDay(int nDay)
{
    if (m_hWnd == nullptr) return;
    if (CZAVPCalendarButton* pButton = GetDayButton(nDay)) {
        CRect rect = pButton->m_rect;
        rect.InflateRect(2, 2);
        InvalidateRect(rect);
    }
}

BOOL CZAVPCalendarBar::AddDay(int nDay)
{
    if (!ZAVPCalendarMath::AddSelectedDay(m_lstSelectedDays, nDay)) return FALSE;
    InvalidateDay(nDay);
    return TRUE;
}

BOOL CZAVPCalendarBar::RemoveDay(int nDay)
{
    if (!ZAVPCalendarMath::RemoveSelectedDay(m_lstSelectedDays, nDay)) return FALSE;
    InvalidateDay(nDay);
    return TRUE;
}

void CZAVPCalendarBar::ClearSelection()
{
    while (!m_lstSelectedDays.IsEmpty()) InvalidateDay(m_lstSelectedDays.RemoveHead());
}

void CZAVPCalendarBar::SelectDate(const COleDateTime& date, BOOL bToggle, BOOL bRange)
{
    const BOOL bMultiple = (m_dwOptions & OptionMultipleSelection) != 0;
    if (!bMultiple || (!bToggle && !bRange)) {
        ClearSelection();
        m_dateAnchor = date;
        AddDay(date.GetDay());
        if (!m_bIsStandalone) SetDate(date);
    } else if (date.GetMonth() == m_date.GetMonth() && date.GetYear() == m_date.GetYear()) {
        if (bToggle) {
            if (!RemoveDay(date.GetDay())) {
                m_dateAnchor = date;
                AddDay(date.GetDay());
            }
        } else {
            SelectRange(date);
        }
    }
    OnSelectionChanged();
}

void CZAVPCalendarBar::SelectRange(const COleDateTime& date)
{
    int nFirst = 0, nLast = 0;
    ZAVPCalendarMath::RangeFor(m_lstSelectedDays, date.GetDay(), nFirst, nLast);
    ClearSelection();
    for (int nDay = nFirst; nDay <= nLast; ++nDay) {
        AddDay(nDay);
        m_dateAnchor = date;
    }
}

void CZAVPCalendarBar::SelectWeekDays(const COleDateTime& date, BOOL bToggle, BOOL bRange)
{
    if (!(m_dwOptions & OptionMultipleSelection)) return;
    if (!bToggle && !bRange) ClearSelection();
    const int nDays = GetDaysInMonth(m_date);
    for (int nDay = 1; nDay <= nDays; ++nDay) {
        const COleDateTime day = ZAVPCalendarMath::MakeDateClamped(m_date.GetYear(),
                                                                   m_date.GetMonth(), nDay, m_date);
        if (day.GetDayOfWeek() != date.GetDayOfWeek()) continue;
        if (!bRange && RemoveDay(nDay)) continue;
        AddDay(nDay);
        m_dateAnchor = day;
    }
    if (m_hWnd != nullptr) RedrawWindow();
    OnSelectionChanged();
}

void CZAVPCalendarBar::SelectWeek(const COleDateTime& date, BOOL bToggle, BOOL bRange)
{
    if (!(m_dwOptions & OptionMultipleSelection)) return;
    if (!bToggle && !bRange) ClearSelection();
    const int nWeek = GetWeekOfYear(date, m_nFirstDayOfWeek);
    const int nDays = GetDaysInMonth(m_date);
    for (int nDay = 1; nDay <= nDays; ++nDay) {
        const COleDateTime day = ZAVPCalendarMath::MakeDateClamped(m_date.GetYear(),
                                                                   m_date.GetMonth(), nDay, m_date);
        if (GetWeekOfYear(day, m_nFirstDayOfWeek) != nWeek) continue;
        if (!bRange && RemoveDay(nDay)) continue;
        AddDay(nDay);
        m_dateAnchor = day;
    }
    if (m_hWnd != nullptr) RedrawWindow();
    OnSelectionChanged();
}

void CZAVPCalendarBar::OnSelectionChanged()
{
    if (!m_bIsStandalone || m_hWnd == nullptr) return;
    HWND hwndTarget = ::GetWindow(m_hWnd, GW_OWNER);
    if (hwndTarget == nullptr) hwndTarget = ::GetParent(m_hWnd);
    if (hwndTarget != nullptr)
        ::SendMessageA(hwndTarget, ZAVPRegisteredMessages::CalendarOnSelChanged, 0, (LPARAM)m_hWnd);
}

// ---- layout

void CZAVPCalendarBar::RecalcCellSize()
{
    CRect rectClient;
    GetClientRect(rectClient);
    m_nWeekColumnWidth = GetMenuImageSize().cx +
                         2 * CZAVPVisualManager::GetInstance()->GetMenuImageMargin() + 1;
    m_sizeCell.cx = std::max<LONG>(m_sizeMinCell.cx,
                                   (rectClient.Width() - m_nWeekColumnWidth) / kDaysInWeek - 1);
    m_sizeCell.cy = std::max<LONG>(m_sizeMinCell.cy,
                                   (rectClient.Height() - m_nHeaderHeight - 2) / kDaysInWeek - 1);
    AdjustLocations();
    SetWindowPos(&wndTop, 0, 0, 0, 0, kTopNoMove);
}

CSize CZAVPCalendarBar::CalcSize(BOOL)
{
    FontDC dc;
    int nWidest = 0;
    for (int nMonth = 1; nMonth <= ZAVPPaneSharedData::kMonthCount; ++nMonth)
        nWidest = std::max(nWidest, (int)TextSize(dc.get(), GetMonthName(nMonth)).cx);
    const int nYear = TextSize(dc.get(), "0000").cx;
    const int nWidth = std::max(8 * m_sizeCell.cx, nYear + 4 * m_sizeCell.cx + nWidest) +
                       2 * kMargin;
    const int nHeight = kDaysInWeek * m_sizeCell.cy + 2 * kMargin + kCalcSizeExtraHeight +
                        m_nHeaderHeight;
    return CSize(nWidth, nHeight);
}

void CZAVPCalendarBar::AdjustLocations()
{
    if (m_hWnd == nullptr) return;
    m_sizeCell.cx = std::max(m_sizeCell.cx, m_sizeMinCell.cx);
    m_sizeCell.cy = std::max(m_sizeCell.cy, m_sizeMinCell.cy);
    FontDC dc;
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.get()->GetSafeHdc(), &tm);
    m_nHeaderHeight = tm.tmHeight + 2 * kMargin;

    const int nMenuImage = GetMenuImageSize().cx;
    const int nImageMargin = CZAVPVisualManager::GetInstance()->GetMenuImageMargin();
    m_nWeekColumnWidth = nMenuImage + 2 * nImageMargin + 1;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect r = rectClient;
    r.DeflateRect(kMargin, kMargin);
    r.top += m_nHeaderHeight;
    const int x0 = rectClient.left + nMenuImage + 2 * nImageMargin + 2 * kMargin;
    const CSize cell = m_sizeCell;

    int nWidestMonth = 0;
    for (int nMonth = 1; nMonth <= ZAVPPaneSharedData::kMonthCount; ++nMonth)
        nWidestMonth = std::max(nWidestMonth, (int)TextSize(dc.get(), GetMonthName(nMonth)).cx);
    const int m = nWidestMonth + m_nHeaderHeight;
    CRect rectBand(rectClient.CenterPoint().x - (m - 2) / 2, rectClient.top,
                   rectClient.CenterPoint().x - (m - 2) / 2 + (m - 2),
                   rectClient.top + m_nHeaderHeight);
    rectBand.DeflateRect(0, 2);
    const int h = rectBand.Height();

    int nHeader = 0, nWeek = 0, nDay = 0;
    BOOL bFirstSeparator = TRUE;
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        CRect rect;
        if (pButton->IsSeparator()) {
            if (bFirstSeparator) rect.SetRect(x0, r.top + cell.cy, r.right, r.top + cell.cy + 2);
            bFirstSeparator = FALSE;
        } else if (dynamic_cast<CCalendarMonthButton*>(pButton) != nullptr) {
            rect = MonthCaptionRect(pButton->m_strText);
        } else if (dynamic_cast<CCalendarTodayButton*>(pButton) != nullptr) {
            rect.SetRect(rectClient.left, rectClient.top, rectClient.left + m_nHeaderHeight - 1,
                         rectClient.top + m_nHeaderHeight - 1);
            rect.DeflateRect(1, 1);
        } else if (CCalendarNavigateButton* pNav = dynamic_cast<CCalendarNavigateButton*>(pButton))
        {
            const int xLeft[] = {rectBand.left - 2 * h, rectBand.left - h, rectBand.right,
                                 rectBand.right + h};
            const int k = pNav->GetIndex() & 3;
            rect.SetRect(xLeft[k], rectBand.top, xLeft[k] + h, rectBand.top + h);
        } else if (dynamic_cast<CCalendarWeekButton*>(pButton) != nullptr) {
            const int x = x0 + nHeader++ * cell.cx;
            rect.SetRect(x, r.top, x + cell.cx, r.top + cell.cy);
        } else if (dynamic_cast<CCalendarWeekNumButton*>(pButton) != nullptr) {
            const int nRow = ++nWeek;
            const int y = r.top + nRow * cell.cy + 2;
            rect.SetRect(kMargin / 2, y, nMenuImage + 2 * nImageMargin - kMargin + kMargin / 2,
                         y + cell.cy);
        } else {
            const int n = nDay++;
            const int x = x0 + (n % kDaysInWeek) * cell.cx;
            const int y = r.top + (n / kDaysInWeek + 1) * cell.cy + 2;
            rect.SetRect(x, y, x + cell.cx, y + cell.cy);
        }
        pButton->SetRect(rect);
    }
    UpdateTooltips();
}

void CZAVPCalendarBar::OnSize(UINT nType, int cx, int cy)
{
    CZAVPPopupMenuBar::OnSize(nType, cx, cy);
    // Only a control is sized from outside; a bar or a popup asks for its own size (CalcSize),
    // and growing its cells from that size again would grow it on every layout.
    if (m_bControlMode) RecalcCellSize();
    RedrawWindow(nullptr, nullptr, kCalendarRedraw);
}

// ---- commands

void CZAVPCalendarBar::ShowCommandMessageString(UINT uiCmdId)
{
    ZAVPPickerShared::SendPrompt(m_hWnd, ZAVPPickerShared::PromptFor(uiCmdId, m_uiCommandID));
}

void CZAVPCalendarBar::OnMouseLeave()
{
    const int iOld = m_iHighlighted;
    m_iHighlighted = -1;
    if (iOld >= 0) InvalidateButton(iOld);
    ZAVPPickerShared::SendPrompt(m_hWnd, ZAVPPickerShared::kIdlePrompt);
}

BOOL CZAVPCalendarBar::OnSendCommand(const CZAVPToolbarButton* pConstButton)
{
    const CZAVPCalendarButton* pButton = dynamic_cast<const CZAVPCalendarButton*>(pConstButton);
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED)) return TRUE;
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0, bShift = ::GetKeyState(VK_SHIFT) < 0;

    CZAVPCalendarMenuButton* pMenuButton = nullptr;
    if (CZAVPPopupMenu* pPopup = dynamic_cast<CZAVPPopupMenu*>(GetParent()))
        pMenuButton = dynamic_cast<CZAVPCalendarMenuButton*>(pPopup->m_pParentBtn);

    const BOOL bMultiple = (m_dwOptions & OptionMultipleSelection) != 0;
    BOOL bPlainDay = FALSE;
    if (const CCalendarNavigateButton* pNav = dynamic_cast<const CCalendarNavigateButton*>(pButton))
    {
        SetDate(m_bIsStandalone ? pNav->GetDate()
                                : ZAVPCalendarMath::NavigateTarget(m_date, pNav->GetIndex(), TRUE));
        return TRUE;
    } else if (dynamic_cast<const CCalendarWeekButton*>(pButton) != nullptr) {
        if (m_bIsStandalone && bMultiple && (m_dwOptions & OptionSelectWeekDays))
            SelectWeekDays(pButton->GetDate(), bCtrl, bShift);
    } else if (dynamic_cast<const CCalendarWeekNumButton*>(pButton) != nullptr) {
        if (m_bIsStandalone && bMultiple && (m_dwOptions & OptionWeekNumbers))
            SelectWeek(pButton->GetDate(), bCtrl, bShift);
    } else if (pButton->IsDayCell() ||
               dynamic_cast<const CCalendarTodayButton*>(pButton) != nullptr) {
        SelectDate(pButton->GetDate(), bCtrl, bShift);
        bPlainDay = !bCtrl && !bShift;
    }

    if (pMenuButton != nullptr) {
        pMenuButton->SetDate(m_date, TRUE);
        InvokeMenuCommand(pMenuButton->m_nID, pMenuButton);
        return TRUE;
    }
    if (!bPlainDay) return TRUE;
    const COleDateTime date = pButton->GetDate();
    SetDate(date);
    if (IsRealCommand(m_uiCommandID)) {
        for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_uiCommandID, nullptr))
            if (CZAVPCalendarMenuButton* pPeer = dynamic_cast<CZAVPCalendarMenuButton*>(pButton))
                pPeer->SetDate(date, FALSE);
        ZAVPPaneSharedData::CommandDates()[m_uiCommandID] = date;
        CWnd* pTarget = GetOwner();
        if (pTarget == nullptr) pTarget = GetParent();
        if (pTarget != nullptr) pTarget->SendMessage(WM_COMMAND, m_uiCommandID);
    }
    if (CWnd* pFrame = GetTopLevelFrame())
        if (pFrame->GetSafeHwnd() != nullptr) pFrame->SetFocus();
    return TRUE;
}

void CZAVPCalendarBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    ZAVPPickerShared::UpdateCommandState(*this, m_uiCommandID, pTarget, bDisableIfNoHndler,
                                         m_bIsEnabled, RUNTIME_CLASS(CZAVPCalendarButton));
    CZAVPToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

LRESULT CZAVPCalendarBar::OnIdleUpdate(WPARAM wParam, LPARAM lParam)
{
    // Unlike a menu, a calendar follows its command's state.
    return CZAVPBaseControlBar::OnIdleUpdateCmdUI(wParam, lParam);
}

// ---- keys

BOOL CZAVPCalendarBar::OnKey(UINT nChar)
{
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0, bShift = ::GetKeyState(VK_SHIFT) < 0;
    int nStep = 0;
    switch (nChar) {
    case VK_PRIOR: SetDate(ZAVPCalendarMath::PageStep(m_date, FALSE, bCtrl)); break;
    case VK_NEXT: SetDate(ZAVPCalendarMath::PageStep(m_date, TRUE, bCtrl)); break;
    case VK_HOME:
        SetDate(COleDateTime::GetCurrentTime());
        SelectDate(m_date, FALSE, FALSE);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (bCtrl) return CZAVPPopupMenuBar::OnKey(nChar);
        nStep = nChar == VK_LEFT ? -1 : 1;
        break;
    case VK_UP:
    case VK_DOWN:
        if (bCtrl) return TRUE;
        nStep = nChar == VK_UP ? -kDaysInWeek : kDaysInWeek;
        break;
    default: return CZAVPPopupMenuBar::OnKey(nChar);
    }
    if (nStep != 0) {
        SelectDate(m_dateAnchor + COleDateTimeSpan(nStep, 0, 0, 0), FALSE, bShift);
        SetDate(m_dateAnchor);
    }
    if (m_hWnd != nullptr) RedrawWindow();
    return TRUE;
}

BOOL CZAVPCalendarBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_bIsStandalone && pMsg->message == WM_KEYDOWN && OnKey((UINT)pMsg->wParam)) return TRUE;
    return CZAVPToolBar::PreTranslateMessage(pMsg);
}

// ---- mouse and auto-repeat

void CZAVPCalendarBar::StopRepeat()
{
    if (m_nRepeatTimer != 0 && m_hWnd != nullptr) KillTimer(kRepeatTimerId);
    m_nRepeatTimer = 0;
}

void CZAVPCalendarBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    const HWND hwnd = m_hWnd;
    CZAVPPopupMenuBar::OnLButtonDown(nFlags, point);
    if (!::IsWindow(hwnd)) return;
    // A popup keeps the keyboard where the menu put it.
    if (m_bIsStandalone) SetFocus();
    const int iHit = HitTest(point);
    CZAVPToolbarButton* pButton = GetButton(iHit);
    if (dynamic_cast<CCalendarNavigateButton*>(pButton) != nullptr &&
        !(pButton->m_nStyle & TBBS_DISABLED))
    {
        m_iPressedNavigate = iHit;
        SetCapture();
        InvalidateButton(iHit);
        m_nRepeatDelay = ZAVPCalendarMath::kRepeatFirstDelayMs;
        m_nRepeatTimer = SetTimer(kRepeatTimerId, (UINT)m_nRepeatDelay, nullptr);
    } else if (dynamic_cast<CCalendarMonthButton*>(pButton) != nullptr) {
        m_iHighlighted = -1;
        InvalidateButton(iHit);
    }
}

void CZAVPCalendarBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The second click of a double click is one more click.
    OnLButtonDown(nFlags, point);
}

void CZAVPCalendarBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRepeatTimerId) {
        CZAVPPopupMenuBar::OnTimer(nIDEvent);
        return;
    }
    if (m_nRepeatTimer == 0) return;  // a tick that was already queued when the button went up
    if (m_nRepeatDelay > ZAVPCalendarMath::kRepeatMinDelayMs) {
        m_nRepeatDelay = ZAVPCalendarMath::NextRepeatDelay(m_nRepeatDelay);
        KillTimer(kRepeatTimerId);
        m_nRepeatTimer = SetTimer(kRepeatTimerId, (UINT)m_nRepeatDelay, nullptr);
    }
    if (const CCalendarNavigateButton* pNav = dynamic_cast<const CCalendarNavigateButton*>(
            GetButton(m_iPressedNavigate)))
    {
        SetDate(m_bIsStandalone ? pNav->GetDate()
                                : ZAVPCalendarMath::NavigateTarget(m_date, pNav->GetIndex(), TRUE));
        RedrawWindow();
    }
}

void CZAVPCalendarBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    const HWND hwnd = m_hWnd;
    CZAVPPopupMenuBar::OnMouseMove(nFlags, point);
    if (!::IsWindow(hwnd)) return;
    if (m_nRepeatTimer != 0 && ::GetCapture() == m_hWnd && HitTest(point) < 0) StopRepeat();
}

void CZAVPCalendarBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || m_bMouseInCustomizeMode) return;
    StopRepeat();
    const HWND hwnd = m_hWnd;
    CZAVPPopupMenuBar::OnLButtonUp(nFlags, point);
    if (!::IsWindow(hwnd)) return;
    m_iPressedNavigate = -1;
    if (m_bIsStandalone) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = m_iHot;
        if (iOld >= 0) InvalidateButton(iOld);
        if (m_iHighlighted >= 0) InvalidateButton(m_iHighlighted);
    }
}

int CZAVPCalendarBar::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }

// ---- painting

void CZAVPCalendarBar::OnFillBackground(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const CRect rectWeeks(rectClient.left, rectClient.top + m_nHeaderHeight,
                          rectClient.left + m_nWeekColumnWidth, rectClient.bottom);
    pManager->OnFillCalendarBarBackground(pDC, rectWeeks, m_clrWeekNumCurrent, m_clrWeekNumOther);
    CRect rectHeader = HeaderRect();
    m_clrHeaderText = pManager->OnDrawCalendarBarFrame(pDC, rectHeader);

    const CString strYear = m_date.Format("%Y");
    const COLORREF clrOld = pDC->SetTextColor(m_clrHeaderText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    rectHeader.DeflateRect(kMargin, 0);
    pDC->DrawText(strYear, rectHeader, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

void CZAVPCalendarBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL)
{
    CZAVPVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, TRUE);
}

void CZAVPCalendarBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bControlMode) {
        if (GetStyle() & WS_BORDER) ::InflateRect(&lpncsp->rgrc[0], -1, -1);
        return;
    }
    if (m_bIsStandalone)
        CZAVPToolBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    else
        CZAVPPopupMenuBar::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CZAVPCalendarBar::OnNcPaint()
{
    if (m_bControlMode) {
        if (GetStyle() & WS_BORDER) CZAVPVisualManager::GetInstance()->OnDrawControlBorder(this);
        return;
    }
    if (m_bIsStandalone)
        CZAVPToolBar::OnNcPaint();
    else
        CZAVPPopupMenuBar::OnNcPaint();
}

INT_PTR CZAVPCalendarBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return ZAVPPickerShared::CustomToolTipHitTest(const_cast<CZAVPCalendarBar*>(this), point, pTI);
}
