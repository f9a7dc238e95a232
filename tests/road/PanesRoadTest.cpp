// Panes that only a saved state brings into the real Lornival.exe: a tasks pane, a caption bar
// and an outlook bar with one page of its own are written into the registry as torn-off bars
// before the program starts. The program makes them again, shows them in its frame, and on exit
// writes back what it read; a second run changes nothing more, and the outlook bar's list of
// pages comes back byte for byte. A run of its own: a fresh folder and registry key.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>
#include "RoadSession.h"
#include "RoadText.h"

namespace
{
const wchar_t kUiKey[] = L"Software\\rimsel\\Lornival\\Settings\\1.16";
const UINT kExit = 57665;

// The three bars: their control ids and the names they were torn off under.
const UINT kTasksPaneId = 0xE8A0;
const UINT kCaptionBarId = 0xE8A1;
const UINT kOutlookBarId = 0xE8A2;
const UINT kOutlookPageId = 0xEA00;  // the first id of the outlook bar's own pages
const UINT kOutlookWndId = 101;      // the page-button window inside the outlook bar
const char kTasksPaneCaption[] = "\xcf\xe0\xed\xe5\xeb\xfc \xc7\xe0\xe4\xe0\xf7";  // "Панель Задач"
const char kPageName[] = "\xcf\xee\xf7\xf2\xe0";                                   // "Почта"
const wchar_t kTasksPaneTitle[] = L"Панель Задач";

const DWORD kAlignTop = 0x2000, kAlignLeft = 0x1000;

// An archive image written by hand, as the library's archives lay one out (little-endian).
class Image
{
public:
    Image& Word(WORD w) { return Raw(&w, sizeof w); }
    Image& Dword(DWORD d) { return Raw(&d, sizeof d); }
    Image& Str(const std::string& s)
    {
        bytes.push_back((BYTE)s.size());
        return Raw(s.data(), s.size());
    }
    // A new class record: tag, schema, name.
    Image& Class(const std::string& name)
    {
        Word(0xFFFF).Word(1).Word((WORD)name.size());
        return Raw(name.data(), name.size());
    }
    // Alignment and visibility of every bar, then a docking pane's two rectangles and flag.
    Image& Bar(DWORD alignment) { return Dword(alignment).Dword(1); }
    Image& Docking()
    {
        for (int i = 0; i < 8; ++i) Dword(0);
        return Dword(0);
    }
    std::vector<BYTE> bytes;

private:
    Image& Raw(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        bytes.insert(bytes.end(), b, b + n);
        return *this;
    }
};

std::wstring Sub(const std::wstring& name) { return std::wstring(kUiKey) + L"\\" + name; }

bool WriteBar(int number, UINT id, const std::string& name, const std::vector<BYTE>& state)
{
    const std::wstring key = Sub(L"ControlBars-TearOff-" + std::to_wstring(number));
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD dwId = id;
    bool ok = RegSetValueExA(h, "ID", 0, REG_DWORD, (const BYTE*)&dwId, sizeof dwId) == 0;
    ok = ok && RegSetValueExA(h, "Name", 0, REG_SZ, (const BYTE*)name.c_str(),
                              (DWORD)name.size() + 1) == 0;
    ok = ok && RegSetValueExA(h, "State", 0, REG_BINARY, state.data(), (DWORD)state.size()) == 0;
    RegCloseKey(h);
    return ok;
}

std::vector<BYTE> CustomPages()
{
    Image image;
    image.Dword(1).Dword(kOutlookPageId).Str(kPageName);
    return image.bytes;
}

bool SeedState()
{
    // The tasks pane: the pane's part follows the docking pane's: nine metrics left to the
    // look, page 0, its one page's name and its caption.
    Image tasks;
    tasks.Class("CZAVPTasksPane").Bar(kAlignLeft).Docking();
    for (int i = 0; i < 9; ++i) tasks.Dword((DWORD)-1);
    tasks.Dword(0).Word(1).Str(kTasksPaneCaption).Str(kTasksPaneCaption);
    Image caption;
    caption.Class("CZAVPCaptionBar").Bar(kAlignTop);
    Image outlook;
    outlook.Class("CZAVPOutlookBar").Bar(kAlignLeft).Docking().Dword(0);
    if (!WriteBar(0, kTasksPaneId, kTasksPaneCaption, tasks.bytes) ||
        !WriteBar(1, kCaptionBarId, "Caption", caption.bytes) ||
        !WriteBar(2, kOutlookBarId, "Outlook", outlook.bytes))
        return false;
    // The outlook bar, torn off as bar 2, keeps its own pages under its number.
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Sub(L"ZAVPOutlookBar-2").c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return false;
    const std::vector<BYTE> pages = CustomPages();
    const bool ok = RegSetValueExA(h, "ZAVPOutlookCustomPages", 0, REG_BINARY, pages.data(),
                                   (DWORD)pages.size()) == 0;
    RegCloseKey(h);
    return ok;
}

// Every value under a key and its subkeys, by path and name.
void Snapshot(HKEY root, const std::wstring& path, std::map<std::wstring, std::vector<BYTE>>& out)
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nName = 256, type = 0, nData = 0;
        if (RegEnumValueW(h, i, name, &nName, nullptr, &type, nullptr, &nData) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(nData);
        nName = 256;
        RegEnumValueW(h, i, name, &nName, nullptr, &type, data.data(), &nData);
        out[path + L"|" + name] = data;
    }
    std::vector<std::wstring> subkeys;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nName = 256;
        if (RegEnumKeyExW(h, i, name, &nName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.push_back(name);
    }
    RegCloseKey(h);
    for (const std::wstring& sub : subkeys) Snapshot(root, path + L"\\" + sub, out);
}

std::map<std::wstring, std::vector<BYTE>> PaneState()
{
    std::map<std::wstring, std::vector<BYTE>> all, panes;
    Snapshot(HKEY_CURRENT_USER, kUiKey, all);
    // The frame's own placement may move by the system's whims; everything else must stand.
    for (const auto& entry : all)
        if (entry.first.find(L"WindowPlacement") == std::wstring::npos) panes.insert(entry);
    return panes;
}

std::string Differences(const std::map<std::wstring, std::vector<BYTE>>& a,
                        const std::map<std::wstring, std::vector<BYTE>>& b)
{
    std::string out;
    for (const auto& entry : a) {
        const auto it = b.find(entry.first);
        if (it == b.end())
            out += " gone: " + Narrow(entry.first);
        else if (it->second != entry.second) {
            out += " changed: " + Narrow(entry.first) + " from";
            char hex[4];
            for (BYTE b : entry.second) {
                std::snprintf(hex, sizeof hex, " %02x", b);
                out += hex;
            }
            out += " to";
            for (BYTE b : it->second) {
                std::snprintf(hex, sizeof hex, " %02x", b);
                out += hex;
            }
            out += "\n";
        }
    }
    for (const auto& entry : b)
        if (a.find(entry.first) == a.end()) out += " new: " + Narrow(entry.first);
    return out;
}

bool StartsWithClass(const std::vector<BYTE>& state, const std::string& name)
{
    Image header;
    header.Class(name);
    return state.size() >= header.bytes.size() &&
           std::equal(header.bytes.begin(), header.bytes.end(), state.begin());
}

bool Shown(HWND window)
{
    RECT r = {};
    return window != nullptr && IsWindowVisible(window) && GetWindowRect(window, &r) &&
           r.right > r.left && r.bottom > r.top;
}

class PanesRoad : public ::testing::Test
{
protected:
    void TearDown() override { RoadSession::DeleteProgramKey(); }

