// The user's road through the real Lornival.exe, one test per stretch, in order: each starts from
// where the one before left the program. The program runs from a fresh folder under a fresh
// registry key; the test CD-ROM X: holds a known tree:
//   setup.exe (2048 bytes), readme.txt (3100 bytes), Docs\manual.txt, Docs\Old\a.txt
// with every file and folder dated 03.02.2001 04:05 local time, and in its root the file that
// gives the test prefix its label (.windows-label), which a scan records like any other.
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include "CdromFixture.h"
#include "ScreenProbe.h"
#include "NewThreadCatcher.h"
#include "RoadSession.h"
#include "RoadText.h"
#include "ScreenShot.h"
#include "UserInput.h"

namespace
{

// Commands of the program's menus, toolbars and accelerators.
const UINT kAddDisc = 32771;
const UINT kCreateFolder = 32772;
const UINT kDelete = 32773;
const UINT kSettings = 32782;
const UINT kShowWorkspace = 32789;
const UINT kHideWorkspace = 32790;
const UINT kSaveDatabase = 32797;
const UINT kStatistics = 164;
const UINT kAbout = 57664;
const UINT kExit = 57665;
const UINT kExcludeFromSearch = 108;  // "Исключить из поиска" in a disc folder's context menu

// Controls of the program's dialogs.
const int kProgressFolders = 1004;
const int kProgressFiles = 1005;
const int kProgressFinished = 1011;
const int kProgressScanning = 1012;
const int kSearchText = 1013;
const int kSearchResults = 1017;
const int kSearchCount = 1020;
const int kSettingsDrive = 1032;
const int kSettingsLimitOn = 1035;
const int kSettingsLimit = 1036;
const int kStatisticsText = 1046;
const int kAboutProduct = 1025;
const int kAboutVersion = 1050;
const int kCellEditorId = 256;

const wchar_t kRoot[] = L"My collections";
// Message boxes bear the program's title (the main window too, but it is no dialog).
const wchar_t kMessageBoxCaption[] = L"Lornival";
const wchar_t kGames[] = L"Игры";
const wchar_t kMusic[] = L"Музыка";
const wchar_t kArchive[] = L"Архив";
const wchar_t kNewFolder[] = L"Новая папка";
const wchar_t kDiscRenamed[] = L"Диск с играми";
const wchar_t kDescription[] = L"Сборник игр";
const wchar_t kLentTo[] = L"Петров";
const wchar_t kFolderType[] = L"Папка";
const std::wstring kFixtureDate = L"03.02.2001 04:05";
const wchar_t kLabelFile[] = L".windows-label";
const int kSetupBytes = 2048;
const int kReadmeBytes = 3100;
const int kNodeColumnWidth = 177;   // a width no default gives
const int kWorkspaceWidening = 60;  // pixels the bar's slider is dragged to the right
// A hit's line in the search results is 16 pixels per level of its path plus 20: readme.txt
// lies three levels down (collection, user folder, disc).
const int kReadmeHitHeight = 16 * 3 + 20;
// How long "nothing happens" is watched for.
const DWORD kQuietMs = 1500;

std::wstring Widen(const std::string& s)
{
    std::wstring w(s.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], (int)w.size());
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

std::wstring Label() { return Widen(CdromFixture::Label()); }

// The fixture's time: 03.02.2001 04:05 in local time, as the file system keeps it (UTC).
FILETIME FixtureTime()
{
    SYSTEMTIME local = {};
    local.wYear = 2001;
    local.wMonth = 2;
    local.wDay = 3;
    local.wHour = 4;
    local.wMinute = 5;
    FILETIME localTime = {}, utc = {};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    return utc;
}

void Stamp(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    const FILETIME t = FixtureTime();
    SetFileTime(h, &t, &t, &t);
    CloseHandle(h);
}

void LayOutDisc(CdromFixture& disc)
{
    disc.AddFile(L"setup.exe", std::string(kSetupBytes, 'S'));
    disc.AddFile(L"readme.txt", std::string(kReadmeBytes, 'R'));
    disc.AddFile(L"Docs\\manual.txt", "manual\r\n");
    disc.AddFile(L"Docs\\Old\\a.txt", "a\r\n");
    // Deepest first: stamping a file would not change its folder, but making one would.
    const std::wstring b = disc.BackingDir();
    for (const wchar_t* p : {L"Docs\\Old\\a.txt", L"Docs\\Old", L"Docs\\manual.txt", L"Docs",
                             L"readme.txt", L"setup.exe"})
        Stamp(b + p);
}

// The file-type text of the item list for an extension with no better name: "Файл " and the
// extension upper-cased; where the registry names the type, that name.
std::wstring TypeName(const wchar_t* upperExtension)
{
    wchar_t typeClass[256] = {}, description[256] = {};
    LONG size = sizeof typeClass;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, upperExtension, typeClass, &size) == ERROR_SUCCESS &&
        typeClass[0] != 0)
    {
        size = sizeof description;
        if (RegQueryValueW(HKEY_CLASSES_ROOT, typeClass, description, &size) == ERROR_SUCCESS &&
            description[0] != 0)
            return description;
    }
    return std::wstring(L"Файл ") + upperExtension;
}

std::set<DWORD> ThreadsOf(DWORD processId)
{
    std::set<DWORD> threads;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return threads;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == processId) threads.insert(entry.th32ThreadID);
    CloseHandle(snapshot);
    return threads;
}

// Holds the threads a process starts after `before` (the scan thread among them), from the
// moment the first of them shows up until this object is reset.
class HeldThreads
{
public:
    HeldThreads(DWORD processId, const std::set<DWORD>& before, DWORD limitMs)
    {
        const DWORD start = GetTickCount();
        while (m_held.empty() && GetTickCount() - start < limitMs) {
            for (DWORD id : ThreadsOf(processId)) {
                if (before.count(id)) continue;
                HANDLE h = OpenThread(THREAD_SUSPEND_RESUME, FALSE, id);
                if (h == nullptr) continue;
                if (SuspendThread(h) != (DWORD)-1)
                    m_held.push_back(h);
                else
                    CloseHandle(h);
            }
        }
    }
    ~HeldThreads() { Release(); }
    bool Any() const { return !m_held.empty(); }
    void Release()
    {
        for (HANDLE h : m_held) {
            ResumeThread(h);
            CloseHandle(h);
        }
        m_held.clear();
    }

private:
    std::vector<HANDLE> m_held;
};

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A device-arrival broadcast for the drives of `unitMask`, sent to the main window on a thread
// of its own: the program answers it only after its prompt has been answered.
class DeviceArrival
{
public:
    DeviceArrival(HWND main, DWORD unitMask)
    {
        m_volume.dbcv_size = sizeof m_volume;
        m_volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
        m_volume.dbcv_unitmask = unitMask;
        m_thread = std::thread([this, main] {
            DWORD_PTR result = 0;
            m_sent = SendMessageTimeoutW(main, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                                         reinterpret_cast<LPARAM>(&m_volume), SMTO_NORMAL,
                                         ProgramUnderTest::kStartLimitMs, &result) != 0;
            m_done = true;
        });
    }
    ~DeviceArrival() { Join(); }
    bool Done() const { return m_done; }
    bool Join()
    {
        if (m_thread.joinable()) m_thread.join();
        return m_sent;
    }

private:
    DEV_BROADCAST_VOLUME m_volume = {};
    std::thread m_thread;
    volatile bool m_done = false;
    bool m_sent = false;
};

}  // namespace

