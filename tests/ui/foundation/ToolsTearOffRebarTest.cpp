// User tools, tear-off menu ids and rebar band state: the marker format and its parsing, the
// free-id search, the tools' storage with class records and the lowest free id, the band blob.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "RegistryValues.h"
#include "UpperLayerFakes.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CMemFile.h"
#include "framework/CObList.h"
#include "ui/foundation/CZAVPMouseManager.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/ZAVPRebarState.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace
{
const char kRoot[] = "Software\\LornivalU2ToolsTests";
const char kPath[] = "Software\\LornivalU2ToolsTests\\State\\";

bool Contains(const std::vector<BYTE>& bytes, const char* text)
{
    const size_t n = std::strlen(text);
    for (size_t i = 0; i + n <= bytes.size(); ++i)
        if (std::memcmp(bytes.data() + i, text, n) == 0) return true;
    return false;
}

class RegistryScope : public ::testing::Test
{
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, kRoot); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kRoot); }
};

// ---- tear-off ids

TEST(TearOffNameTest, MarkerIsByteOneDecimalIdByteOneThenText)
{
    CString text = "File";
    CZAVPTearOffManager::BuildTearOffName(12, text);
    EXPECT_EQ(0, std::strcmp("\x01"
                             "12"
                             "\x01"
                             "File",
                             text));

    const struct
    {
        const char* in;
        UINT id;
        const char* out;
    } cases[] = {
        {"\x01"
         "12"
         "\x01"
         "File",
         12, "File"},
        {"\x01"
         "4000"
         "\x01",
         4000, ""},
        {"File", 0, "File"},
        {"", 0, ""},
        {"\x01"
         "12File",
         0,
         "\x01"
         "12File"},  // no closing marker
        {"\x01\x01"
         "File",
         0,
         "\x01\x01"
         "File"},  // no digits
        {"\x01"
         "1x"
         "\x01"
         "File",
         0,
         "\x01"
         "1x"
         "\x01"
         "File"},  // not a number
        {"\x01"
         "0"
         "\x01"
         "File",
         0,
         "\x01"
         "0"
         "\x01"
         "File"},  // no bar has id 0
        {"\x01"
         "99999999999"
         "\x01"
         "F",
         0,
         "\x01"
         "99999999999"
         "\x01"
         "F"},  // too large
    };
    for (const auto& c : cases) {
        CString s = c.in;
        EXPECT_EQ(c.id, CZAVPTearOffManager::ParseTearOffName(s)) << c.in;
        EXPECT_STREQ(c.out, s) << c.in;
    }
}

TEST(TearOffIdsTest, FreeIdsComeInOrderAndCountsNeverGoNegative)
{
    CZAVPTearOffManager manager;
    EXPECT_EQ(0u, manager.GetFreeTearOffID());  // no range yet
    ASSERT_TRUE(manager.Initialize(100, 102));
    EXPECT_EQ(100u, manager.GetFreeTearOffID());
    EXPECT_EQ(101u, manager.GetFreeTearOffID());
    EXPECT_EQ(102u, manager.GetFreeTearOffID());
    EXPECT_EQ(0u, manager.GetFreeTearOffID());

    manager.SetInUse(101, FALSE);
    manager.SetInUse(101, FALSE);
    EXPECT_EQ(0, manager.GetUseCount(101));
    manager.SetInUse(99, TRUE);  // outside the range: ignored
    manager.SetInUse(103, TRUE);
    EXPECT_EQ(101u, manager.GetFreeTearOffID());
    manager.SetInUse(102, TRUE);
    EXPECT_EQ(2, manager.GetUseCount(102));
    manager.ResetUseCounts();
    EXPECT_EQ(100u, manager.GetFreeTearOffID());
}

