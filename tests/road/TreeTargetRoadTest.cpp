// The road of the category tree's commands through the real Lornival.exe: "Удалить" acts on the
// folder the user sees highlighted right after a real drag and after keys moved the highlight, an
// emptied name keeps the old one, a disc with a file 32 folders down is counted, searched and
// shown with the hit's own name in view, and a context menu acts on the item right-clicked. A copy of the program of its own runs from a fresh
// folder under a fresh registry key, with this layout on the test CD-ROM X::
//   top.txt, L01\L02\...\L32\deep.txt
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "CdromFixture.h"
#include "ProgramDialog.h"
#include "RoadSession.h"
#include "RoadText.h"
#include "ScreenShot.h"
#include "UserInput.h"

namespace
{

const UINT kAddDisc = 32771;
const UINT kCreateFolder = 32772;
const UINT kDelete = 32773;
const UINT kStatistics = 164;

const int kProgressFolders = 1004;
const int kProgressFiles = 1005;
const int kProgressFinished = 1011;
const int kSearchText = 1013;
const int kSearchResults = 1017;
const int kStatisticsText = 1046;

const wchar_t kRoot[] = L"My collections";
const wchar_t kMessageBoxCaption[] = L"Lornival";
const wchar_t kDeleteQuestion[] = L"Вы действительно хотите удалить папку, со всем её содержимым?";
// Folders made under the collection; the tree sorts them in this order.
const wchar_t kAlpha[] = L"Альфа";
const wchar_t kBeta[] = L"Бета";
const wchar_t kGamma[] = L"Гамма";
const wchar_t kDelta[] = L"Дельта";
const int kDeepLevels = 32;  // folders from the disc's root down to deep.txt

std::wstring Label()
{
    const std::string label = CdromFixture::Label();
    std::wstring w(label.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, label.c_str(), -1, &w[0], (int)w.size());
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

std::wstring Level(int level)
{
    wchar_t name[8];
    swprintf(name, 8, L"L%02d", level);
    return name;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A right click at a screen point, as the mouse gives it.
bool RightClick(HWND window, POINT at)
{
    if (!UserInput::Focus(window) || !SetCursorPos(at.x, at.y)) return false;
    Sleep(30);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    return SendInput(2, clicks, sizeof(INPUT)) == 2;
}

}  // namespace

class TreeTargetRoad : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s = new RoadSession;
        disc.reset(new CdromFixture(CdromFixture::Labelled));
        disc->AddFile(L"top.txt", "top\r\n");
        std::wstring deep;
        for (int level = 1; level <= kDeepLevels; ++level) deep += Level(level) + L"\\";
        disc->AddFile(deep + L"deep.txt", "deep\r\n");
        startError = s->StartInFreshFolder(L"road-tree-target");
    }

    static void TearDownTestSuite()
    {
        if (s != nullptr && s->Program().Running()) {
            PostMessageW(s->Main(), WM_CLOSE, 0, 0);
            s->Program().WaitForExit(ProgramUnderTest::kLimitMs);
        }
        delete s;  // ends the program if it still runs
        s = nullptr;
        disc.reset();
        RoadSession::DeleteProgramKey();
    }