class Road : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s = new RoadSession;
        disc.reset(new CdromFixture(CdromFixture::Labelled));
        LayOutDisc(*disc);
        programEnded = false;
        startError = s->StartInFreshFolder(L"road-run");
    }

    static void TearDownTestSuite()
    {
        probe.reset();
        delete s;  // ends the program if it still runs
        s = nullptr;
        disc.reset();
        RoadSession::DeleteProgramKey();
    }

    void SetUp() override
    {
        ASSERT_TRUE(startError.empty()) << startError;
        if (programEnded) return;  // the restart starts it again
        ASSERT_TRUE(s->Program().Running()) << "the program is no longer running";
        ASSERT_NE(nullptr, s->Program().WaitForMainWindow()) << "no main window";
    }

    // --- Helpers shared by the steps ---

    static HWND Main() { return s->Main(); }

    // Waits for the tree's label editor, types `text` into it (nothing: keeps the label) and
    // presses Enter.
    static bool FinishLabelEdit(const std::wstring& text)
    {
        HWND edit = nullptr;
        if (!WaitUntil([&] { return (edit = s->Tree().EditControl()) != nullptr; },
                       ProgramUnderTest::kLimitMs))
            return false;
        if (!text.empty()) SetText(edit, text);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
        return WaitUntil([&] { return !IsWindow(edit); }, ProgramUnderTest::kLimitMs) &&
               s->Program().Idle();
    }

    static void SetText(HWND edit, const std::wstring& text)
    {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                            SMTO_NORMAL, ProgramUnderTest::kLimitMs, &result);
    }

    // The cell editor of the item list, when one is open.
    static HWND CellEditor()
    {
        const HWND list = s->ListWindow();
        return list != nullptr ? GetDlgItem(list, kCellEditorId) : nullptr;
    }

    // A double click on a cell as the list view receives it, with the cursor put on the cell
    // (a cell editor places its caret where the cursor is).
    static bool DoubleClickCell(int row, int column)
    {
        const RemoteListView list = s->List();
        RECT cell = {};
        if (!list.CellRect(row, column, cell)) return false;
        POINT at = Centre(cell);
        SetCursorPos(at.x, at.y);
        ScreenToClient(list.Handle(), &at);
        return PostMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }

    // A click on a column header, as the header control receives it from the mouse.
    static bool ClickHeader(int column)
    {
        const RemoteListView list = s->List();
        const HWND header = list.Header();
        RECT cell = {};
        if (header == nullptr || !list.CellRect(0, column, cell)) return false;
        RECT headerRect = {};
        GetWindowRect(header, &headerRect);
        POINT at = {(cell.left + cell.right) / 2, (headerRect.top + headerRect.bottom) / 2};
        ScreenToClient(header, &at);
        const LPARAM where = MAKELPARAM(at.x, at.y);
        return PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, where) &&
               PostMessageW(header, WM_LBUTTONUP, 0, where) && s->Program().Idle();
    }

    // A click on a node's tree item, as the tree receives it from the mouse: the item becomes
    // the tree's target for its commands and keys, the tree selects it and the document follows.
    static bool GoTo(const std::vector<std::wstring>& path)
    {
        const RemoteTreeView tree = s->Tree();
        HTREEITEM item = tree.Find(path);
        RECT r = {};
        if (item == nullptr || !tree.EnsureVisible(item) || !tree.TextRect(item, r)) return false;
        // A click on the selected item would open its name for editing a moment later: another
        // item is selected first.
        if (tree.Caret() == item) {
            HTREEITEM other = tree.Parent(item);
            if (other == nullptr) other = tree.FirstChild(item);
            if (other == nullptr || !tree.Select(other)) return false;
            tree.EnsureVisible(item);
            if (!tree.TextRect(item, r)) return false;
        }
        POINT at = Centre(r);
        ScreenToClient(tree.Handle(), &at);
        const LPARAM where = MAKELPARAM(at.x, at.y);
        return PostMessageW(tree.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where) &&
               PostMessageW(tree.Handle(), WM_LBUTTONUP, 0, where) && s->WaitForCaret(path) &&
               s->Program().Idle();
    }

    // A key pressed and released in the tree (its rename key acts on the release).
    static bool TreeKey(WPARAM key)
    {
        const HWND tree = s->TreeWindow();
        return PostMessageW(tree, WM_KEYDOWN, key, 1) && PostMessageW(tree, WM_KEYUP, key, 1) &&
               s->Program().Idle();
    }

    // Answers the message box now on screen; returns its message.
    static std::wstring AnswerMessageBox(int button)
    {
        ProgramDialog box = s->WaitDialog(kMessageBoxCaption);
        if (!box.Exists()) return L"(no message box)";
        const std::wstring message = box.Message();
        box.Press(button);
        box.WaitClosed(ProgramUnderTest::kLimitMs);
        return message;
    }

    // No dialog (with this caption, when given) appears for a while.
    static bool NoDialogAppears(const std::wstring& caption = std::wstring())
    {
        return !WaitUntil([&] { return s->Program().FindDialog(caption) != nullptr; }, kQuietMs);
    }

    // Waits until the progress dialog of an added disc is done and reads its counters. The scan
    // thread is held from its start until Esc has been pressed in the dialog, so the dialog is
    // surely still scanning then. `catcher` was attached before the disc was asked for;
    // `threadsBefore` are the program's threads from then, for when no debugger could attach
    // (the thread is then held as soon as it is seen, which may be a little late).
    static void RunAddDiscProgress(NewThreadCatcher& catcher, const std::set<DWORD>& threadsBefore,
                                   std::wstring& folders, std::wstring& files,
                                   const wchar_t* shot = nullptr)
    {
        const wchar_t* caption = L"Добавление нового диска...";
        std::unique_ptr<HeldThreads> polled;
        if (catcher.Attached()) {
            catcher.HoldUntil([&] { return s->Program().FindDialog(caption) != nullptr; },
                              ProgramUnderTest::kLimitMs);
            ASSERT_GT(catcher.Held(), 0u) << "no scan thread started";
        } else {
            std::printf("note: no debugger could attach; the scan thread is held when seen\n");
            polled.reset(new HeldThreads(s->Program().ProcessId(), threadsBefore,
                                         ProgramUnderTest::kLimitMs));
            ASSERT_TRUE(polled->Any()) << "no scan thread started";
        }
        ProgramDialog progress = s->WaitDialog(L"Добавление нового диска...");
        ASSERT_TRUE(progress.Exists()) << "no progress dialog";
        EXPECT_TRUE(progress.Visible(kProgressScanning));
        EXPECT_FALSE(progress.Visible(kProgressFinished));
        EXPECT_FALSE(progress.Visible(IDOK));
        if (catcher.Held() > 0) {
            // Held from its start: nothing counted yet.
            EXPECT_EQ(L"0", progress.Text(kProgressFolders));
            EXPECT_EQ(L"0", progress.Text(kProgressFiles));
        }
        progress.PressEscape();
        s->Program().Idle();
        EXPECT_TRUE(progress.Exists() && IsWindowVisible(progress.Handle()))
            << "Esc ended the dialog while the disc was being scanned";
        catcher.Release();
        polled.reset();
        ASSERT_TRUE(
            WaitUntil([&] { return progress.Visible(kProgressFinished) && progress.Visible(IDOK); },
                      ProgramUnderTest::kLimitMs))
            << "the scan did not finish";
        EXPECT_FALSE(progress.Visible(kProgressScanning));
        EXPECT_EQ(L"Добавление завершено.", progress.Text(kProgressFinished));
        folders = progress.Text(kProgressFolders);
        files = progress.Text(kProgressFiles);
        if (shot != nullptr) ScreenShot::Save(progress.Handle(), shot);
        // Once finished, Esc ends it.
        progress.PressEscape();
        EXPECT_TRUE(progress.WaitClosed(ProgramUnderTest::kLimitMs));
    }

    // Runs a search for `text` in the search dialog (opened with Ctrl+F) and answers the number
    // of hits; the dialog stays open.
    static int Search(ProgramDialog& dialog, const std::wstring& text)
    {
        dialog.SetText(kSearchText, text);
        if (!dialog.PressAndWait(IDOK, ProgramUnderTest::kLimitMs)) return -1;
        // The search button comes back when the worker has ended.
        if (!WaitUntil([&] { return dialog.Visible(IDOK) && dialog.Enabled(kSearchText); },
                       ProgramUnderTest::kLimitMs))
            return -1;
        const HWND results = dialog.Control(kSearchResults);
        const int shown = (int)SendMessageW(results, LB_GETCOUNT, 0, 0);
        EXPECT_EQ(std::to_wstring(shown), dialog.Text(kSearchCount));
        return shown;
    }

    static ProgramDialog OpenSearch()
    {
        UserInput::Key(Main(), 'F', true);
        return s->WaitDialog(L"Поиск...");
    }

    static std::vector<int> HitHeights(ProgramDialog& dialog)
    {
        const HWND results = dialog.Control(kSearchResults);
        std::vector<int> heights;
        const int count = (int)SendMessageW(results, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
            heights.push_back((int)SendMessageW(results, LB_GETITEMHEIGHT, i, 0));
        return heights;
    }

    // The slider that sizes a docked bar on the left: the narrow child of the frame along the
    // bar's right edge.
    static HWND SliderBeside(HWND bar)
    {
        RECT b = {};
        GetWindowRect(bar, &b);
        for (HWND w = GetWindow(Main(), GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            RECT r = {};
            if (w == bar || !IsWindowVisible(w) || !GetWindowRect(w, &r)) continue;
            if (r.left >= b.right - 1 && r.left <= b.right + 2 && r.right - r.left <= 12 &&
                r.top < b.bottom && r.bottom > b.top)
                return w;
        }
        return nullptr;
    }

    // The probe that reads the program's menus, hooked into the running copy's main thread.
    static ScreenProbe& Probe()
    {
        if (probe == nullptr || probeThread != s->Program().MainThreadId()) {
            probe.reset();
            probeThread = s->Program().MainThreadId();
            probe.reset(new ScreenProbe(probeThread));
        }
        return *probe;
    }

    // Opens a disc folder's context menu in the list with a right click on its row; answers the
    // menu's window.
    static HWND OpenFolderMenu(const std::wstring& folder)
    {
        const RemoteListView list = s->List();
        const int row = list.FindRow(folder);
        RECT cell = {};
        if (row < 0 || !list.CellRect(row, 0, cell)) return nullptr;
        // The menu opens where the cursor is.
        POINT at = Centre(cell);
        SetCursorPos(at.x, at.y);
        ScreenToClient(list.Handle(), &at);
        const LPARAM where = MAKELPARAM(at.x, at.y);
        if (!PostMessageW(list.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, where) ||
            !PostMessageW(list.Handle(), WM_RBUTTONUP, 0, where))
            return nullptr;
        HWND menu = nullptr;
        WaitUntil(
            [&] {
                for (HWND top : s->Program().TopLevelWindows())
                    if (ClassName(top) == L"#32768") menu = top;
                return menu != nullptr;
            },
            ProgramUnderTest::kLimitMs);
        return menu;
    }

    // Whether the open menu shows "Исключить из поиска" with its check mark.
    static bool ExcludedMark(HWND menu, bool& checked)
    {
        const UINT state = Probe().PopupItemState(menu, kExcludeFromSearch);
        checked = state != (UINT)-1 && (state & MF_CHECKED) != 0;
        return state != (UINT)-1;
    }

    // Chooses "Исключить из поиска" in a disc folder's context menu in the list with the mouse;
    // `checkedBefore` gets whether the item showed its check mark when the menu opened.
    static bool ToggleExcluded(const std::wstring& folder, bool* checkedBefore = nullptr)
    {
        const HWND menu = OpenFolderMenu(folder);
        bool checked = false;
        RECT item = {};
        if (menu == nullptr || !ExcludedMark(menu, checked) ||
            !Probe().PopupItemRect(menu, kExcludeFromSearch, item))
            return false;
        if (checkedBefore != nullptr) *checkedBefore = checked;
        UserInput::Click(Main(), Centre(item));
        return WaitUntil([&] { return !IsWindowVisible(menu); }, ProgramUnderTest::kLimitMs) &&
               s->Program().Idle();
    }

    // Opens the folder's context menu, reads the item's check mark and closes the menu with Esc.
    static bool ShowsExcluded(const std::wstring& folder, bool& checked)
    {
        const HWND menu = OpenFolderMenu(folder);
        if (menu == nullptr || !ExcludedMark(menu, checked)) return false;
        UserInput::Key(Main(), VK_ESCAPE);
        return WaitUntil([&] { return !IsWindowVisible(menu); }, ProgramUnderTest::kLimitMs) &&
               s->Program().Idle();
    }

    static RoadSession* s;
    static std::unique_ptr<ScreenProbe> probe;
    static DWORD probeThread;  // the program's main thread the probe is hooked into
    static std::unique_ptr<CdromFixture> disc;
    static std::string startError;
    static bool programEnded;
    // What the steps before the exit remember for the restart.
    static std::wstring outlineAtExit;
    static RECT workspaceAtExit;  // the bar's rectangle in the frame's client coordinates
    static std::vector<BYTE> databaseAtFirstSave;
};

RoadSession* Road::s = nullptr;
std::unique_ptr<ScreenProbe> Road::probe;
DWORD Road::probeThread = 0;
std::unique_ptr<CdromFixture> Road::disc;
std::string Road::startError;
bool Road::programEnded = false;
std::wstring Road::outlineAtExit;
RECT Road::workspaceAtExit = {};
std::vector<BYTE> Road::databaseAtFirstSave;

TEST_F(Road, S01_FirstRunShowsTheEmptyCatalogue)
{
    EXPECT_FALSE(RoadSession::FileExists(s->DatabasePath()) &&
                 RoadSession::ReadBytes(s->DatabasePath()).size() > 0)
        << "the first run started with a catalogue file";
    const HWND main = Main();
    EXPECT_EQ(L"Lornival", WindowText(main));

    ASSERT_TRUE(WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs))
        << "no tree \"По категориям\"";
    EXPECT_TRUE(IsWindowVisible(s->TreeWindow()));
    // The workspace bar holds the tree's tab, docked on the frame's left beside the list.
    RECT client = {}, bar = {}, listPlace = {};
    GetClientRect(main, &client);
    MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const HWND workspace = s->WorkspaceBar();
    ASSERT_NE(nullptr, workspace) << "no workspace bar";
    EXPECT_EQ(main, GetParent(workspace));
    EXPECT_TRUE(IsWindowVisible(workspace));
    GetWindowRect(workspace, &bar);
    GetWindowRect(s->ListWindow(), &listPlace);
    EXPECT_EQ(client.left, bar.left);
    EXPECT_LE(bar.right, listPlace.left);
    const RemoteTreeView tree = s->Tree();
    EXPECT_EQ(std::vector<std::wstring>{kRoot}, tree.ChildNames(nullptr));
    EXPECT_TRUE(s->WaitForCaret({kRoot})) << Join(tree.PathOf(tree.Caret()));

    const RemoteListView list = s->List();
    ASSERT_NE(nullptr, list.Handle()) << "no item list";
    EXPECT_EQ((std::vector<std::wstring>{L"Имя", L"Дата создания", L"Описание", L"На руках у ..."}),
              list.ColumnTitles());
    EXPECT_EQ(0, list.RowCount());

    // The status bar runs along the bottom of the frame, and no other bar of the frame shares
    // its id (the toolbars' saved states and look-ups would collide).
    std::vector<HWND> withStatusId;
    for (HWND w : s->Program().Descendants(main, nullptr))
        if ((UINT)GetDlgCtrlID(w) == RoadSession::kStatusBarId) withStatusId.push_back(w);
    ASSERT_EQ(1u, withStatusId.size());
    RECT status = {};
    GetWindowRect(withStatusId[0], &status);
    EXPECT_EQ(client.bottom, status.bottom);
    EXPECT_EQ(client.left, status.left);
    EXPECT_EQ(client.right, status.right);
}

