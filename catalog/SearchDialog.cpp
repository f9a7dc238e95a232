// The search dialog: starting, showing hits, stopping and closing on a chosen node.
#include "catalog/SearchDialog.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogShell.h"
#include "catalog/SearchHit.h"
#include "catalog/TextConversion.h"
#include "framework/CDataExchange.h"
#include <cstdio>
#include <vector>

BEGIN_MESSAGE_MAP(SearchDialog, CDialog)
ON_MESSAGE(SearchResultSink::HitMessage, &SearchDialog::OnSearchHit)
ON_MESSAGE(SearchDialog::EndSearchMessage, &SearchDialog::EndSearch)
ON_MESSAGE(SearchSession::EndMessage, &SearchDialog::OnWorkerEnded)
ON_WM_TIMER()
END_MESSAGE_MAP()

SearchDialog::SearchDialog(CTarnimelDoc* document, CWnd* parent)
    : CDialog(TemplateId, parent), m_countText("0"), m_document(document)
{
    if (CatalogShell* shell = CatalogShell::Get())
        m_results = shell->CreateSearchResultList(document);
}

SearchDialog::~SearchDialog()
{
    m_session.Stop();
    FreeWaitingHits();
}

void SearchDialog::FreeWaitingHits()
{
    for (SearchHit* hit : m_waiting) delete hit;
    m_waiting.clear();
}

void SearchDialog::Tell(const char* text)
{
    if (CatalogShell* shell = CatalogShell::Get()) shell->ShowMessage(text, MB_OK | MB_ICONWARNING);
}

void SearchDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IdSearchText, m_searchEdit);
    DDX_Control(pDX, IDCANCEL, m_closeButton);
    DDX_Control(pDX, IDOK, m_searchButton);
    if (m_results) DDX_Control(pDX, IdResults, m_results->Control());
    DDX_Text(pDX, IdSearchText, m_searchText);
    DDX_Text(pDX, IdFoundCount, m_countText);
}

BOOL SearchDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_results) m_results->AddAllItems();
    m_closing = false;
    return TRUE;
}

void SearchDialog::OnOK() { StartSearch(); }

void SearchDialog::StartSearch()
{
    if (m_session.IsRunning()) return;  // one search at a time
    UpdateData(TRUE);
    if (m_searchText.IsEmpty()) {
        Tell(ToAnsiString(L"Ошибка!\nПустая строка для поиска!").c_str());
        return;
    }
    m_searchEdit.EnableWindow(FALSE);
    m_searchButton.ShowWindow(SW_HIDE);
    FreeWaitingHits();
    if (m_results) m_results->Clear();
    m_found = 0;
    m_batchHits = FirstBatchHits;
    m_toldTooMany = false;
    m_countText = "0";
    UpdateData(FALSE);
    m_lastShown = GetTickCount();
    m_lastPaint = 0;
    m_unpainted = false;
    m_shownAny = false;
    if (!m_session.Start(m_hWnd, (LPCSTR)m_searchText, &m_document->m_collections, m_pauseAfterHit))
        OnWorkerEnded(0, 0);
}

DWORD SearchDialog::BatchDelay(DWORD sinceLast, DWORD lastPaint)
{
    DWORD pause = ShowEveryMs;
    if (lastPaint > pause / PauseToPaint) pause = lastPaint * PauseToPaint;
    return sinceLast >= pause ? 0 : pause - sinceLast;
}

std::size_t SearchDialog::NextBatchHits(std::size_t size, std::size_t lastHits, DWORD lastAddMs)
{
    // Too quick to time: a full batch may double, a part of one tells nothing.
    if (lastAddMs < ShortestTimedMs) return lastHits >= size ? size * 2 : size;
    std::size_t next = lastHits * BatchMs / lastAddMs;
    if (next < FewestBatchHits) next = FewestBatchHits;
    return next > size * 2 ? size * 2 : next;
}

LRESULT SearchDialog::OnSearchHit(WPARAM, LPARAM)
{
    // Hits still wait from the last batch: their timer takes the new ones along.
    if (!m_waiting.empty()) return 0;
    const DWORD since = GetTickCount() - m_lastShown;
    if (!m_shownAny && since < FirstBatchMs) {
        // Until the first paint the hits go into the list as they arrive, its drawing off: the
        // list fills while the worker walks, and paints once when the time is up or the walk
        // is over.
        ShowQueuedHits(false);
        SetTimer(ShowTimerId, FirstBatchMs - since);
        return 0;
    }
    const DWORD wait = m_shownAny ? BatchDelay(since, m_lastPaint) : 0;
    if (wait == 0) {
        ShowQueuedHits();
        return 0;
    }
    // Too soon after the last batch: the hits wait in the queue, where the worker adds to them
    // without waking us again, and go in together when the pause is over.
    SetTimer(ShowTimerId, wait);
    return 0;
}

