// The search worker and its control from the user-interface thread.
#include "catalog/SearchSession.h"
#include "catalog/CollectionNode.h"
#include "catalog/MessagePump.h"
#include "catalog/WildcardPattern.h"

SearchSession::SearchSession() { m_cancel = CreateEventA(nullptr, TRUE, FALSE, nullptr); }

SearchSession::~SearchSession()
{
    Stop();
    CloseHandle(m_cancel);
}

std::string SearchSession::MakePattern(const std::string& text)
{
    std::string pattern = text;
    for (char& c : pattern) c = (char)WildcardPattern::FoldCase((unsigned char)c);
    if (pattern.find_first_of("?*") == std::string::npos) {
        pattern = "*" + pattern + "*";
        for (char& c : pattern)
            if (c == ' ' || c == '\t') c = '*';
    }
    return pattern;
}

bool SearchSession::Start(HWND window, const std::string& text,
                          const std::vector<CollectionNode*>* collections, DWORD pauseAfterHit)
{
    if (m_thread) return false;
    m_window = window;
    m_pattern = MakePattern(text);
    m_collections = collections;
    // Whatever an earlier search left undelivered must not show up among this one's hits.
    m_hits.Clear();
    m_sink = SearchResultSink(window, pauseAfterHit, m_cancel, &m_hits);
    ResetEvent(m_cancel);
    DWORD id;
    m_thread = CreateThread(nullptr, 0, WorkerThread, this, 0, &id);
    return m_thread != nullptr;
}

DWORD WINAPI SearchSession::WorkerThread(LPVOID param)
{
    SearchSession* self = static_cast<SearchSession*>(param);
    if (self->m_collections) {
        for (CollectionNode* c : *self->m_collections)
            c->Walk(&self->m_sink, self->m_pattern.c_str(), true, self->m_cancel);
    }
    PostMessageA(self->m_window, EndMessage, 0, 0);
    return 0;
}

void SearchSession::Stop()
{
    if (!m_thread) return;
    SetEvent(m_cancel);
    m_stopping = true;
    WaitPumping(m_thread);
    // The wake-up for the worker's last hits and its end may still wait in the message queue:
    // deliver them now, so that the hits found so far are kept and nothing of this search reaches
    // the next one.
    MSG msg;
    while (PeekMessageA(&msg, m_window, SearchResultSink::HitMessage, EndMessage, PM_REMOVE))
        DispatchMessageA(&msg);
    m_stopping = false;
    CloseHandle(m_thread);
    m_thread = nullptr;
}

void SearchSession::OnWorkerEnded()
{
    if (!m_thread || m_stopping) return;
    // The end message is the worker's last act; the thread is about to return.
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
}