    void SetUp() override
    {
        ASSERT_TRUE(startError.empty()) << startError;
        ASSERT_TRUE(s->Program().Running()) << "the program is no longer running";
        ASSERT_NE(nullptr, s->Program().WaitForMainWindow()) << "no main window";
        ASSERT_TRUE(
            WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs));
    }

    // Types `text` into the open label editor (nothing: keeps what it shows) and presses Enter.
    static bool FinishLabelEdit(const std::wstring* text)
    {
        HWND edit = nullptr;
        if (!WaitUntil([&] { return (edit = s->Tree().EditControl()) != nullptr; },
                       ProgramUnderTest::kLimitMs))
            return false;
        if (text != nullptr) {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text->c_str()),
                                SMTO_NORMAL, ProgramUnderTest::kLimitMs, &result);
        }
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        return WaitUntil([&] { return !IsWindow(edit); }, ProgramUnderTest::kLimitMs) &&
               s->Program().Idle();
    }

    static bool MakeFolder(const std::wstring& name)
    {
        const RemoteTreeView tree = s->Tree();
        return tree.Select(tree.Root()) && s->Program().PostCommand(kCreateFolder) &&
               FinishLabelEdit(&name) &&
               WaitUntil(
                   [&] {
                       return tree.Find({kRoot, name}) != nullptr;
                   },
                   ProgramUnderTest::kLimitMs);
    }

    static std::wstring AnswerMessageBox(int button)
    {
        ProgramDialog box = s->WaitDialog(kMessageBoxCaption);
        if (!box.Exists()) return L"(no message box)";
        const std::wstring message = box.Message();
        box.Press(button);
        box.WaitClosed(ProgramUnderTest::kLimitMs);
        return message;
    }

    // Drags one item onto another with the real mouse, the folders open so both are in view.
    static bool DragItem(const std::vector<std::wstring>& from, const std::vector<std::wstring>& to)
    {
        const RemoteTreeView tree = s->Tree();
        for (const wchar_t* folder : {kAlpha, kBeta, kGamma, kDelta})
            if (HTREEITEM item = tree.Find({kRoot, folder})) tree.Expand(item);
        s->Program().Idle();
        RECT a = {}, b = {};
        if (!tree.TextRect(tree.Find(from), a) || !tree.TextRect(tree.Find(to), b)) return false;
        return UserInput::Drag(tree.Handle(), Centre(a), Centre(b)) && s->Program().Idle();
    }

    // "Удалить" of the menu and toolbar, answered "Да": the highlighted folder goes with what it
    // holds, and only it. `kept` are paths that must stay.
    static void DeleteHighlighted(const std::vector<std::vector<std::wstring>>& kept)
    {
        const RemoteTreeView tree = s->Tree();
        const std::vector<std::wstring> highlighted = tree.PathOf(tree.Caret());
        ASSERT_EQ(2u, highlighted.size()) << "a folder of the collection should be highlighted";
        EXPECT_EQ(nullptr, tree.DropHighlight()) << "a drop highlight outlived the drag";
        ASSERT_TRUE(s->Program().PostCommand(kDelete));
        EXPECT_EQ(kDeleteQuestion, AnswerMessageBox(IDYES));
        EXPECT_TRUE(WaitUntil([&] { return tree.Find(highlighted) == nullptr; },
                              ProgramUnderTest::kLimitMs))
            << Narrow(highlighted.back()) << " was highlighted and is still there:\n"
            << Narrow(tree.Outline());
        for (const auto& path : kept)
            EXPECT_NE(nullptr, tree.Find(path)) << Narrow(path.back()) << " is gone:\n"
                                                << Narrow(tree.Outline());
    }

    static RoadSession* s;
    static std::unique_ptr<CdromFixture> disc;
    static std::string startError;
};

RoadSession* TreeTargetRoad::s = nullptr;
std::unique_ptr<CdromFixture> TreeTargetRoad::disc;
std::string TreeTargetRoad::startError;

