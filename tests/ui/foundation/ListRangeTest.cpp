// The typed walks over object lists: which objects each visits, in which order, what a list of
// the wrong content reports, and taking the current object out during the walk.
#include <gtest/gtest.h>

#include <string>

#include "framework/CFrameWnd.h"
#include "framework/CObList.h"
#include "framework/CPtrList.h"
#include "framework/CWnd.h"
#include "support/ExpectedFaults.h"
#include "ui/foundation/ZAVPListRange.h"

namespace
{
// The objects are told apart by the text of a window that is never created.
struct Objects
{
    CWnd a, b;
    CFrameWnd frame;
    CObList notAWindow;
    std::string Name(const CObject* p) const
    {
        return p == &a            ? "a"
               : p == &b          ? "b"
               : p == &frame      ? "frame"
               : p == &notAWindow ? "list"
                                  : "?";
    }
};

template <class RANGE>
std::string Visit(const Objects& o, const RANGE& range)
{
    std::string text;
    for (auto* p : range) text += o.Name(p) + " ";
    return text;
}
}  // namespace

TEST(ListRange, OfKindVisitsTheObjectsOfThatKindInOrder)
{
    Objects o;
    CObList list;
    for (CObject* p : {(CObject*)&o.a, (CObject*)&o.notAWindow, (CObject*)nullptr,
                       (CObject*)&o.frame, (CObject*)&o.b})
        list.AddTail(p);
    EXPECT_EQ("a frame b ", Visit(o, OfKind<CWnd>(list)));
    EXPECT_EQ("frame ", Visit(o, OfKind<CFrameWnd>(list)));
    EXPECT_EQ("list ", Visit(o, OfKind<CObList>(list)));
    CObList empty;
    EXPECT_EQ("", Visit(o, OfKind<CWnd>(empty)));
    CPtrList ptrs;
    ptrs.AddTail(&o.notAWindow);
    ptrs.AddTail(static_cast<CObject*>(&o.frame));
    EXPECT_EQ("frame ", Visit(o, OfKind<CWnd>(ptrs)));
}

TEST(ListRange, ListOfReportsAnObjectOfAnotherKindAndNeverHandsItOut)
{
    Objects o;
    CObList windows;
    windows.AddTail(&o.a);
    windows.AddTail(&o.frame);
    {
        ExpectedFaults faults;
        EXPECT_EQ("a frame ", Visit(o, ListOf<CWnd>(windows)));
        EXPECT_EQ(0, faults.DispatcherReports());
    }
    // (Cast: a list handed to AddTail would add its elements.)
    windows.AddTail(static_cast<CObject*>(&o.notAWindow));
    windows.AddTail(&o.b);
    ExpectedFaults faults;
    EXPECT_EQ("a frame b ", Visit(o, ListOf<CWnd>(windows)));
    EXPECT_EQ(1, faults.DispatcherReports());
}

TEST(ListRange, TheBodyMayTakeTheCurrentObjectOut)
{
    Objects o;
    CObList list;
    for (CObject* p : {(CObject*)&o.a, (CObject*)&o.notAWindow, (CObject*)&o.b, (CObject*)&o.frame})
        list.AddTail(p);
    std::string visited;
    for (CWnd* pWnd : OfKind<CWnd>(list)) {
        visited += o.Name(pWnd) + " ";
        list.RemoveAt(list.Find(pWnd));
    }
    EXPECT_EQ("a b frame ", visited);
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(&o.notAWindow, list.GetHead());
}
