// A month calendar built as a button bar: day cells, week-day headers, week numbers, a today
// button, four navigate buttons and the month caption are all buttons of the bar, laid out by
// it. It lives inside the calendar drop-down popup, as a bar of its own, or as a child control.
// The date arithmetic is in ZAVPCalendarMath; the drop-down button is CZAVPCalendarMenuButton.
#pragma once

#include "framework/CList.h"
#include "framework/COleDateTime.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"

class CZAVPCalendarButton;

class CZAVPCalendarBar : public CZAVPPopupMenuBar
{
    DECLARE_SERIAL(CZAVPCalendarBar)
public:
    // Option bits (the default is 27: 1, 2, 8 and 16).
    enum Options : DWORD
    {
        OptionSelectWeekDays = 1,     // a week-day header selects that day in every week
        OptionWeekNumbers = 2,        // the week-number column is shown (and clickable)
        OptionMultipleSelection = 4,  // set only by the last argument of the creators
        OptionReserved = 8,           // set by default, tested nowhere
        OptionNavigateButtons = 16,
        kDefaultOptions = 27,
    };
    static const int kMargin = 4;  // vertical and horizontal margin, never changed

    // A standalone bar showing the current local time, with no command.
    CZAVPCalendarBar();
    // The bar inside a calendar popup (not standalone). The host link is never given here.
    CZAVPCalendarBar(const COleDateTime& date, UINT uiCommandID, CWnd* pHost = nullptr);
    // A standalone copy of another bar's date (a torn-off popup).
    CZAVPCalendarBar(const CZAVPCalendarBar& src, UINT uiCommandID, BOOL bMultipleSelection);
    ~CZAVPCalendarBar() override;

    // The toolbar archive, then the standalone flag and the command id (32-bit each).
    void Serialize(CArchive& ar) override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, BOOL bMultipleSelection);
    virtual BOOL CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID,
                               BOOL bMultipleSelection,
                               DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER);
    // A standalone bar tells its owner (else its parent) "ZAVM_CALENDAR_ON_SELCHANGED".
    virtual void OnSelectionChanged();
    // Builds every button again (needs the window), then shows the date.
    virtual void RebuildButtons();

    // ---- dates and selection
    void SetDate(const COleDateTime& date);
    void SelectDate(const COleDateTime& date, BOOL bToggle = FALSE, BOOL bRange = FALSE);
    BOOL IsDateSelected(const COleDateTime& date) const;
    void SelectRange(const COleDateTime& date);
    void SelectWeekDays(const COleDateTime& date, BOOL bToggle, BOOL bRange);
    void SelectWeek(const COleDateTime& date, BOOL bToggle, BOOL bRange);
    void ClearSelection();
    const COleDateTime& GetDate() const { return m_date; }
    const COleDateTime& GetAnchorDate() const { return m_dateAnchor; }
    const CList<int, int>& GetSelectedDays() const { return m_lstSelectedDays; }
    BOOL IsDayMarked(int nDay) const { return m_lstMarkedDays.Find(nDay) != nullptr; }
    UINT GetCommandID() const { return m_uiCommandID; }
    void SetCommandID(UINT uiCommandID) { m_uiCommandID = uiCommandID; }
    BOOL IsStandalone() const { return m_bIsStandalone; }
    DWORD GetOptions() const { return m_dwOptions; }
    CSize GetCellSize() const { return m_sizeCell; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    // What the look gave the week strip and the header while painting.
    COLORREF GetWeekNumberColor(BOOL bCurrentMonth) const
    {
        return bCurrentMonth ? m_clrWeekNumCurrent : m_clrWeekNumOther;
    }
    COLORREF GetHeaderTextColor() const { return m_clrHeaderText; }
    // The day cell of the day in the shown month, null when none.
    CZAVPCalendarButton* GetDayButton(int nDay) const;

    // The month's name under the user's time locale (1..12), null otherwise.
    static LPCSTR GetMonthName(int nMonth);
    static int GetDaysInMonth(const COleDateTime& date);
    static int GetWeekOfYear(const COleDateTime& date, int nFirstDayOfWeek);

    // ---- toolbar slots
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    CSize CalcSize(BOOL bVertDock) override;
    void OnFillBackground(CDC* pDC) override;
    void AdjustLocations() override;
    BOOL OnSendCommand(const CZAVPToolbarButton* pButton) override;
    BOOL OnKey(UINT nChar) override;
    void ShowCommandMessageString(UINT uiCmdId) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz) override;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnSize(UINT nType, int cx, int cy);
    void OnMouseLeave();
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);

    void Construct(const COleDateTime& date, UINT uiCommandID, BOOL bStandalone);
    void RecalcCellSize();
    // Adds or removes a day and repaints its cell; FALSE when nothing changed.
    BOOL AddDay(int nDay);
    BOOL RemoveDay(int nDay);
    void InvalidateDay(int nDay);
    // The header band (client top, header height high) and the month caption's rectangle in it.
    CRect HeaderRect() const;
    CRect MonthCaptionRect(const CString& strMonth);
    void StopRepeat();

    CList<int, int> m_lstSelectedDays;  // days of the shown month, ascending, no duplicates
    CList<int, int> m_lstMarkedDays;    // days drawn bold; nothing adds to it
    CSize m_sizeCell;                   // current cell size
    CSize m_sizeMinCell;                // from the text measured at creation
    COleDateTime m_date;                // the shown date; its month is the current month
    COleDateTime m_dateAnchor;          // start of ranges, keyboard cursor
    UINT m_uiCommandID;                 // 0 or -1: none
    BOOL m_bIsEnabled;                  // the last command-UI result
    BOOL m_bIsStandalone;
    CWnd* m_pHost;  // a window hosting the bar as its drop-down: never set
    int m_nWeekColumnWidth;
    int m_nHeaderHeight;
    COLORREF m_clrHeaderText;
    COLORREF m_clrWeekNumCurrent;
    COLORREF m_clrWeekNumOther;
    DWORD m_dwOptions;
    int m_nFirstDayOfWeek;         // 1 Sunday, fixed
    BOOL m_bControlMode;           // made by CreateControl
    BOOL m_bMouseInCustomizeMode;  // always FALSE: the mouse is ignored while customising
    UINT_PTR m_nRepeatTimer;       // 0 when no timer runs
    int m_nRepeatDelay;            // ms
    int m_iPressedNavigate;        // the navigate button held down, -1

    DECLARE_MESSAGE_MAP()
};