// The progress counts every folder it scans, the disc's root among them; "Статистика" counts the
// disc folders the catalogue holds, the root being the disc itself.
TEST_F(TreeTargetRoad, T01_ADeepDiscIsCountedByBothDialogsAsTheirTextsSay)
{
    for (const wchar_t* folder : {kAlpha, kBeta, kGamma, kDelta})
        ASSERT_TRUE(MakeFolder(folder)) << Narrow(folder);
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(tree.Select(tree.Find({kRoot, kAlpha})));
    ASSERT_TRUE(s->Program().PostCommand(kAddDisc));
    ProgramDialog progress = s->WaitDialog(L"Добавление нового диска...");
    ASSERT_TRUE(progress.Exists()) << "no progress dialog";
    ASSERT_TRUE(
        WaitUntil([&] { return progress.Visible(kProgressFinished); }, ProgramUnderTest::kLimitMs))
        << "the scan did not finish";
    EXPECT_EQ(std::to_wstring(kDeepLevels + 1), progress.Text(kProgressFolders));
    // top.txt, deep.txt and the file that gives the drive its label.
    EXPECT_EQ(L"3", progress.Text(kProgressFiles));
    progress.PressEscape();
    ASSERT_TRUE(progress.WaitClosed(ProgramUnderTest::kLimitMs));
    ASSERT_TRUE(FinishLabelEdit(nullptr));
    ASSERT_NE(nullptr, tree.Find({kRoot, kAlpha, Label()})) << Narrow(tree.Outline());

    ASSERT_TRUE(s->Program().PostCommand(kStatistics));
    ProgramDialog statistics = s->WaitDialog(L"Статистика...");
    ASSERT_TRUE(statistics.Exists());
    EXPECT_EQ(L"Дисков всего: 1\r\nПапок всего: " + std::to_wstring(kDeepLevels) +
                  L"\r\nФайлов всего: 3\r\nОбщий объём файлов: 0.00 Gb",
              statistics.Text(kStatisticsText));
    statistics.Press(IDOK);
    EXPECT_TRUE(statistics.WaitClosed(ProgramUnderTest::kLimitMs));
}

// After the disc was dragged from one folder onto another, the folder left highlighted is the
// one deleted; then keys move the highlight after a drag, and again it is the one deleted.
TEST_F(TreeTargetRoad, T02_DeleteActsOnTheHighlightedFolderAfterADrag)
{
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(DragItem({kRoot, kAlpha, Label()}, {kRoot, kGamma}));
    ASSERT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kGamma, Label()}) != nullptr;
        },
        ProgramUnderTest::kLimitMs))
        << Narrow(tree.Outline());
    DeleteHighlighted({{kRoot, kGamma, Label()}});

    // Dragged again; then Home and Down highlight the collection's first folder, "Бета".
    ASSERT_TRUE(DragItem({kRoot, kGamma, Label()}, {kRoot, kDelta}));
    ASSERT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kDelta, Label()}) != nullptr;
        },
        ProgramUnderTest::kLimitMs))
        << Narrow(tree.Outline());
    ASSERT_TRUE(UserInput::Key(tree.Handle(), VK_HOME));
    ASSERT_TRUE(UserInput::Key(tree.Handle(), VK_DOWN));
    ASSERT_TRUE(s->WaitForCaret({kRoot, kBeta})) << Narrow(tree.Outline());
    DeleteHighlighted({{kRoot, kGamma}, {kRoot, kDelta, Label()}});
}

// F2 with the name erased keeps the name, for a folder and for a disc, in the tree and in the
// list that shows the same node.
TEST_F(TreeTargetRoad, T03_AnEmptiedNameKeepsTheOldOne)
{
    const RemoteTreeView tree = s->Tree();
    const std::wstring empty;
    for (const std::vector<std::wstring>& path :
         {std::vector<std::wstring>{kRoot, kDelta}, {kRoot, kDelta, Label()}})
    {
        ASSERT_TRUE(tree.Select(tree.Find(path))) << Narrow(path.back());
        ASSERT_TRUE(s->WaitForCaret(path));
        // Pressed and released in the tree: the rename acts on the release.
        PostMessageW(tree.Handle(), WM_KEYDOWN, VK_F2, 1);
        PostMessageW(tree.Handle(), WM_KEYUP, VK_F2, 0xC0000001);
        ASSERT_TRUE(FinishLabelEdit(&empty)) << "F2 opened no label editor";
        EXPECT_NE(nullptr, tree.Find(path)) << Narrow(tree.Outline());
        // The list of the node's parent shows it under its old name.
        std::vector<std::wstring> parent(path.begin(), path.end() - 1);
        ASSERT_TRUE(tree.Select(tree.Find(parent)));
        EXPECT_TRUE(WaitUntil([&] { return s->List().FindRow(path.back()) >= 0; },
                              ProgramUnderTest::kLimitMs))
            << Narrow(path.back()) << " is not in the list";
        EXPECT_EQ(-1, s->List().FindRow(L"")) << "a row without a name";
    }
}