TEST(TearOffIdsTest, MarkingChangesOnlyTheTextOfColumnBreakItemsAndKeepsTheirSubMenus)
{
    CZAVPTearOffManager manager;
    ASSERT_TRUE(manager.Initialize(200, 209));
    HMENU hBar = CreateMenu();
    HMENU hPlain = CreatePopupMenu();
    HMENU hTorn = CreatePopupMenu();
    HMENU hNested = CreatePopupMenu();
    AppendMenuA(hNested, MF_STRING, 3, "Leaf");
    AppendMenuA(hTorn, MF_STRING, 2, "Item");
    AppendMenuA(hTorn, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hNested, "Nested");
    AppendMenuA(hPlain, MF_STRING, 1, "Open");
    AppendMenuA(hBar, MF_POPUP, (UINT_PTR)hPlain, "Plain");
    AppendMenuA(hBar, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hTorn, "Torn");

    manager.MarkTearOffMenus(hBar);

    char text[64];
    GetMenuStringA(hBar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Plain", text);
    GetMenuStringA(hBar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("\x01"
                 "200"
                 "\x01"
                 "Torn",
                 text);
    EXPECT_EQ(hTorn, GetSubMenu(hBar, 1));
    EXPECT_NE(0u, GetMenuState(hBar, 1, MF_BYPOSITION) & MF_MENUBARBREAK);
    GetMenuStringA(hTorn, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("\x01"
                 "201"
                 "\x01"
                 "Nested",
                 text);
    EXPECT_EQ(hNested, GetSubMenu(hTorn, 1));

    // Marked items keep their ids on a second walk; resetting by menu frees exactly them.
    manager.MarkTearOffMenus(hBar);
    EXPECT_EQ(202u, manager.GetFreeTearOffID());
    manager.ResetUseCounts(hBar);
    EXPECT_EQ(0, manager.GetUseCount(200));
    EXPECT_EQ(0, manager.GetUseCount(201));
    EXPECT_EQ(1, manager.GetUseCount(202));
    DestroyMenu(hBar);
}

TEST(TearOffIdsTest, MarkingStopsWhenNoIdIsFree)
{
    CZAVPTearOffManager manager;
    ASSERT_TRUE(manager.Initialize(300, 300));
    HMENU hBar = CreateMenu();
    for (const char* name : {"A", "B"})
        AppendMenuA(hBar, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)CreatePopupMenu(), name);
    manager.MarkTearOffMenus(hBar);
    char text[64];
    GetMenuStringA(hBar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("B", text);
    DestroyMenu(hBar);
}

TEST(TearOffIdsTest, UseCountsRoundTripAndAWrongSizedArrayChangesNothing)
{
    CZAVPTearOffManager stored;
    ASSERT_TRUE(stored.Initialize(10, 12));
    stored.SetInUse(11, TRUE);
    stored.SetInUse(11, TRUE);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        stored.Serialize(ar);
    }
    const UINT n = (UINT)file.GetLength();
    std::unique_ptr<BYTE[]> bytes(file.Detach());

    CZAVPTearOffManager same;
    ASSERT_TRUE(same.Initialize(20, 22));
    {
        CMemFile in(bytes.get(), n);
        CArchive ar(&in, CArchive::load);
        same.Serialize(ar);
    }
    EXPECT_EQ(2, same.GetUseCount(21));

    CZAVPTearOffManager other;
    ASSERT_TRUE(other.Initialize(1, 5));
    other.SetInUse(1, TRUE);
    {
        CMemFile in(bytes.get(), n);
        CArchive ar(&in, CArchive::load);
        other.Serialize(ar);
    }
    EXPECT_EQ(1, other.GetUseCount(1));
    EXPECT_EQ(0, other.GetUseCount(2));

    // A truncated array raises the archive's fault and leaves the counts as they were.
    CMemFile in(bytes.get(), n - 2);
    CArchive ar(&in, CArchive::load);
    EXPECT_THROW(
        try { same.Serialize(ar); } catch (CException* e) {
            e->Delete();
            throw 1;
        },
        int);
    EXPECT_EQ(2, same.GetUseCount(21));
}

// ---- user tools

class UserToolsTest : public RegistryScope
{
protected:
    static constexpr UINT kFirst = 1000, kLast = 1004, kPlaceholder = 999;
    CZAVPUserToolsManager m_manager{kPlaceholder, kFirst, kLast, RUNTIME_CLASS(CZAVPUserTool)};
};

TEST_F(UserToolsTest, NewToolsTakeTheLowestFreeIdUntilTheRangeIsFull)
{
    for (UINT id = kFirst; id <= kLast; ++id) {
        CZAVPUserTool* pTool = m_manager.CreateNewTool();
        ASSERT_NE(nullptr, pTool);
        EXPECT_EQ(id, pTool->m_uiCmdId);
    }
    EXPECT_EQ(nullptr, m_manager.CreateNewTool());

    CZAVPUserTool* pMiddle = m_manager.FindTool(1002);
    ASSERT_NE(nullptr, pMiddle);
    EXPECT_TRUE(m_manager.RemoveTool(pMiddle));
    EXPECT_EQ(nullptr, m_manager.FindTool(1002));
    CZAVPUserTool* pNew = m_manager.CreateNewTool();
    ASSERT_NE(nullptr, pNew);
    EXPECT_EQ(1002u, pNew->m_uiCmdId);
    EXPECT_EQ(pNew, m_manager.GetUserTools().GetTail());  // appended
}

TEST_F(UserToolsTest, RemovingAToolTakesItsButtonsOffEveryToolbar)
{
    CZAVPUserTool* pTool = m_manager.CreateNewTool();
    UpperLayerFakes::CallLog().clear();
    UpperLayerFakes::TestToolBar withTool("WithTool", nullptr);
    withTool.SetCommands({kFirst, 7, kFirst});
    UpperLayerFakes::TestToolBar without("Without", nullptr);
    without.SetCommands({7});

    EXPECT_TRUE(m_manager.RemoveTool(pTool));
    EXPECT_EQ(std::vector<UINT>{7}, withTool.m_commands);
    EXPECT_EQ(std::vector<std::string>{"WithTool.AdjustLayout"}, UpperLayerFakes::CallLog());

    CZAVPUserTool stranger;
    EXPECT_FALSE(m_manager.RemoveTool(&stranger));
}

TEST_F(UserToolsTest, MovingFindingAndInvokingTools)
{
    CZAVPUserTool* pA = m_manager.CreateNewTool();
    CZAVPUserTool* pB = m_manager.CreateNewTool();
    EXPECT_FALSE(m_manager.MoveToolUp(pA));
    EXPECT_FALSE(m_manager.MoveToolDown(pB));
    EXPECT_TRUE(m_manager.MoveToolDown(pA));
    EXPECT_EQ(pB, m_manager.GetUserTools().GetHead());
    EXPECT_TRUE(m_manager.MoveToolUp(pA));
    EXPECT_EQ(pA, m_manager.GetUserTools().GetHead());

    EXPECT_EQ(nullptr, m_manager.FindTool(5));
    EXPECT_TRUE(m_manager.IsUserToolCmd(kLast));
    EXPECT_FALSE(m_manager.IsUserToolCmd(kLast + 1));
}

TEST_F(UserToolsTest, InvokingRunsTheToolOfTheCommand)
{
    CZAVPUserToolsManager manager(kPlaceholder, kFirst, kLast, RUNTIME_CLASS(RecordingUserTool));
    manager.CreateNewTool();
    manager.CreateNewTool();
    UpperLayerFakes::CallLog().clear();
    EXPECT_TRUE(manager.InvokeTool(kFirst + 1));
    EXPECT_FALSE(manager.InvokeTool(kLast));  // in the range, but no tool has it
    EXPECT_EQ(std::vector<std::string>{"UserTool::Invoke(1001)"}, UpperLayerFakes::CallLog());
}

TEST_F(UserToolsTest, ToolsAreStoredWithTheirClassRecordAndComeBack)
{
    CZAVPUserTool* pA = m_manager.CreateNewTool();
    pA->m_strLabel = "Notepad";
    pA->SetCommand("notepad.exe");
    m_manager.CreateNewTool()->m_strLabel = "Calc";
    ASSERT_TRUE(m_manager.SaveState(kPath));
    const std::vector<BYTE> blob = ReadValue(kPath, "Tools");
    EXPECT_TRUE(Contains(blob, "CZAVPUserTool"));
    EXPECT_TRUE(Contains(blob, "Notepad"));

    CZAVPUserToolsManager loaded(kPlaceholder, kFirst, kLast, RUNTIME_CLASS(CZAVPUserTool));
    loaded.CreateNewTool();  // replaced by the stored list
    ASSERT_TRUE(loaded.LoadState(kPath));
    ASSERT_EQ(2, loaded.GetUserTools().GetCount());
    CZAVPUserTool* pFirst = static_cast<CZAVPUserTool*>(loaded.GetUserTools().GetHead());
    EXPECT_STREQ("Notepad", pFirst->m_strLabel);
    EXPECT_STREQ("notepad.exe", pFirst->GetCommand());
    EXPECT_EQ(kFirst, pFirst->m_uiCmdId);
    EXPECT_EQ(kFirst + 1, loaded.FindTool(kFirst + 1) ? kFirst + 1 : 0u);
}

TEST_F(UserToolsTest, StoredListsOfOtherClassesOrBadIdsLeaveNoTools)
{
    auto storeList = [](CObList& list) {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(kPath));
        ASSERT_TRUE(reg.Write("Tools", list));
    };
    auto expectRefused = [&](const char* what) {
        CZAVPUserToolsManager manager(kPlaceholder, kFirst, kLast, RUNTIME_CLASS(CZAVPUserTool));
        manager.CreateNewTool();
        EXPECT_FALSE(manager.LoadState(kPath)) << what;
        EXPECT_EQ(0, manager.GetUserTools().GetCount()) << what;
    };

    {
        CZAVPUserTool tool;
        tool.m_uiCmdId = kFirst;
        CZAVPMouseManager foreign;  // a registered class, but not a tool
        CObList list;
        list.AddTail(&tool);
        list.AddTail(&foreign);
        storeList(list);
        expectRefused("foreign class");
    }
    {
        CZAVPUserTool a, b;
        a.m_uiCmdId = b.m_uiCmdId = kFirst;
        CObList list;
        list.AddTail(&a);
        list.AddTail(&b);
        storeList(list);
        expectRefused("duplicate id");
    }
    {
        CZAVPUserTool a;
        a.m_uiCmdId = kLast + 1;
        CObList list;
        list.AddTail(&a);
        storeList(list);
        expectRefused("id outside the range");
    }
    {
        CZAVPUserTool a;
        a.m_uiCmdId = kFirst;
        CObList list;
        list.AddTail(&a);
        storeList(list);
        std::vector<BYTE> blob = ReadValue(kPath, "Tools");
        blob.resize(blob.size() - 3);
        WriteValue(kPath, "Tools", blob);
        expectRefused("truncated");
    }
}

// A stored tool list written byte by byte as the list's archive form: a count, then per tool
// its class (defined on first use, referred to afterwards) and its data.
class ToolListBytes
{
public:
    ToolListBytes& Word(WORD w) { return Raw(&w, sizeof w); }
    ToolListBytes& Dword(DWORD d) { return Raw(&d, sizeof d); }
    ToolListBytes& Text(const char* text)
    {
        const BYTE n = (BYTE)std::strlen(text);
        return Raw(&n, 1).Raw(text, n);
    }
    ToolListBytes& NewClass(const char* name)  // new class record, schema 1
    {
        const WORD n = (WORD)std::strlen(name);
        return Word(0xFFFF).Word(1).Word(n).Raw(name, n);
    }
    ToolListBytes& ToolData(const char* label, DWORD id)
    {
        return Text(label).Text("").Text("").Text("").Dword(id);
    }
    std::vector<BYTE> bytes;

private:
    ToolListBytes& Raw(const void* p, size_t n)
    {
        bytes.insert(bytes.end(), static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + n);
        return *this;
    }
};

// A tool that counts its lives, so that one deleted twice shows.
class CountedUserTool : public CZAVPUserTool
{
    DECLARE_SERIAL(CountedUserTool)
public:
    CountedUserTool() { ++s_made; }
    ~CountedUserTool() override { ++s_deleted; }
    static int s_made, s_deleted;
};
IMPLEMENT_SERIAL(CountedUserTool, CZAVPUserTool, VERSIONABLE_SCHEMA | 1)
int CountedUserTool::s_made = 0;
int CountedUserTool::s_deleted = 0;

// Object and class indexes of such an image: the tool class takes index 1, the first tool 2.
const char kCountedClass[] = "CountedUserTool";
const WORD kToolClassRef = 0x8001;
const WORD kFirstToolRef = 0x0002;
const WORD kNullObject = 0x0000;

TEST_F(UserToolsTest, AStoredListNamingOneToolTwiceIsRefusedNotDeletedTwice)
{
    const struct
    {
        const char* what;
        std::vector<BYTE> image;
        int tools;  // -1: refused
    } cases[] = {
        {"two tools, the second by a class reference",
         ToolListBytes()
             .Word(2)
             .NewClass(kCountedClass)
             .ToolData("A", kFirst)
             .Word(kToolClassRef)
             .ToolData("B", kFirst + 1)
             .bytes,
         2},
        {"the first tool named again",
         ToolListBytes()
             .Word(2)
             .NewClass(kCountedClass)
             .ToolData("A", kFirst)
             .Word(kFirstToolRef)
             .bytes,
         -1},
        {"the first tool named again after another tool",
         ToolListBytes()
             .Word(3)
             .NewClass(kCountedClass)
             .ToolData("A", kFirst)
             .Word(kToolClassRef)
             .ToolData("B", kFirst + 1)
             .Word(kFirstToolRef)
             .bytes,
         -1},
        {"a null entry",
         ToolListBytes().Word(2).NewClass(kCountedClass).ToolData("A", kFirst).Word(kNullObject).bytes,
         -1},
        {"more tools than the range has ids",
         ToolListBytes()
             .Word(0xFFFF)
             .Dword(0xFFFFFFFF)
             .NewClass(kCountedClass)
             .ToolData("A", kFirst)
             .bytes,
         -1},
    };
    for (const auto& c : cases) {
        WriteValue(kPath, "Tools", c.image);
        CountedUserTool::s_made = CountedUserTool::s_deleted = 0;
        {
            CZAVPUserToolsManager manager(kPlaceholder, kFirst, kLast,
                                          RUNTIME_CLASS(CountedUserTool));
            manager.CreateNewTool();
            EXPECT_EQ(c.tools >= 0, manager.LoadState(kPath) != FALSE) << c.what;
            EXPECT_EQ(c.tools >= 0 ? c.tools : 0, manager.GetUserTools().GetCount()) << c.what;
            EXPECT_EQ(CountedUserTool::s_made - CountedUserTool::s_deleted,
                      manager.GetUserTools().GetCount())
                << c.what;
            if (c.tools == 2) {
                EXPECT_STREQ("A", manager.FindTool(kFirst)->m_strLabel) << c.what;
                EXPECT_STREQ("B", manager.FindTool(kFirst + 1)->m_strLabel) << c.what;
            }
        }
        // Every tool made was deleted once.
        EXPECT_EQ(CountedUserTool::s_made, CountedUserTool::s_deleted) << c.what;
    }
}

// ---- rebar bands

TEST(RebarBlobTest, StoredBandHasNoChildAndFixedBandsGainFourPixels)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = ZAVPRebarState::kSavedMask;
    band.fStyle = RBBS_FIXEDSIZE;
    band.hwndChild = (HWND)0x1234;
    band.cxMinChild = 50;
    const REBARBANDINFOA stored = ZAVPRebarState::PrepareForStore(band);
    EXPECT_EQ(0xB71u & ~(UINT)RBBIM_CHILD, stored.fMask);
    EXPECT_EQ(nullptr, stored.hwndChild);
    EXPECT_EQ(54u, stored.cxMinChild);
    band.fStyle = 0;
    EXPECT_EQ(50u, ZAVPRebarState::PrepareForStore(band).cxMinChild);
}