    // Runs the program until it shows its frame, checks the three bars, and closes it.
    void RunAndExit(const char* run)
    {
        std::string why;
        ASSERT_TRUE(s.StartProgram(&why)) << run << ": " << why;
        const HWND main = s.Program().WaitForMainWindow();
        ASSERT_NE(nullptr, main) << run;
        ASSERT_TRUE(s.Program().Idle()) << run;

        const HWND tasks = GetDlgItem(main, (int)kTasksPaneId);
        EXPECT_TRUE(Shown(tasks)) << run << ": the tasks pane";
        EXPECT_EQ(kTasksPaneTitle, WindowText(tasks)) << run;
        // The caption bar lies along the top, over the whole of the list (and over the side
        // panes too once the docking layout places it before them).
        const HWND caption = GetDlgItem(main, (int)kCaptionBarId);
        EXPECT_TRUE(Shown(caption)) << run << ": the caption bar";
        const HWND list = GetDlgItem(main, (int)RoadSession::kListId);
        RECT rList = {}, rCaption = {};
        GetWindowRect(list, &rList);
        GetWindowRect(caption, &rCaption);
        EXPECT_LE(rCaption.left, rList.left) << run;
        EXPECT_GE(rCaption.right, rList.right) << run;
        EXPECT_LE(rCaption.bottom, rList.top) << run;
        EXPECT_GT(rCaption.bottom, rCaption.top) << run;
        const HWND outlook = GetDlgItem(main, (int)kOutlookBarId);
        EXPECT_TRUE(Shown(outlook)) << run << ": the outlook bar";
        const HWND pages = outlook != nullptr ? GetDlgItem(outlook, (int)kOutlookWndId) : nullptr;
        EXPECT_TRUE(Shown(pages)) << run << ": its page buttons";
        bool pageShown = false;
        for (HWND w : s.Program().Descendants(outlook, nullptr))
            if ((UINT)GetDlgCtrlID(w) == kOutlookPageId && Shown(w)) pageShown = true;
        EXPECT_TRUE(pageShown) << run << ": the outlook bar's own page";

        ASSERT_TRUE(s.Program().PostCommand(kExit)) << run;
        EXPECT_TRUE(s.Program().WaitForExit(ProgramUnderTest::kLimitMs)) << run;
    }

