// The mini frames' share of the stored docking layout: each floating frame is written as an
// archived object and read back as a new window of its frame, hidden until its bar returns. A
// frame staged from a layout that is refused later is destroyed again.
#pragma once

#include "ui/docking/layout/DockLayoutCodec.h"

class CFrameWnd;

class ZAVPMiniFrameLayoutParts : public DockLayout::DockLayoutNested
{
public:
    explicit ZAVPMiniFrameLayoutParts(CFrameWnd* pFrame) : m_pFrame(pFrame) {}
    // A mini frame (or a class derived from it) only; anything else refuses the image.
    CObject* LoadMiniFrame(CArchive& ar) override;
    // An object tag, then style, rectangle, visibility, bar id, caption buttons and pin state.
    size_t MinMiniFrameBytes() const override { return 2 + 4 + 16 + 4 + 4 + 4 + 4; }
    // A staged window is destroyed (it deletes itself); a bare object is deleted.
    void Discard(CObject* pStaged) override;

private:
    CFrameWnd* m_pFrame;  // the parent of the frames read
};