TEST_F(Road, S02_ASecondCopyEndsAtOnceWithoutAWindow)
{
    ProgramUnderTest second;
    std::string why;
    ASSERT_TRUE(second.Start(s->ExePath(), &why)) << why;
    bool showedWindow = false;
    WaitUntil(
        [&] {
            if (!second.TopLevelWindows().empty()) showedWindow = true;
            return showedWindow || !second.Running();
        },
        ProgramUnderTest::kStartLimitMs);
    EXPECT_FALSE(second.Running()) << "the second copy kept running";
    EXPECT_FALSE(showedWindow);
    EXPECT_TRUE(s->Program().Running());
    EXPECT_TRUE(s->Program().Idle());
}

TEST_F(Road, S03_ANewFolderIsNamedInPlace)
{
    ASSERT_TRUE(s->Program().PostCommand(kCreateFolder));
    // The new folder becomes current and its name opens for editing at once.
    ASSERT_TRUE(
        WaitUntil([] { return s->Tree().EditControl() != nullptr; }, ProgramUnderTest::kLimitMs))
        << "no label editor for the new folder";
    EXPECT_EQ((std::vector<std::wstring>{kRoot, kNewFolder}), s->Tree().PathOf(s->Tree().Caret()));
    ASSERT_TRUE(FinishLabelEdit(kGames));
    const RemoteTreeView tree = s->Tree();
    EXPECT_EQ(std::vector<std::wstring>{kGames}, tree.ChildNames(tree.Root()));
    EXPECT_TRUE(s->WaitForCaret({kRoot, kGames}));
    EXPECT_EQ(0, s->List().RowCount());

    // A name is sorted in as soon as it is given: "Архив", made after "Игры", goes before it.
    // It goes again at once, so the road goes on with "Игры" alone.
    ASSERT_TRUE(GoTo({kRoot}));
    ASSERT_TRUE(s->Program().PostCommand(kCreateFolder));
    ASSERT_TRUE(FinishLabelEdit(kArchive));
    EXPECT_EQ((std::vector<std::wstring>{kArchive, kGames}), tree.ChildNames(tree.Root()));
    ASSERT_TRUE(s->WaitForCaret({kRoot, kArchive}));
    ASSERT_TRUE(s->Program().PostCommand(kDelete));
    AnswerMessageBox(IDYES);
    ASSERT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kArchive}) == nullptr;
        },
        ProgramUnderTest::kLimitMs));
    ASSERT_TRUE(GoTo({kRoot, kGames}));
}

