// The disc scan: volume label, depth-first walk with the depth limit, progress messages.
#include "catalog/DiscScanner.h"
#include "catalog/CatalogShell.h"
#include "catalog/CatalogStrings.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/MessagePump.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "catalog/UtcNow.h"
#include <comdef.h>
#include <memory>
#include <new>
#include <vector>

namespace
{

// Closes a find handle however the loop over it ends.
class FindHandle
{
public:
    explicit FindHandle(HANDLE h) : m_h(h) {}
    ~FindHandle()
    {
        if (m_h != INVALID_HANDLE_VALUE) FindClose(m_h);
    }
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

const wchar_t LimitMark[] =
    L" ...";  // after the name of a folder whose subfolders were not recorded

// Paths of deep folders may pass the classic length limit; the long form lifts it.
std::wstring LongPath(const std::wstring& path)
{
    if (path.size() < MAX_PATH - 1 || path.compare(0, 4, L"\\\\?\\") == 0) return path;
    return L"\\\\?\\" + path;
}

bool IsDotName(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

DiscNode* DiscScanner::ScanDisc()
{
    std::wstring root = AnsiToWide(m_context.rootPath.c_str());
    wchar_t label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, fs,
                               MAX_PATH + 1))
        _com_issue_error(E_INVALIDARG);
    std::unique_ptr<DiscNode> disc(new DiscNode);
    if (label[0])
        disc->m_name = label;
    else
        AssignBstrText(disc->m_name, LoadCatalogString(IdsUnlabelledDisc).c_str());
    disc->m_addedTime = UtcNow();
    m_depth = 0;
    if (root.empty() || (root.back() != L'\\' && root.back() != L'/')) root += L'\\';
    ScanFolder(disc.get(), root);
    return disc.release();
}

void DiscScanner::ScanFolder(EntryContainerNode* node, const std::wstring& path)
{
    // Decided before the level is raised: a folder at the limit keeps its files, not its subfolders.
    const bool limitReached = (m_context.limitEnabled && m_depth == m_context.limit) ||
                              m_depth >= m_context.room;
    ++m_depth;
    if (m_context.dialog) SendMessageA(m_context.dialog, CountMessage, CountFolder, 0);

    std::vector<FileEntry> files;
    bool hasSubfolders = false;
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(LongPath(path + L"*.*").c_str(), &found));
    if (find.Get() == INVALID_HANDLE_VALUE) {
        // An empty root answers "no files"; anything else is a folder we cannot enter.
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_NO_MORE_FILES)
            _com_issue_error(E_INVALIDARG);
    } else {
        do {
            if (m_context.cancelled) _com_issue_error(E_ABORT);
            if (IsDotName(found.cFileName)) continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                hasSubfolders = true;
                if (!limitReached) node->AddChild(ScanSubfolder(found, path));
            } else {
                files.push_back(FileEntry::FromFindData(found));
                if (m_context.dialog) SendMessageA(m_context.dialog, CountMessage, CountFile, 0);
            }
        } while (FindNextFileW(find.Get(), &found));
    }
    if (limitReached && hasSubfolders) node->m_name = node->m_name.str() + LimitMark;
    node->SetEntries(files);
    --m_depth;
}

DiscFolderNode* DiscScanner::ScanSubfolder(const WIN32_FIND_DATAW& found,
                                           const std::wstring& parentPath)
{
    std::unique_ptr<DiscFolderNode> folder(new DiscFolderNode);
    folder->m_attributes = (std::uint8_t)(
        found.dwFileAttributes &
        (DiscFolderNode::AttrReadOnly | DiscFolderNode::AttrHidden | DiscFolderNode::AttrSystem));
    folder->m_time = RecordedTime(found.ftLastWriteTime, found.ftCreationTime);
    folder->m_name = found.cFileName;
    ScanFolder(folder.get(), parentPath + found.cFileName + L"\\");
    return folder.release();
}

DWORD WINAPI ScanDiscThread(LPVOID param)
{
    ScanContext& context = *static_cast<ScanContext*>(param);
    if (context.go) WaitForSingleObject(context.go, INFINITE);
    if (context.cancelled) return 0;
    context.result = nullptr;
    bool failed = false;
    try {
        DiscScanner scanner(context);
        std::unique_ptr<DiscNode> disc(scanner.ScanDisc());
        if (!context.cancelled) context.result = disc.release();
    } catch (const _com_error&) {
        failed = true;
    } catch (const std::bad_alloc&) {
        failed = true;
    }
    if (failed && !context.cancelled) {
        if (CatalogShell* shell = CatalogShell::Get())
            shell->ShowMessage(LoadCatalogString(IdsAddDiscError), MB_OK);
    }
    if (context.dialog) PostMessageA(context.dialog, DiscScanner::EndMessage, 0, 0);
    return 0;
}

namespace
{

// The scan waiting for its dialog's window. One scan runs at a time, on the user-interface thread.
struct PendingScan
{
    ScanContext* context;
    ScanProgressDialog* dialog;
};
PendingScan* g_pending = nullptr;

// A thread timer: its message runs inside the dialog's modal loop, once the window exists.
void CALLBACK ReleaseScanWhenDialogIsUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!g_pending || !g_pending->dialog->GetSafeHwnd()) return;
    KillTimer(nullptr, timer);
    g_pending->context->dialog = g_pending->dialog->GetSafeHwnd();
    SetEvent(g_pending->context->go);
    g_pending = nullptr;
}

}  // namespace

DiscNode* AddDiscFromDrive(CatalogNode* target, const std::string& root, bool limitEnabled,
                           int limit, CatalogShell* shell)
{
    // The disc itself must fit; its folders are then cut at the deepest level that is left.
    if (!HasRoomBelow(target, shell)) return nullptr;
    std::unique_ptr<ScanProgressDialog> dialog = shell ? shell->CreateAddDiscProgressDialog()
                                                       : nullptr;
    ScanContext context;
    context.target = target;
    context.room = CatalogNode::MaxDepth - (target->Depth() + 1);
    context.rootPath = root;
    context.limitEnabled = limitEnabled;
    context.limit = limit;
    context.go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!context.go) return nullptr;
    DWORD id;
    HANDLE thread = CreateThread(nullptr, 0, ScanDiscThread, &context, 0, &id);
    if (!thread) {
        CloseHandle(context.go);
        return nullptr;
    }
    PendingScan pending{&context, dialog.get()};
    INT_PTR shown = -1;
    if (dialog) {
        g_pending = &pending;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, ReleaseScanWhenDialogIsUp);
        shown = dialog->DoModal();
        if (g_pending) {
            g_pending = nullptr;
            KillTimer(nullptr, timer);
        }
    }
    if (shown == -1) context.cancelled = true;
    SetEvent(context.go);
    // The thread may still send to the dialog or show a message box: keep dispatching.
    WaitPumping(thread);
    CloseHandle(thread);
    CloseHandle(context.go);
    DiscNode* disc = context.result;
    if (disc && shown == -1) {
        delete disc;
        disc = nullptr;
    }
    if (disc) {
        // The tree changes only here, on the user-interface thread, once the thread has ended.
        target->AddChild(disc);
        MarkCollectionModified(target);
    }
    return disc;
}
