// How many windows the reading of one stored docking layout may make (sliders, floating frames,
// tabbed bars made from records). A value from the registry is not trusted to stay within what
// the program could ever have stored: past the budget the layout is refused like any damaged
// one, and whatever it had made goes with it.
#pragma once

class ZAVPLayoutWindowBudget
{
public:
    // Opens a budget of nWindows for the reading that follows, until the object goes.
    explicit ZAVPLayoutWindowBudget(int nWindows);
    ~ZAVPLayoutWindowBudget();
    ZAVPLayoutWindowBudget(const ZAVPLayoutWindowBudget&) = delete;
    ZAVPLayoutWindowBudget& operator=(const ZAVPLayoutWindowBudget&) = delete;

    // Called before a record makes a window: raises CArchiveException when the open budget is
    // spent. Outside a reading there is no limit.
    static void Take();

    // Far more than a frame's panes, sliders and floating frames can come to.
    static const int kLayoutWindows = 256;

private:
    int m_nSaved;
    static int s_nLeft;  // -1: no budget open
};