TEST_F(Road, S04_AddingADiscCountsAndListsIt)
{
    const std::set<DWORD> before = ThreadsOf(s->Program().ProcessId());
    NewThreadCatcher catcher(s->Program().ProcessId());
    ASSERT_TRUE(s->Program().PostCommand(kAddDisc));
    std::wstring folders, files;
    RunAddDiscProgress(catcher, before, folders, files, L"road-progress-dialog");
    // Folders: the disc's root, Docs and Docs\Old; files: the four of the fixture and the label.
    EXPECT_EQ(L"3", folders);
    EXPECT_EQ(L"5", files);

    // The new disc is named in place at once: keep its label.
    ASSERT_TRUE(FinishLabelEdit(std::wstring()));
    const RemoteTreeView tree = s->Tree();
    EXPECT_NE(nullptr, tree.Find({kRoot, kGames, Label()}));
    EXPECT_TRUE(s->WaitForCaret({kRoot, kGames, Label()}));

    const RemoteListView list = s->List();
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Имя", L"Размер", L"Тип", L"Дата изменения", L"Описание"}),
        list.ColumnTitles());
    ASSERT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}))
        << Join(list.Names());
    // Sizes in whole KB (3100 / 1024 = 3, 2048 / 1024 = 2).
    EXPECT_EQ((std::vector<std::wstring>{L"Docs", L"", kFolderType, kFixtureDate, L""}),
              list.Row(0));
    // The label file is the prefix's: only its size is known.
    EXPECT_EQ(L"<1 KB", list.Text(1, 1));
    EXPECT_EQ(
        (std::vector<std::wstring>{L"readme.txt", L"3 KB", TypeName(L".TXT"), kFixtureDate, L""}),
        list.Row(2));
    EXPECT_EQ(
        (std::vector<std::wstring>{L"setup.exe", L"2 KB", TypeName(L".EXE"), kFixtureDate, L""}),
        list.Row(3));
    EXPECT_EQ(Widen(disc->Root()), RoadSession::ReadString(L"Settings", L"DefaultRoot"));
}

