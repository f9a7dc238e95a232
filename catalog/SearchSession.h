// One search over the collections on a worker thread, as the search dialog drives it. The worker
// only reads the catalogue, queues its hits (posting SearchResultSink::HitMessage when the queue
// was empty; the receiver takes them with TakeHits) and, always, posts its end (EndMessage). The user-interface thread owns the thread handle, and stops the worker by setting
// the cancel event and pumping messages until the thread has ended, so nothing can hang.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "catalog/SearchHitQueue.h"
#include "catalog/SearchResultSink.h"

class CatalogNode;
class CollectionNode;
struct SearchHit;

class SearchSession
{
public:
    // Posted by the worker as its last act; the receiver calls OnWorkerEnded.
    static const UINT EndMessage = WM_USER + 4;

    SearchSession();
    ~SearchSession();  // stops a running worker
    SearchSession(const SearchSession&) = delete;
    SearchSession& operator=(const SearchSession&) = delete;

    // The pattern for the user's text: upper-cased; without '?' and '*' it becomes "*text*" with
    // every blank and tab turned into '*'.
    static std::string MakePattern(const std::string& text);

    // Starts a search for `text` in `collections`, posting to `window`. False (nothing started)
    // while a search runs or when no thread can be made. Hits still queued from an earlier
    // search are freed first.
    bool Start(HWND window, const std::string& text,
               const std::vector<CollectionNode*>* collections,
               DWORD pauseAfterHit = SearchResultSink::PauseAfterHit);
    bool IsRunning() const { return m_thread != nullptr; }
    // Asks the worker to stop early (the result list is full); it still posts its end.
    void Cancel() { SetEvent(m_cancel); }
    // Stops a running worker and waits, dispatching messages (the wake-ups for queued hits among
    // them), until it has ended; then closes its handle. Nothing when no search runs. A hit the
    // worker queued without a wake-up may remain: TakeHits gets it.
    void Stop();
    // On EndMessage: the worker is done; its handle is closed here.
    void OnWorkerEnded();

    // The hits queued so far, in the order found; the caller owns them.
    std::vector<SearchHit*> TakeHits() { return m_hits.TakeAll(); }
    // Frees queued hits under `node`, which is about to be destroyed.
    void DropHitsUnder(const CatalogNode* node) { m_hits.DropHitsUnder(node); }

private:
    static DWORD WINAPI WorkerThread(LPVOID self);

    HANDLE m_cancel;            // manual reset; set to stop the walk
    HANDLE m_thread = nullptr;  // the running worker, owned by the user-interface thread
    bool m_stopping = false;    // Stop is waiting: the end message must leave the handle alone
    HWND m_window = nullptr;
    std::string m_pattern;
    const std::vector<CollectionNode*>* m_collections = nullptr;
    SearchHitQueue m_hits;  // found by the worker, not yet taken by the window
    SearchResultSink m_sink;
};
