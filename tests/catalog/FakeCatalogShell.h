// A stand-in for the application shell in catalogue tests: records the messages it is asked to
// show (answering with a preset button), and gives splash and dialogs without windows that
// behave as the real ones do towards the catalogue.
#pragma once
#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>
#include "catalog/CatalogShell.h"
#include "catalog/SearchHit.h"
#include "framework/CListBox.h"

class FakeSplash final : public LoadingSplashStatus
{
public:
    virtual ~FakeSplash() = default;
    void SetStatusText(const char* text) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_texts.push_back(text);
    }
    void SetStatusDetail(LPARAM) override {}
    void Show() override { shown = true; }
    void Close() override { closed = true; }
    std::vector<std::string> Texts()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_texts;
    }
    bool shown = false, closed = false;

private:
    std::mutex m_mutex;
    std::vector<std::string> m_texts;
};

// Runs "modally" by dispatching messages until SetDone, as the save dialog's timer would.
class FakeSaveDialog : public SaveWaitDialog
{
public:
    explicit FakeSaveDialog(std::atomic<int>& running) : m_running(running)
    {
        m_done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~FakeSaveDialog() override { CloseHandle(m_done); }
    INT_PTR DoModal() override;
    void SetDone() override { SetEvent(m_done); }

private:
    std::atomic<int>& m_running;
    HANDLE m_done;
};

// A plain list box holding hits as the search dialog's result list does; it refuses hits beyond
// a capacity, as a full list box would.
class FakeResultList : public SearchResultList
{
public:
    ~FakeResultList() override { Clear(); }
    CWnd& Control() override { return m_list; }
    bool AddResult(SearchHit* hit) override;
    std::size_t AddResults(const std::vector<SearchHit*>& hits, bool paint) override;
    void Clear() override;
    void AddAllItems() override;
    void RemoveHitsUnder(const CatalogNode* node) override;

    std::vector<SearchHit*> hits;
    std::vector<std::size_t> batchSizes;  // of every AddResults, in order
    DWORD batchDelayMs = 0;               // each AddResults takes at least this long
    std::size_t capacity = 100000;
    int addAllCalls = 0;

private:
    CListBox m_list;
};

class FakeCatalogShell : public CatalogShell
{
public:
    FakeCatalogShell() { CatalogShell::Set(this); }
    ~FakeCatalogShell() override { CatalogShell::Set(nullptr); }

    int ShowMessage(const std::string& text, UINT type) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        messages.push_back(text);
        types.push_back(type);
        return answer;
    }
    LoadingSplashStatus* CreateLoadingSplash() override { return new FakeSplash; }
    void DestroyLoadingSplash(LoadingSplashStatus* splash) override
    {
        delete static_cast<FakeSplash*>(splash);
    }
    std::unique_ptr<SaveWaitDialog> CreateSaveDialog() override
    {
        ++saveDialogs;
        return std::unique_ptr<SaveWaitDialog>(new FakeSaveDialog(saveDialogsRunning));
    }
    std::unique_ptr<ScanProgressDialog> CreateAddDiscProgressDialog() override;
    std::unique_ptr<SearchResultList> CreateSearchResultList(CTarnimelDoc*) override
    {
        auto list = new FakeResultList;
        lastResultList = list;
        return std::unique_ptr<SearchResultList>(list);
    }
    INT_PTR RunSettingsDialog(SettingsDialogValues& values) override
    {
        settingsShown = values;
        values = settingsAnswer;
        return settingsResult;
    }
    void CloseInstanceMutex() override { ++mutexClosed; }

    std::vector<std::string> Messages()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return messages;
    }

    std::vector<UINT> Types()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return types;
    }

    int answer = IDOK;
    std::vector<std::string> messages;
    std::vector<UINT> types;  // the message box styles, in the order shown
    int saveDialogs = 0;
    std::atomic<int> saveDialogsRunning{0};
    SettingsDialogValues settingsShown, settingsAnswer;
    INT_PTR settingsResult = IDCANCEL;
    int mutexClosed = 0;
    FakeResultList* lastResultList = nullptr;
    // The add-disc progress dialog: how it behaves.
    bool progressFails = false;  // DoModal returns -1 without a window
    int progressFolders = 0, progressFiles = 0, progressEnds = 0;
    bool progressEscapeEarly = false;  // the user tries to leave before the end (ignored)

private:
    std::mutex m_mutex;
};