TEST_F(Road, S05_BrowsingAndSortingTheDisc)
{
    const std::vector<std::wstring> discPath = {kRoot, kGames, Label()};
    const std::vector<std::wstring> docs = {L"Old", L"manual.txt"};
    ASSERT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}));
    ASSERT_TRUE(DoubleClickCell(0, 0));
    ASSERT_TRUE(s->WaitForListNames(docs)) << Join(s->List().Names());
    ASSERT_TRUE(DoubleClickCell(0, 0));
    ASSERT_TRUE(s->WaitForListNames({L"a.txt"})) << Join(s->List().Names());
    // A double click on a file opens nothing.
    ASSERT_TRUE(DoubleClickCell(0, 0));
    EXPECT_TRUE(s->Program().Idle());
    EXPECT_EQ(std::vector<std::wstring>{L"a.txt"}, s->List().Names());

    // Backspace goes up twice; history: disc, Docs, Old, Docs, disc.
    ASSERT_TRUE(UserInput::Key(Main(), VK_BACK));
    EXPECT_TRUE(s->WaitForListNames(docs)) << Join(s->List().Names());
    ASSERT_TRUE(UserInput::Key(Main(), VK_BACK));
    EXPECT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}));
    EXPECT_TRUE(s->WaitForCaret(discPath));
    ASSERT_TRUE(UserInput::Key(Main(), VK_LEFT, true));
    EXPECT_TRUE(s->WaitForListNames(docs)) << Join(s->List().Names());
    ASSERT_TRUE(UserInput::Key(Main(), VK_LEFT, true));
    EXPECT_TRUE(s->WaitForListNames({L"a.txt"})) << Join(s->List().Names());
    ASSERT_TRUE(UserInput::Key(Main(), VK_RIGHT, true));
    EXPECT_TRUE(s->WaitForListNames(docs)) << Join(s->List().Names());
    ASSERT_TRUE(UserInput::Key(Main(), VK_BACK));
    ASSERT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}));

    // By size: the folder first, then the label's few bytes, 2048 and 3100 bytes; again: the
    // files by falling size, then the folder.
    ASSERT_TRUE(ClickHeader(1));
    EXPECT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"setup.exe", L"readme.txt"}))
        << Join(s->List().Names());
    ASSERT_TRUE(ClickHeader(1));
    EXPECT_TRUE(s->WaitForListNames({L"readme.txt", L"setup.exe", kLabelFile, L"Docs"}))
        << Join(s->List().Names());
    ASSERT_TRUE(ClickHeader(0));
    EXPECT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}))
        << Join(s->List().Names());
    ScreenShot::Save(Main(), L"road-main-window");
}

TEST_F(Road, S06_DescriptionAndLentToAreEditedInTheList)
{
    ASSERT_TRUE(UserInput::Key(Main(), VK_BACK));
    ASSERT_TRUE(s->WaitForListNames({Label()})) << Join(s->List().Names());

    struct Edit
    {
        int column;
        const wchar_t* text;
        WPARAM endKey;
    } edits[] = {{2, kDescription, VK_RETURN}, {3, kLentTo, VK_TAB}};
    for (const Edit& e : edits) {
        ASSERT_TRUE(DoubleClickCell(0, e.column));
        HWND editor = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (editor = CellEditor()) != nullptr; },
                              ProgramUnderTest::kLimitMs))
            << "no cell editor in column " << e.column;
        SetText(editor, e.text);
        PostMessageW(editor, WM_CHAR, e.endKey, 0);
        EXPECT_TRUE(WaitUntil([] { return CellEditor() == nullptr; }, ProgramUnderTest::kLimitMs));
        EXPECT_EQ(e.text, s->List().Text(0, e.column));
        // Ending the edit ends only the edit's own loop, not the program.
        EXPECT_TRUE(s->Program().Running());
        EXPECT_TRUE(s->Program().Idle());
    }

    // Esc drops what was typed.
    ASSERT_TRUE(DoubleClickCell(0, 2));
    HWND editor = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (editor = CellEditor()) != nullptr; }, ProgramUnderTest::kLimitMs));
    SetText(editor, L"забыть");
    PostMessageW(editor, WM_CHAR, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([] { return CellEditor() == nullptr; }, ProgramUnderTest::kLimitMs));
    EXPECT_EQ(kDescription, s->List().Text(0, 2));

    // A user folder lends nothing: its "На руках у ..." cell opens no editor.
    ASSERT_TRUE(UserInput::Key(Main(), VK_BACK));
    ASSERT_TRUE(s->WaitForListNames({kGames})) << Join(s->List().Names());
    ASSERT_TRUE(DoubleClickCell(0, 3));
    EXPECT_FALSE(WaitUntil([] { return CellEditor() != nullptr; }, kQuietMs));
    EXPECT_TRUE(s->Program().Idle());
    // The program still answers commands: back to the disc's folder.
    ASSERT_TRUE(DoubleClickCell(0, 0));
    EXPECT_TRUE(s->WaitForListNames({Label()}));
}

TEST_F(Road, S07_ADiscFolderIsExcludedFromSearch)
{
    ASSERT_TRUE(s->WaitForListNames({Label()}));
    ASSERT_TRUE(DoubleClickCell(0, 0));
    ASSERT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}))
        << Join(s->List().Names());
    // The item shows no check mark until it is chosen, and shows it from then on.
    bool checked = true;
    ASSERT_TRUE(ToggleExcluded(L"Docs", &checked)) << "no menu with \"Исключить из поиска\"";
    EXPECT_FALSE(checked) << "a folder never excluded showed the check mark";
    EXPECT_TRUE(s->Program().Running());
    ASSERT_TRUE(ShowsExcluded(L"Docs", checked));
    EXPECT_TRUE(checked) << "the excluded folder's menu shows no check mark";
    // Closing the menu chose nothing.
    ASSERT_TRUE(ShowsExcluded(L"Docs", checked));
    EXPECT_TRUE(checked);
}