TEST(RebarBlobTest, RecordsAreEightyBytesAndDamagedBlobsAreRefused)
{
    std::vector<ZAVPRebarState::StoredBand> bands(2);
    for (size_t i = 0; i < bands.size(); ++i) {
        bands[i].info.fMask = RBBIM_SIZE | RBBIM_ID;
        bands[i].info.cx = 100 + (UINT)i;
        bands[i].info.wID = 7 + (UINT)i;
        bands[i].childId = 11 + (DWORD)i;
    }
    std::vector<BYTE> rbi, ids;
    ZAVPRebarState::Encode(bands, rbi, ids);
    ASSERT_EQ(160u, rbi.size());
    ASSERT_EQ(8u, ids.size());
    UINT cbSize = 0, cx = 0;
    std::memcpy(&cbSize, rbi.data() + 80, 4);
    std::memcpy(&cx, rbi.data() + 80 + 44, 4);  // cx follows nine 4-byte fields and two more
    EXPECT_EQ(80u, cbSize);
    EXPECT_EQ(101u, cx);

    std::vector<ZAVPRebarState::StoredBand> decoded;
    ASSERT_TRUE(ZAVPRebarState::Decode(rbi.data(), (UINT)rbi.size(), ids.data(), (UINT)ids.size(),
                                       decoded));
    ASSERT_EQ(2u, decoded.size());
    EXPECT_EQ(101u, decoded[1].info.cx);
    EXPECT_EQ(8u, decoded[1].info.wID);
    EXPECT_EQ(12u, decoded[1].childId);

    std::vector<BYTE> badSize = rbi;
    badSize.resize(rbi.size() - 1);
    std::vector<BYTE> badCb = rbi;
    badCb[0] = 81;
    std::vector<BYTE> badMask = rbi;
    badMask[4] |= RBBIM_TEXT;
    std::vector<ZAVPRebarState::StoredBand> untouched(1);
    for (const auto* pRbi : {&badSize, &badCb, &badMask}) {
        EXPECT_FALSE(ZAVPRebarState::Decode(pRbi->data(), (UINT)pRbi->size(), ids.data(),
                                            (UINT)ids.size(), untouched));
        EXPECT_EQ(1u, untouched.size());
    }
    EXPECT_FALSE(ZAVPRebarState::Decode(rbi.data(), (UINT)rbi.size(), ids.data(), 4, untouched));
    EXPECT_FALSE(ZAVPRebarState::Decode(rbi.data(), (UINT)rbi.size(), ids.data(), 7, untouched));
}

