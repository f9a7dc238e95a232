// The search dialog (template 143, "Поиск..."): the user's text, the result list and the count.
// The search itself runs in a SearchSession; this window only shows what the worker queues and
// decides when it stops. The document keeps one for its whole life, so the results of the last
// search come back when the dialog is shown again.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>
#include "catalog/SearchSession.h"
#include "catalog/SearchResultList.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CString.h"

class CatalogNode;
class CTarnimelDoc;

class SearchDialog : public CDialog
{
public:
    static const UINT TemplateId = 143;
    static const int IdSearchText = 1013;
    static const int IdResults = 1017;
    static const int IdFoundCount = 1020;
    // The result list asks the dialog to close on a node: lParam is the node.
    static const UINT EndSearchMessage = WM_USER + 100;
    // The shortest time from the end of one batch of hits going into the list to the start of
    // the next: hits that arrive sooner wait in the worker's queue and go in together, so that a
    // fast search costs a few repaints rather than one per hit, and the list still grows visibly
    // while the search runs.
    static const DWORD ShowEveryMs = 30;
    // Where the list paints slowly, the pause after a batch is this many times its paint, so that
    // painting takes at most a fifth of the dialog's time and the hits go in in larger batches.
    static const DWORD PauseToPaint = 4;
    // The first batch waits this long after the search starts: a search that ends sooner lists
    // its hits in one batch, with one repaint, and nobody sees a list grow in that time.
    static const DWORD FirstBatchMs = 100;
    static const UINT_PTR ShowTimerId = 1;
    // A list box that measures its items grows slower to add to as it grows, so a batch holds as
    // many hits as the last one listed in about this time; then the dialog answers its messages
    // (a click on "Готово" or on a hit) before it lists more.
    static const DWORD BatchMs = 200;
    static const std::size_t FirstBatchHits = 10000;
    static const std::size_t FewestBatchHits = 100;
    static const DWORD ShortestTimedMs = 20;  // shorter batches are not timed (the clock's tick)

    // How long to wait before the next batch, `sinceLast` ms after the last one ended, when its
    // painting took `lastPaint` ms (0: now).
    static DWORD BatchDelay(DWORD sinceLast, DWORD lastPaint);
    // The size of the next batch, when batches were of `size` hits and the last one listed
    // `lastHits` of them (all there were, if fewer) in `lastAddMs` ms, its painting not counted.
    static std::size_t NextBatchHits(std::size_t size, std::size_t lastHits, DWORD lastAddMs);

    SearchDialog(CTarnimelDoc* document, CWnd* parent);
    ~SearchDialog() override;

    // Stops a running search and waits for its worker (pumping messages).
    void StopSearch();
    // Drops kept results in the subtree of a node that is about to be destroyed.
    void ForgetHitsUnder(const CatalogNode* node);
    void ForgetAllHits();
    // True while the worker runs or hits it found still wait to be listed.
    bool IsSearching() const { return m_session.IsRunning() || !m_waiting.empty(); }
    // A pause after each hit the worker posts (none by default); tests slow a search down with it
    // to act while it runs.
    void SetPauseAfterHit(DWORD ms) { m_pauseAfterHit = ms; }
    SearchResultList* Results() const { return m_results.get(); }

    CString m_searchText;  // the user's text, as typed
    CString m_countText;   // "0" at first

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;      // "Поиск" starts the search
    void OnCancel() override;  // "Готово" and Esc stop it and close
    LRESULT OnSearchHit(WPARAM kind, LPARAM hit);
    LRESULT EndSearch(WPARAM, LPARAM node);
    LRESULT OnWorkerEnded(WPARAM, LPARAM);
    void OnTimer(UINT_PTR id);

private:
    void StartSearch();
    // Takes every hit the worker has queued by now and lists the next batch of them, drawing off
    // until it paints once (without `paint` it stays off, for a later batch to paint), and sets
    // the count once; more waiting hits follow after the dialog has answered its messages.
    void ShowQueuedHits(bool paint = true);
    // Lists every hit found so far (the search is stopping).
    void ShowAllQueuedHits();
    // The search button and the edit come back once the worker has ended and every hit is listed.
    void FinishWhenListed();
    void FreeWaitingHits();
    void Tell(const char* text);

    SearchSession m_session;
    CEdit m_searchEdit;
    CButton m_closeButton;
    CButton m_searchButton;
    std::unique_ptr<SearchResultList> m_results;
    CTarnimelDoc* m_document;
    int m_found = 0;
    DWORD m_lastShown = 0;     // tick count when the last batch was in the list and painted
    DWORD m_lastPaint = 0;     // ms the list took to paint after that batch
    bool m_unpainted = false;  // hits went into the list with its drawing left off
    bool m_shownAny = false;   // a batch of this search went into the list (else m_lastShown is
                               // the search's start)
    bool m_closing = false;    // EndSearch has begun to end the dialog
    bool m_toldTooMany = false;  // "Слишком много результатов!" was shown for this search
    DWORD m_pauseAfterHit = SearchResultSink::PauseAfterHit;
    std::vector<SearchHit*> m_waiting;  // taken from the worker, not yet listed; owned
    std::size_t m_batchHits = FirstBatchHits;

    DECLARE_MESSAGE_MAP()
};