TEST_F(Road, S08_SearchHonoursTheExcludedFolder)
{
    ASSERT_TRUE(GoTo({kRoot}));
    ProgramDialog search = OpenSearch();
    ASSERT_TRUE(search.Exists()) << "Ctrl+F opened no search dialog";

    search.SetText(kSearchText, L"");
    search.Press(IDOK);
    EXPECT_EQ(L"Ошибка!\nПустая строка для поиска!", AnswerMessageBox(IDOK));
    EXPECT_TRUE(search.Exists());

    // Only readme.txt while Docs is excluded.
    EXPECT_EQ(1, Search(search, L"txt"));
    EXPECT_EQ(std::vector<int>{kReadmeHitHeight}, HitHeights(search));
    search.Press(IDCANCEL);
    ASSERT_TRUE(search.WaitClosed(ProgramUnderTest::kLimitMs));

    // Choosing the checked item again takes the folder back into the search.
    ASSERT_TRUE(GoTo({kRoot, kGames, Label()}));
    ASSERT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}));
    bool checked = false;
    ASSERT_TRUE(ToggleExcluded(L"Docs", &checked));
    EXPECT_TRUE(checked);
    ASSERT_TRUE(ShowsExcluded(L"Docs", checked));
    EXPECT_FALSE(checked) << "the folder taken back still shows the check mark";
    ASSERT_TRUE(GoTo({kRoot}));
    search = OpenSearch();
    ASSERT_TRUE(search.Exists());
    EXPECT_EQ(3, Search(search, L"txt"));
    const std::vector<int> heights = HitHeights(search);
    // readme.txt in the disc, manual.txt one level and a.txt two levels further down.
    EXPECT_EQ((std::multiset<int>{kReadmeHitHeight, kReadmeHitHeight + 16, kReadmeHitHeight + 32}),
              std::multiset<int>(heights.begin(), heights.end()));

    ScreenShot::Save(search.Handle(), L"road-search-dialog");

    // A double click on readme.txt's hit closes the dialog on the disc that holds it.
    int readme = -1;
    for (size_t i = 0; i < heights.size(); ++i)
        if (heights[i] == kReadmeHitHeight) readme = (int)i;
    ASSERT_GE(readme, 0);
    const HWND results = search.Control(kSearchResults);
    SendMessageW(results, LB_SETCURSEL, readme, 0);
    PostMessageW(results, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_TRUE(search.WaitClosed(ProgramUnderTest::kLimitMs));
    EXPECT_TRUE(s->WaitForCaret({kRoot, kGames, Label()}));
    EXPECT_TRUE(s->WaitForListNames({L"Docs", kLabelFile, L"readme.txt", L"setup.exe"}));

    // Excluded again, for the restart to bring back.
    ASSERT_TRUE(ToggleExcluded(L"Docs", &checked));
    EXPECT_FALSE(checked);
}

TEST_F(Road, S09_RenamingWithF2)
{
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(GoTo({kRoot, kGames, Label()}));
    ASSERT_TRUE(TreeKey(VK_F2));
    ASSERT_TRUE(FinishLabelEdit(kDiscRenamed)) << "F2 opened no label editor";
    EXPECT_EQ(std::vector<std::wstring>{kDiscRenamed}, tree.ChildNames(tree.Find({kRoot, kGames})));
    EXPECT_TRUE(s->WaitForCaret({kRoot, kGames, kDiscRenamed}));

    // The collection keeps its name.
    ASSERT_TRUE(GoTo({kRoot}));
    ASSERT_TRUE(TreeKey(VK_F2));
    EXPECT_FALSE(WaitUntil([&] { return tree.EditControl() != nullptr; }, kQuietMs));
    EXPECT_EQ(kRoot, tree.Text(tree.Root()));
}

TEST_F(Road, S10_DragAndDropInTheTree)
{
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(GoTo({kRoot}));
    ASSERT_TRUE(s->Program().PostCommand(kCreateFolder));
    ASSERT_TRUE(FinishLabelEdit(kMusic));
    EXPECT_EQ((std::vector<std::wstring>{kGames, kMusic}), tree.ChildNames(tree.Root()));

    auto drag = [&](const std::vector<std::wstring>& from, const std::vector<std::wstring>& to) {
        tree.Expand(tree.Find({kRoot, kGames}));
        tree.Expand(tree.Find({kRoot, kMusic}));
        s->Program().Idle();
        RECT a = {}, b = {};
        if (!tree.TextRect(tree.Find(from), a) || !tree.TextRect(tree.Find(to), b)) return false;
        return UserInput::Drag(tree.Handle(), Centre(a), Centre(b)) && s->Program().Idle();
    };

    ASSERT_TRUE(drag({kRoot, kGames, kDiscRenamed}, {kRoot, kMusic}));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kMusic, kDiscRenamed}) != nullptr;
        },
        ProgramUnderTest::kLimitMs))
        << Narrow(tree.Outline());
    EXPECT_TRUE(tree.ChildNames(tree.Find({kRoot, kGames})).empty());

    // Refused drops change nothing: a folder onto its own disc, a folder onto itself, the
    // collection onto a folder.
    const std::wstring outline = tree.Outline();
    ASSERT_TRUE(drag({kRoot, kMusic}, {kRoot, kMusic, kDiscRenamed}));
    EXPECT_EQ(outline, tree.Outline());
    ASSERT_TRUE(drag({kRoot, kMusic}, {kRoot, kMusic}));
    EXPECT_EQ(outline, tree.Outline());
    ASSERT_TRUE(drag({kRoot}, {kRoot, kGames}));
    EXPECT_EQ(outline, tree.Outline());
    EXPECT_TRUE(s->Program().Idle());

    // The disc goes back to "Игры", so that deleting "Музыка" later deletes an empty folder.
    ASSERT_TRUE(drag({kRoot, kMusic, kDiscRenamed}, {kRoot, kGames}));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kGames, kDiscRenamed}) != nullptr;
        },
        ProgramUnderTest::kLimitMs))
        << Narrow(tree.Outline());
}

TEST_F(Road, S11_StatisticsCountTheCatalogue)
{
    ASSERT_TRUE(s->Program().PostCommand(kStatistics));
    ProgramDialog statistics = s->WaitDialog(L"Статистика...");
    ASSERT_TRUE(statistics.Exists());
    // One disc; its folders Docs and Old; five files of 2048 + 3100 + 8 + 3 bytes and the
    // label's few, far below a hundredth of a gigabyte.
    EXPECT_EQ(
        L"Дисков всего: 1\r\nПапок всего: 2\r\nФайлов всего: 5\r\nОбщий объём файлов: 0.00 Gb",
        statistics.Text(kStatisticsText));
    statistics.Press(IDOK);
    EXPECT_TRUE(statistics.WaitClosed(ProgramUnderTest::kLimitMs));
}