// A rebar control whose run-time class is the library's rebar.
class TestReBar : public CWnd
{
public:
    static CRuntimeClass classTestReBar;
    CRuntimeClass* GetRuntimeClass() const override { return &classTestReBar; }
};
CRuntimeClass TestReBar::classTestReBar = {"CZAVPReBar", (int)sizeof(TestReBar), AFX_NO_SCHEMA,
                                           nullptr,      RUNTIME_CLASS(CWnd),    nullptr};

class RebarStateTest : public RegistryScope
{
protected:
    void SetUp() override
    {
        RegistryScope::SetUp();
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
        InitCommonControlsEx(&icc);
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "Frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                     nullptr, nullptr));
        ASSERT_TRUE(m_rebar.CreateEx(0, REBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT,
                                     0, 0, 400, 60, m_frame.GetSafeHwnd(),
                                     (HMENU)(UINT_PTR)0xE805));
        for (int id : {11, 12, 13}) {
            HWND hChild = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                          m_rebar.GetSafeHwnd(), (HMENU)(UINT_PTR)id, nullptr,
                                          nullptr);
            REBARBANDINFOA band = {};
            band.cbSize = sizeof band;
            band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
            band.hwndChild = hChild;
            band.cxMinChild = 20;
            band.cyMinChild = 20;
            band.cx = 60 + id;
            band.wID = (UINT)id;
            ASSERT_TRUE(m_rebar.SendMessage(RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band));
        }
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        RegistryScope::TearDown();
    }
    std::vector<int> ChildIds()
    {
        std::vector<int> ids;
        const int n = (int)m_rebar.SendMessage(RB_GETBANDCOUNT);
        for (int i = 0; i < n; ++i) {
            REBARBANDINFOA band = {};
            band.cbSize = sizeof band;
            band.fMask = RBBIM_CHILD;
            m_rebar.SendMessage(RB_GETBANDINFOA, i, (LPARAM)&band);
            ids.push_back(GetDlgCtrlID(band.hwndChild));
        }
        return ids;
    }

    CWnd m_frame;
    TestReBar m_rebar;
};

