// The hourglass for the life of a scope (the application's wait-cursor count).
#pragma once

class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();  // shows the hourglass again after something changed the cursor
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