TEST_F(Road, S12_HidingAndShowingTheWorkspaceKeepsTheTree)
{
    const HWND bar = s->WorkspaceBar();
    ASSERT_NE(nullptr, bar);
    const RemoteTreeView tree = s->Tree();
    const std::wstring outline = tree.Outline();
    const std::vector<std::wstring> caret = tree.PathOf(tree.Caret());

    ASSERT_TRUE(s->Program().PostCommand(kHideWorkspace));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bar); }, ProgramUnderTest::kLimitMs));
    ASSERT_TRUE(s->Program().PostCommand(kShowWorkspace));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(bar); }, ProgramUnderTest::kLimitMs));
    EXPECT_EQ(outline, s->Tree().Outline());
    EXPECT_EQ(caret, s->Tree().PathOf(s->Tree().Caret()));
}

TEST_F(Road, S13_SavingWritesTheCatalogueOnce)
{
    ASSERT_TRUE(s->Program().PostCommand(kSaveDatabase));
    std::vector<BYTE> bytes;
    EXPECT_TRUE(WaitUntil(
        [&] {
            bytes = RoadSession::ReadBytes(s->DatabasePath());
            return bytes.size() > 4 && s->Program().FindDialog() == nullptr;
        },
        ProgramUnderTest::kLimitMs));
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ("BZh5", std::string(bytes.begin(), bytes.begin() + 4));
    databaseAtFirstSave = bytes;

    // Nothing changed since: nothing to save, nothing shown, the file as it was.
    ASSERT_TRUE(s->Program().PostCommand(kSaveDatabase));
    EXPECT_TRUE(NoDialogAppears());
    EXPECT_EQ(databaseAtFirstSave, RoadSession::ReadBytes(s->DatabasePath()));
}

TEST_F(Road, S14_DeletingAFolderAsksFirst)
{
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(GoTo({kRoot, kMusic}));
    ASSERT_TRUE(s->Program().PostCommand(kDelete));
    EXPECT_EQ(L"Вы действительно хотите удалить папку, со всем её содержимым?",
              AnswerMessageBox(IDNO));
    EXPECT_NE(nullptr, tree.Find({kRoot, kMusic}));

    ASSERT_TRUE(s->Program().PostCommand(kDelete));
    EXPECT_EQ(L"Вы действительно хотите удалить папку, со всем её содержимым?",
              AnswerMessageBox(IDYES));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return tree.Find({kRoot, kMusic}) == nullptr;
        },
        ProgramUnderTest::kLimitMs));
    EXPECT_TRUE(s->WaitForCaret({kRoot}));
    // The deleted folder is gone from the history too: going back is safe.
    ASSERT_TRUE(UserInput::Key(Main(), VK_LEFT, true));
    EXPECT_TRUE(s->Program().Idle());
    EXPECT_TRUE(s->Program().Running());
    EXPECT_EQ(nullptr, tree.Find({kRoot, kMusic}));
}

TEST_F(Road, S15_SettingsKeepTheDriveAndTheLimit)
{
    ASSERT_TRUE(s->Program().PostCommand(kSettings));
    ProgramDialog settings = s->WaitDialog(L"Настройка...");
    ASSERT_TRUE(settings.Exists());
    EXPECT_EQ(Widen(disc->Root()), settings.Text(kSettingsDrive));
    // The limit is off by default, and its edit with it.
    EXPECT_FALSE(settings.Checked(kSettingsLimitOn));
    EXPECT_FALSE(settings.Enabled(kSettingsLimit));
    PostMessageW(settings.Control(kSettingsLimitOn), BM_CLICK, 0, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return settings.Enabled(kSettingsLimit); }, ProgramUnderTest::kLimitMs));

    settings.SetText(kSettingsLimit, L"x");
    settings.Press(IDOK);
    ProgramDialog complaint = s->WaitDialog(kMessageBoxCaption);
    ASSERT_TRUE(complaint.Exists() && complaint.Handle() != settings.Handle())
        << "a bad number was taken";
    EXPECT_EQ(L"Please enter an integer.", complaint.Message());
    complaint.Press(IDOK);
    EXPECT_TRUE(complaint.WaitClosed(ProgramUnderTest::kLimitMs));
    EXPECT_TRUE(settings.Exists() && IsWindowVisible(settings.Handle()));

    settings.SetText(kSettingsLimit, L"1");
    settings.Press(IDOK);
    EXPECT_TRUE(settings.WaitClosed(ProgramUnderTest::kLimitMs));
    // The settings are stored once the dialog has returned.
    DWORD limit = 0, enabled = 0;
    EXPECT_TRUE(WaitUntil(
        [&] {
            return RoadSession::ReadDword(L"Settings", L"RecursionLimit", limit) &&
                   RoadSession::ReadDword(L"Settings", L"RecursionLimitEnabled", enabled);
        },
        ProgramUnderTest::kLimitMs));
    EXPECT_EQ(1u, limit);
    EXPECT_EQ(1u, enabled);
    EXPECT_EQ(Widen(disc->Root()), RoadSession::ReadString(L"Settings", L"DefaultRoot"));
}

TEST_F(Road, S16_ANewDiscInTheDriveIsOffered)
{
    const RemoteTreeView tree = s->Tree();
    ASSERT_TRUE(GoTo({kRoot}));
    const std::wstring outline = tree.Outline();
    const DWORD driveX = 1u << ('X' - 'A');
    const DWORD driveC = 1u << ('C' - 'A');
    const std::wstring prompt = L"Обнаружен новый CD-ROM!\n\nМетка диска: " + Label() +
                                L"\n\nДобавить?";
    {
        DeviceArrival arrival(Main(), driveX);
        EXPECT_EQ(prompt, AnswerMessageBox(IDNO));
        EXPECT_TRUE(arrival.Join());
    }
    EXPECT_TRUE(s->Program().Idle());
    EXPECT_EQ(outline, tree.Outline());
    {
        // C: is no CD-ROM drive: no question at all.
        DeviceArrival arrival(Main(), driveC);
        EXPECT_TRUE(WaitUntil([&] { return arrival.Done(); }, ProgramUnderTest::kLimitMs));
        EXPECT_TRUE(NoDialogAppears(kMessageBoxCaption));
    }
    EXPECT_EQ(outline, tree.Outline());

    DeviceArrival arrival(Main(), driveX);
    ProgramDialog question = s->WaitDialog(kMessageBoxCaption);
    ASSERT_TRUE(question.Exists());
    EXPECT_EQ(prompt, question.Message());
    // The debugger holds the process while it has something to report: it attaches only once
    // the question is up, and the answer goes while it watches.
    const std::set<DWORD> before = ThreadsOf(s->Program().ProcessId());
    NewThreadCatcher catcher(s->Program().ProcessId());
    question.Press(IDYES);
    std::wstring folders, files;
    RunAddDiscProgress(catcher, before, folders, files);
    EXPECT_TRUE(arrival.Join());
    // Limit 1: the root and Docs with their files (the label's among them); Docs keeps none of
    // its subfolders and says so in its name.
    EXPECT_EQ(L"2", folders);
    EXPECT_EQ(L"4", files);
    ASSERT_TRUE(FinishLabelEdit(std::wstring()));
    EXPECT_TRUE(s->WaitForCaret({kRoot, Label()}));
    EXPECT_TRUE(s->WaitForListNames({L"Docs ...", kLabelFile, L"readme.txt", L"setup.exe"}))
        << Join(s->List().Names());
    const HTREEITEM docs = tree.Find({kRoot, Label(), L"Docs ..."});
    ASSERT_NE(nullptr, docs) << Narrow(tree.Outline());
    EXPECT_TRUE(tree.ChildNames(docs).empty());
    ASSERT_TRUE(DoubleClickCell(0, 0));
    EXPECT_TRUE(s->WaitForListNames({L"manual.txt"})) << Join(s->List().Names());
}