TEST_F(RebarStateTest, ReorderedBandsComeBackInTheStoredOrder)
{
    ASSERT_TRUE(ZAVPRebarState::SaveRebarState(kPath, &m_frame));
    const std::string key = std::string(kPath) + "ZAVRebar-" + std::to_string(0xE805);
    const std::vector<BYTE> ids = ReadValue(key, "IDs");
    EXPECT_EQ((std::vector<BYTE>{11, 0, 0, 0, 12, 0, 0, 0, 13, 0, 0, 0}), ids);
    EXPECT_EQ(3u * 80u, ReadValue(key, "RBI").size());

    m_rebar.SendMessage(RB_MOVEBAND, 0, 2);
    ASSERT_EQ((std::vector<int>{12, 13, 11}), ChildIds());
    ZAVPRebarState::LoadRebarState(kPath, &m_frame);
    EXPECT_EQ((std::vector<int>{11, 12, 13}), ChildIds());
}

TEST_F(RebarStateTest, LayoutOfAnotherBandCountIsIgnored)
{
    ASSERT_TRUE(ZAVPRebarState::SaveRebarState(kPath, &m_frame));
    m_rebar.SendMessage(RB_MOVEBAND, 0, 2);
    m_rebar.SendMessage(RB_DELETEBAND, 2);
    ZAVPRebarState::LoadRebarState(kPath, &m_frame);
    EXPECT_EQ((std::vector<int>{12, 13}), ChildIds());
}
}  // namespace
