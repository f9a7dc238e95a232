// Recording the folder and file tree of a disc as a new DiscNode, on the scan thread. Names are
// read through the wide file API, so names outside the ANSI code page are kept; sizes keep all
// 64 bits. The scanner reports each folder and file to the progress dialog as it goes.
#pragma once
#include <windows.h>
#include <atomic>
#include <string>

class CatalogNode;
class DiscFolderNode;
class DiscNode;
class EntryContainerNode;

// Shared by the user-interface thread and the scan thread for one scan.
struct ScanContext
{
    HWND dialog = nullptr;          // the progress dialog's window, or null
    CatalogNode* target = nullptr;  // the collection or user folder that is to receive the disc
    std::string rootPath;           // "X:\"
    bool limitEnabled = false;
    int limit = 8;  // deepest folder level recorded (the root is level 0)
    // The deepest folder level the catalogue can take below the disc where it will hang: folders
    // below it are not recorded, as with the limit, whether the limit is on or not.
    int room = 0x7FFFFFFF;
    DiscNode* result = nullptr;  // the scanned disc, not yet inserted; null when the scan failed
    // Set by the user-interface thread to call the scan off (the dialog could not run); the
    // thread then ends without building or reporting anything further.
    std::atomic<bool> cancelled{false};
    // Set by the user-interface thread once the dialog's window exists (or the scan is called
    // off); the thread starts its work only then, so no progress message is lost.
    HANDLE go = nullptr;
};

class DiscScanner
{
public:
    // Progress messages to the dialog: WM_USER+2 (wParam 0 a folder, 1 a file), sent, so each count
    // shows before the scan goes on; WM_USER+1 posted when the scan has ended.
    static const UINT CountMessage = WM_USER + 2;
    static const UINT EndMessage = WM_USER + 1;
    static const WPARAM CountFolder = 0;
    static const WPARAM CountFile = 1;

    explicit DiscScanner(ScanContext& context) : m_context(context) {}

    // Scans the disc of the context's root: a new disc named after the volume label (or
    // "Новый элемент"). Raises _com_error when the volume or a folder cannot be read. Folders are
    // read by their full paths, so the process's current directory is never touched.
    DiscNode* ScanDisc();
    // Scans one folder (its full path, ending in '') into a node.
    void ScanFolder(EntryContainerNode* node, const std::wstring& path);
    DiscFolderNode* ScanSubfolder(const WIN32_FIND_DATAW& found, const std::wstring& parentPath);

    int Depth() const { return m_depth; }

private:
    ScanContext& m_context;
    int m_depth = 0;  // level of the folder being scanned
};

// The scan thread (CreateThread): scans the disc into context.result and always posts
// WM_USER+1 to the dialog at its end; a failed scan shows message 51001.
DWORD WINAPI ScanDiscThread(LPVOID context);

class CatalogShell;
// On the user-interface thread: scans the disc in `root` on the scan thread behind the shell's
// progress dialog, waits for the thread (pumping messages), then hangs the disc under `target`
// and marks its collection modified. Returns the new disc, or null when nothing was added.
DiscNode* AddDiscFromDrive(CatalogNode* target, const std::string& root, bool limitEnabled,
                           int limit, CatalogShell* shell);
