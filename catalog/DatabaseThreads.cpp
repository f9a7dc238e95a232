// The database loader and saver threads and the user-interface side of waiting for them.
#include "catalog/DatabaseThreads.h"
#include "catalog/CatalogShell.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CollectionNode.h"
#include "catalog/MessagePump.h"
#include "catalog/ThreadClosure.h"
#include "catalog/TextConversion.h"
#include "catalog/UtcNow.h"
#include <comdef.h>
#include <exception>
#include <new>

namespace
{

const unsigned LoaderStackSize = 0x200000;  // 2 MB: deep trees are read recursively
const DWORD SaveDialogHeadStart = 200;      // ms: the save dialog is up before the work starts

void Tell(const std::string& text)
{
    // A plain OK box: the application's message box adds its own icon.
    if (CatalogShell* shell = CatalogShell::Get()) shell->ShowMessage(text, MB_OK);
}

void LoaderRoutine(void*, void* argument)
{
    LoadDatabaseThread(*static_cast<LoaderContext*>(argument));
}
void SaveRoutine(void*, void* argument) { SaveWorker(*static_cast<SaveJob*>(argument)); }

}  // namespace

std::string GetExeDirectory()
{
    std::string path(0x10000, '\0');
    DWORD n = GetModuleFileNameA(nullptr, &path[0], (DWORD)path.size());
    path.resize(n < path.size() ? n : 0);
    std::size_t cut = path.find_last_of("\\/");
    std::string dir = cut == std::string::npos ? std::string() : path.substr(0, cut);
    if (!dir.empty()) SetCurrentDirectoryA(dir.c_str());
    return dir;
}

StartupLoad LoadDatabaseThread(LoaderContext& context)
{
    OutputDebugStringA("Load database... STARTED\n");
    Sleep(100);
    if (context.status)
        context.status->SetStatusText(LoadCatalogString(IdsLoadingDatabase).c_str());
    StartupLoad result = StartupLoad::Failed;
    try {
        if (!context.directory.empty()) SetCurrentDirectoryA(context.directory.c_str());
        const std::string name = LoadCatalogString(IdsMyCollections);
        const std::string file = name + LoadCatalogString(IdsDatabaseExtension);
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA(file.c_str(), &found);
        DWORD error = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
        if (h != INVALID_HANDLE_VALUE && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            std::unique_ptr<CollectionNode> c(new CollectionNode);
            const bool read = OpenDatabase(*c, found.cFileName) == DatabaseLoadResult::Loaded;
            context.collections->push_back(c.get());
            c.release();
            result = read ? StartupLoad::Loaded : StartupLoad::Refused;
        } else if (h == INVALID_HANDLE_VALUE && error == ERROR_FILE_NOT_FOUND) {
            std::unique_ptr<CollectionNode> c(new CollectionNode);
            AssignBstrText(c->m_name, name.c_str());
            c->m_time = UtcNow();
            c->m_modified = 1;
            c->m_flags = 0;
            context.collections->push_back(c.get());
            c.release();
            result = StartupLoad::Created;
        }
    } catch (const _com_error&) {
    } catch (const std::exception&) {
    }
    // A directory in the database's place, or any failure to look the file up: the program
    // cannot go on, and says so. A refused file is told as well: the user would otherwise take the
    // empty collection for the catalogue and work on where nothing can be saved.
    if (result == StartupLoad::Failed || result == StartupLoad::Refused)
        Tell(LoadCatalogString(IdsDatabaseLoadError));
    OutputDebugStringA("Load database... DONE\n");
    context.result = (int)result;
    // The last touch of the context: the starter's stack may be gone right after.
    PostThreadMessageA(context.mainThreadId, WM_QUIT, 0, 0);
    return result;
}

void SaveWorker(SaveJob& job)
{
    if (job.dialog) Sleep(SaveDialogHeadStart);
    job.result = DatabaseSaveResult::Failed;
    try {
        if (!job.directory.empty()) SetCurrentDirectoryA(job.directory.c_str());
        job.result = SaveDatabase(*job.collection);
    } catch (...) {
        job.result = DatabaseSaveResult::Failed;
    }
    // A failed save leaves the collection modified, so it is offered again.
    if (job.result == DatabaseSaveResult::Saved) job.collection->m_modified = 0;
    HANDLE finished = job.finished;
    if (job.dialog)
        job.dialog->SetDone();
    else
        PostThreadMessageA(job.mainThreadId, WM_QUIT, 0, 0);
    if (finished) SetEvent(finished);
}

StartupLoad LoadDatabaseBehindSplash(LoaderContext& context)
{
    EnsureMessageQueue();
    context.mainThreadId = GetCurrentThreadId();
    context.result = (int)StartupLoad::Failed;
    // Without a thread the load runs right here; the WM_QUIT it posts ends the pump at once.
    if (!StartClosureThread(LoaderRoutine, nullptr, &context, LoaderStackSize))
        LoadDatabaseThread(context);
    PumpMessages();
    return (StartupLoad)context.result;
}

bool SaveModifiedCollections(const std::vector<CollectionNode*>& collections,
                             const std::string& directory, bool withDialog, CatalogShell* shell)
{
    bool allSaved = true;
    for (CollectionNode* c : collections) {
        if (!c->m_modified) continue;
        EnsureMessageQueue();
        SaveJob job;
        job.mainThreadId = GetCurrentThreadId();
        job.collection = c;
        job.directory = directory;
        std::unique_ptr<SaveWaitDialog> dialog;
        if (withDialog && shell) dialog = shell->CreateSaveDialog();
        job.dialog = dialog.get();
        job.finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!job.finished || !StartClosureThread(SaveRoutine, nullptr, &job)) {
            job.dialog = nullptr;
            SaveWorker(job);
            PumpMessages();
        } else {
            // The dialog ends itself once the worker has set its done flag (and refuses to close
            // before); the plain pump ends with the worker's WM_QUIT. Either way, and also when the
            // dialog could not run at all, the job and the dialog stay until the worker is done.
            if (dialog)
                dialog->DoModal();
            else
                PumpMessages();
            WaitPumping(job.finished);
        }
        if (job.finished) CloseHandle(job.finished);
        if (job.result != DatabaseSaveResult::Saved) {
            allSaved = false;
            if (shell)
                shell->ShowMessage(LoadCatalogString(job.result == DatabaseSaveResult::Refused
                                                         ? IdsDatabaseNotOverwritten
                                                         : IdsDatabaseSaveError),
                                   MB_OK | MB_ICONERROR);
        }
    }
    return allSaved;
}
