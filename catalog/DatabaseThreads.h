// Loading the database at start-up and saving changed collections, each on a short-lived worker
// thread while the user-interface thread runs a message pump or a modal dialog.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "catalog/DatabaseFile.h"

class CatalogShell;
class CollectionNode;
class LoadingSplashStatus;
class SaveWaitDialog;

// What the loader thread gets from the document constructor's stack.
struct LoaderContext
{
    LoadingSplashStatus* status = nullptr;  // the splash's status line, or null
    DWORD mainThreadId = 0;                 // the thread that waits in PumpMessages
    std::string directory;                  // where the database lives (the executable's directory)
    std::vector<CollectionNode*>* collections = nullptr;  // where the loaded collection goes
    int result = 0;  // a StartupLoad, stored before the loader signals its end
};

enum class StartupLoad
{
    Loaded,   // the database file was read
    Created,  // no file: a new empty collection, marked modified
    Failed,   // the file could not be looked up (or a directory bears its name): no collection
    Refused,  // the file is damaged, of a newer format or too large for memory: an empty
              // collection that is never saved over the file, and the user was told
};

// What a save thread gets from its starter's stack, and what it reports back.
struct SaveJob
{
    DWORD mainThreadId = 0;
    CollectionNode* collection = nullptr;
    SaveWaitDialog* dialog = nullptr;  // the waiting dialog, or null when the starter pumps
    std::string directory;             // where the file goes (the executable's directory)
    DatabaseSaveResult result = DatabaseSaveResult::Failed;
    // Set by the worker as its very last use of the job, so that the starter can never leave
    // (and free the job) while the worker still holds it.
    HANDLE finished = nullptr;
};

// The directory of the running executable, made the process's current directory.
std::string GetExeDirectory();

// The loader thread's work: finds "My collections.dat" in the context's directory and reads it
// or makes a new collection; tells the user (message 51000) when the file cannot be looked up or
// is refused.
// Always ends by posting WM_QUIT to the main thread.
StartupLoad LoadDatabaseThread(LoaderContext& context);
// The save thread's work: writes the collection, clears its modified byte only when the file was
// written, and always signals its end (the dialog's done flag, else WM_QUIT to the main thread).
void SaveWorker(SaveJob& job);

// On the user-interface thread: runs the loader on a thread with a 2 MB stack and pumps messages
// until it has finished.
StartupLoad LoadDatabaseBehindSplash(LoaderContext& context);
// On the user-interface thread: saves every modified collection in order, one thread at a time,
// waiting in the shell's save dialog (withDialog) or in a plain pump; tells the user about each
// collection that could not be saved. Returns true when every save succeeded.
bool SaveModifiedCollections(const std::vector<CollectionNode*>& collections,
                             const std::string& directory, bool withDialog, CatalogShell* shell);