// The file 32 folders down the disc: its line in the search results shows its name, the item
// no taller than the list.
TEST_F(TreeTargetRoad, T04_ADeepSearchHitKeepsItsNameInView)
{
    UserInput::Key(s->Main(), 'F', true);
    ProgramDialog search = s->WaitDialog(L"Поиск...");
    ASSERT_TRUE(search.Exists()) << "Ctrl+F opened no search dialog";
    search.SetText(kSearchText, L"deep.txt");
    ASSERT_TRUE(search.PressAndWait(IDOK, ProgramUnderTest::kLimitMs));
    const HWND results = search.Control(kSearchResults);
    ASSERT_TRUE(WaitUntil(
        [&] { return search.Visible(IDOK) && SendMessageW(results, LB_GETCOUNT, 0, 0) == 1; },
        ProgramUnderTest::kLimitMs));
    RECT client = {};
    GetClientRect(results, &client);
    const int height = (int)SendMessageW(results, LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GT(height, 16 + 20) << "the hit's path is not shown at all";
    EXPECT_LE(height, client.bottom) << "the hit is taller than the list";
    ScreenShot::Save(search.Handle(), L"road-deep-search-hit");

    // A double click on the hit opens the folder that holds the file.
    SendMessageW(results, LB_SETCURSEL, 0, 0);
    PostMessageW(results, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_TRUE(search.WaitClosed(ProgramUnderTest::kLimitMs));
    std::vector<std::wstring> holder = {kRoot, kDelta, Label()};
    for (int level = 1; level <= kDeepLevels; ++level) holder.push_back(Level(level));
    EXPECT_TRUE(s->WaitForCaret(holder));
    EXPECT_TRUE(s->WaitForListNames({L"deep.txt"}));
}

// A real right click on the disc while its folder is selected, then "Удалить" of the disc's menu
// and "Да": the disc goes, the selected folder stays.
TEST_F(TreeTargetRoad, T05_ARightClickedDiscIsTheOneDeleted)
{
    const RemoteTreeView tree = s->Tree();
    const std::vector<std::wstring> folder = {kRoot, kDelta};
    const std::vector<std::wstring> discPath = {kRoot, kDelta, Label()};
    ASSERT_TRUE(tree.Select(tree.Find(folder)));
    ASSERT_TRUE(s->WaitForCaret(folder));
    ASSERT_TRUE(tree.EnsureVisible(tree.Find(discPath)));
    s->Program().Idle();
    RECT r = {};
    ASSERT_TRUE(tree.TextRect(tree.Find(discPath), r));
    ASSERT_TRUE(RightClick(tree.Handle(), Centre(r)));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND top : s->Program().TopLevelWindows())
                if (ClassName(top) == L"#32768") menu = top;
            return menu != nullptr;
        },
        ProgramUnderTest::kLimitMs))
        << "no context menu";
    // The disc's menu: "Поиск...", "Удалить".
    UserInput::Key(s->Main(), VK_DOWN);
    UserInput::Key(s->Main(), VK_DOWN);
    UserInput::Key(s->Main(), VK_RETURN);
    EXPECT_EQ(kDeleteQuestion, AnswerMessageBox(IDYES));
    EXPECT_TRUE(
        WaitUntil([&] { return tree.Find(discPath) == nullptr; }, ProgramUnderTest::kLimitMs))
        << Narrow(tree.Outline());
    EXPECT_NE(nullptr, tree.Find(folder)) << Narrow(tree.Outline());
}