TEST_F(Road, S17_AboutShowsTheVersion)
{
    ASSERT_TRUE(s->Program().PostCommand(kAbout));
    ProgramDialog about = s->WaitDialog(L"О программе...");
    ASSERT_TRUE(about.Exists());
    EXPECT_EQ(L"Lornival", about.Text(kAboutProduct));
    EXPECT_EQ(L"Версия: 1.16", about.Text(kAboutVersion));
    about.Press(IDOK);
    EXPECT_TRUE(about.WaitClosed(ProgramUnderTest::kLimitMs));
}

TEST_F(Road, S18_ExitSavesWithoutAsking)
{
    // A column width of the node list, as a user's drag of its divider leaves it.
    ASSERT_TRUE(GoTo({kRoot}));
    ASSERT_TRUE(s->List().SetColumnWidth(0, kNodeColumnWidth));
    const RemoteTreeView tree = s->Tree();
    outlineAtExit = tree.Outline();
    const HWND bar = s->WorkspaceBar();
    ASSERT_NE(nullptr, bar);
    // The bar made wider by its slider, as a user's drag leaves it: a place no default gives.
    RECT before = {};
    GetWindowRect(bar, &before);
    const HWND slider = SliderBeside(bar);
    ASSERT_NE(nullptr, slider) << "no slider on the bar's right edge";
    RECT grip = {};
    GetWindowRect(slider, &grip);
    const POINT from = Centre(grip);
    ASSERT_TRUE(UserInput::Drag(Main(), from, POINT{from.x + kWorkspaceWidening, from.y}));
    ASSERT_TRUE(WaitUntil(
        [&] {
            RECT now = {};
            GetWindowRect(bar, &now);
            return now.right - now.left == before.right - before.left + kWorkspaceWidening;
        },
        ProgramUnderTest::kLimitMs))
        << "the slider's drag did not widen the bar";
    GetWindowRect(bar, &workspaceAtExit);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&workspaceAtExit), 2);

    ASSERT_TRUE(s->Program().PostCommand(kExit));
    programEnded = true;
    DWORD code = 1;
    // The save dialog may flash; nothing waits for an answer.
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs, &code))
        << "still running after \"Выход\"";
    EXPECT_EQ(0u, code);
    const std::vector<BYTE> saved = RoadSession::ReadBytes(s->DatabasePath());
    ASSERT_GE(saved.size(), 4u);
    EXPECT_EQ("BZh5", std::string(saved.begin(), saved.begin() + 4));
    EXPECT_NE(databaseAtFirstSave, saved) << "the second disc was not saved";

    const std::vector<BYTE> nodeWidths = RoadSession::ReadBinary(L"View\\Representations\\Node",
                                                                 L"Column widths");
    ASSERT_EQ(16u, nodeWidths.size());
    EXPECT_EQ(kNodeColumnWidth, *reinterpret_cast<const int*>(nodeWidths.data()));
    EXPECT_EQ(20u,
              RoadSession::ReadBinary(L"View\\Representations\\File", L"Column widths").size());
    HKEY ui = nullptr;
    const std::wstring uiKey = std::wstring(RoadSession::kProgramKey) + L"\\Settings\\1.16";
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, uiKey.c_str(), 0, KEY_READ, &ui))
        << "no UI state";
    DWORD subkeys = 0, values = 0;
    if (ui != nullptr) {
        RegQueryInfoKeyW(ui, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(ui);
    }
    EXPECT_GT(subkeys + values, 0u);
}

TEST_F(Road, S19_ARestartBringsEverythingBack)
{
    ASSERT_TRUE(programEnded);
    ASSERT_FALSE(s->Program().Running());
    std::string why;
    ASSERT_TRUE(s->StartProgram(&why)) << why;
    programEnded = false;
    ASSERT_NE(nullptr, s->Program().WaitForMainWindow());
    ASSERT_TRUE(WaitUntil([] { return s->TreeWindow() != nullptr; }, ProgramUnderTest::kLimitMs));
    const RemoteTreeView tree = s->Tree();
    EXPECT_EQ(outlineAtExit, tree.Outline());

    const HWND bar = s->WorkspaceBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_TRUE(IsWindowVisible(bar));

    // The node list's widths, the disc's description and lent-to text.
    ASSERT_TRUE(GoTo({kRoot}));
    EXPECT_EQ(kNodeColumnWidth, s->List().ColumnWidth(0));
    ASSERT_TRUE(GoTo({kRoot, kGames}));
    ASSERT_TRUE(s->WaitForListNames({kDiscRenamed}));
    EXPECT_EQ(kDescription, s->List().Text(0, 2));
    EXPECT_EQ(kLentTo, s->List().Text(0, 3));

    // Docs of the first disc is still excluded: "txt" finds its readme.txt and the second
    // disc's readme.txt and manual.txt.
    ProgramDialog search = OpenSearch();
    ASSERT_TRUE(search.Exists());
    EXPECT_EQ(3, Search(search, L"txt"));
    search.Press(IDCANCEL);
    EXPECT_TRUE(search.WaitClosed(ProgramUnderTest::kLimitMs));
}

// The workspace bar stands where the exit left it, as wide as its slider made it. The bar has no
// control id of its own (-1): it comes back from the saved layout as a tabbed bar without one.
TEST_F(Road, S20_TheWorkspaceBarIsBackInItsPlace)
{
    const HWND bar = s->WorkspaceBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_TRUE(IsWindowVisible(bar));
    RECT place = {};
    GetWindowRect(bar, &place);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(EqualRect(&workspaceAtExit, &place))
        << "at exit " << workspaceAtExit.left << "," << workspaceAtExit.top << " "
        << workspaceAtExit.right << "," << workspaceAtExit.bottom << ", now " << place.left << ","
        << place.top << " " << place.right << "," << place.bottom;
}

TEST_F(Road, S21_TheRestartedProgramEndsOnClose)
{
    ASSERT_TRUE(PostMessageW(Main(), WM_CLOSE, 0, 0));
    EXPECT_TRUE(s->Program().WaitForExit(ProgramUnderTest::kLimitMs));
    programEnded = true;
}