    RoadSession s;
};
}  // namespace

TEST_F(PanesRoad, SavedPanesComeBackAreShownAndGoBackUnchanged)
{
    RoadSession::DeleteProgramKey();
    s.ExePath() = RoadSession::FreshProgramFolder(L"road-panes");
    ASSERT_FALSE(s.ExePath().empty());
    ASSERT_TRUE(SeedState());

    RunAndExit("first run");
    const std::map<std::wstring, std::vector<BYTE>> first = PaneState();
    // The three bars were stored again under their classes, names and ids, in their order.
    const std::wstring tearOff = std::wstring(kUiKey) + L"\\ControlBars-TearOff-";
    const char* classes[] = {"CZAVPTasksPane", "CZAVPCaptionBar", "CZAVPOutlookBar"};
    for (int i = 0; i < 3; ++i) {
        const auto it = first.find(tearOff + std::to_wstring(i) + L"|State");
        ASSERT_NE(first.end(), it) << "bar " << i << " was not saved";
        EXPECT_TRUE(StartsWithClass(it->second, classes[i])) << classes[i];
    }
    const auto name = first.find(tearOff + L"0|Name");
    ASSERT_NE(first.end(), name);
    EXPECT_EQ(std::wstring(kTasksPaneTitle) + L'\0',
              std::wstring((const wchar_t*)name->second.data(), name->second.size() / 2));
    // The outlook bar's pages as they were given, and the tasks pane's settings of its own.
    const auto pages = first.find(std::wstring(kUiKey) +
                                  L"\\ZAVPOutlookBar-2|ZAVPOutlookCustomPages");
    ASSERT_NE(first.end(), pages);
    EXPECT_EQ(CustomPages(), pages->second);
    EXPECT_NE(first.end(), first.find(std::wstring(kUiKey) + L"\\ZAVPTasksPane-0|Settings"));

    // The first run placed the bars in the order they came; it stored that place with its
    // docking layout. From then on the program's own state comes back as it was saved.
    RunAndExit("second run");
    const std::map<std::wstring, std::vector<BYTE>> second = PaneState();
    RunAndExit("third run");
    const std::map<std::wstring, std::vector<BYTE>> third = PaneState();
    EXPECT_TRUE(second == third) << Differences(second, third);
}