void SearchDialog::OnTimer(UINT_PTR id)
{
    if (id != ShowTimerId) {
        Default();
        return;
    }
    KillTimer(ShowTimerId);
    ShowQueuedHits();
    FinishWhenListed();
}

void SearchDialog::ShowQueuedHits(bool paint)
{
    // What the worker has queued by now goes in as one batch (as much of it as the list takes in
    // about BatchMs): filled with the list's drawing off, painted once, the count set once. While
    // the batch goes in the worker queues the next one, so the list grows in steps as long as the
    // search runs.
    if (m_hWnd) KillTimer(ShowTimerId);
    const std::vector<SearchHit*> arrived = m_session.TakeHits();
    m_waiting.insert(m_waiting.end(), arrived.begin(), arrived.end());
    if (!m_results) {
        FreeWaitingHits();
        if (!arrived.empty()) m_session.Cancel();
        return;
    }
    // Nothing new: only what went in unpainted may still need its paint.
    if (m_waiting.empty() && !(paint && m_unpainted)) return;
    const std::size_t size = m_waiting.size() < m_batchHits ? m_waiting.size() : m_batchHits;
    const std::vector<SearchHit*> batch(m_waiting.begin(),
                                        m_waiting.begin() + (std::ptrdiff_t)size);
    m_waiting.erase(m_waiting.begin(), m_waiting.begin() + (std::ptrdiff_t)size);
    const DWORD started = GetTickCount();
    const std::size_t taken = m_results->AddResults(batch, paint);
    m_unpainted = !paint;
    const DWORD took = GetTickCount() - started;
    const DWORD painting = paint ? m_results->LastPaintMs() : 0;
    if (size > 0)
        m_batchHits = NextBatchHits(m_batchHits, size, took > painting ? took - painting : 0);
    if (taken > 0) {
        m_found += (int)taken;
        char count[16];
        std::snprintf(count, sizeof count, "%d", m_found);
        m_countText = count;
        // Only the count: the search text in the edit stays as the user typed it.
        if (CWnd* countControl = GetDlgItem(IdFoundCount)) countControl->SetWindowText(m_countText);
    }
    if (paint) {
        m_lastShown = GetTickCount();
        m_lastPaint = painting;
        m_shownAny = true;
    }
    if (taken < batch.size()) {
        // The list is full: the search stops, and says so once.
        FreeWaitingHits();
        m_session.Cancel();
        if (!m_toldTooMany) {
            m_toldTooMany = true;
            Tell(ToAnsiString(L"Слишком много результатов!").c_str());
        }
    }
    // The rest goes in once the messages that wait (input, painting) are answered: a timer
    // comes after them.
    if (!m_waiting.empty() && m_hWnd) SetTimer(ShowTimerId, 0);
}

void SearchDialog::ShowAllQueuedHits()
{
    do ShowQueuedHits();
    while (!m_waiting.empty());
}

LRESULT SearchDialog::OnWorkerEnded(WPARAM, LPARAM)
{
    m_session.OnWorkerEnded();
    if (m_session.IsRunning()) return 0;
    // The last hits may still wait for their batch (or for a wake-up that could not be posted).
    ShowQueuedHits();
    FinishWhenListed();
    return 0;
}

void SearchDialog::FinishWhenListed()
{
    if (IsSearching()) return;
    m_searchButton.ShowWindow(SW_SHOW);
    m_searchEdit.EnableWindow(TRUE);
}

void SearchDialog::StopSearch()
{
    m_session.Stop();
    // The hits found before the stop are kept, those without a wake-up of their own as well.
    ShowAllQueuedHits();
    if (m_hWnd) FinishWhenListed();
}

LRESULT SearchDialog::EndSearch(WPARAM, LPARAM node)
{
    if (m_closing) return 0;
    m_closing = true;
    StopSearch();
    EndDialog((INT_PTR)node);
    return 0;
}

void SearchDialog::OnCancel()
{
    StopSearch();
    CDialog::OnCancel();
}

void SearchDialog::ForgetHitsUnder(const CatalogNode* node)
{
    m_session.DropHitsUnder(node);
    std::vector<SearchHit*> kept;
    for (SearchHit* hit : m_waiting) {
        if (hit->LiesUnder(node))
            delete hit;
        else
            kept.push_back(hit);
    }
    m_waiting.swap(kept);
    if (m_results) m_results->RemoveHitsUnder(node);
}

void SearchDialog::ForgetAllHits()
{
    StopSearch();
    for (SearchHit* hit : m_session.TakeHits()) delete hit;
    FreeWaitingHits();
    if (m_results) m_results->Clear();
}
