// The fake shell's dialogs.
#include "FakeCatalogShell.h"
#include "catalog/MessagePump.h"
#include "catalog/CatalogTestSupport.h"

INT_PTR FakeSaveDialog::DoModal()
{
    ++m_running;
    WaitPumping(m_done);
    --m_running;
    return IDOK;
}

namespace
{

// A real window that counts the scan thread's messages, as the add-disc progress dialog does,
// and ends its modal loop on the user's OK after the end message.
class FakeProgressDialog : public ScanProgressDialog
{
public:
    explicit FakeProgressDialog(FakeCatalogShell& shell) : m_shell(shell) {}
    ~FakeProgressDialog() override
    {
        if (m_hwnd) DestroyWindow(m_hwnd);
    }
    INT_PTR DoModal() override
    {
        if (m_shell.progressFails) return -1;
        m_hwnd = MakeTestWindow("LornivalFakeProgress", Proc, this);
        MSG msg;
        while (!m_ended && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        HWND h = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(h);
        return IDOK;
    }
    HWND GetSafeHwnd() const override { return m_hwnd; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        auto self = reinterpret_cast<FakeProgressDialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_USER + 2) {
            if (wp == 0) ++self->m_shell.progressFolders;
            if (wp == 1) ++self->m_shell.progressFiles;
            return 0;
        }
        if (self && msg == WM_USER + 1) {
            ++self->m_shell.progressEnds;
            self->m_ended = true;  // the user presses OK once the end is shown
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

    FakeCatalogShell& m_shell;
    HWND m_hwnd = nullptr;
    bool m_ended = false;
};

}  // namespace

std::unique_ptr<ScanProgressDialog> FakeCatalogShell::CreateAddDiscProgressDialog()
{
    return std::unique_ptr<ScanProgressDialog>(new FakeProgressDialog(*this));
}

bool FakeResultList::AddResult(SearchHit* hit)
{
    if (hits.size() >= capacity) {
        delete hit;
        return false;
    }
    hits.push_back(hit);
    if (m_list.GetSafeHwnd()) m_list.SendMessage(LB_ADDSTRING, 0, (LPARAM)(hits.size() - 1));
    return true;
}

std::size_t FakeResultList::AddResults(const std::vector<SearchHit*>& batch, bool)
{
    batchSizes.push_back(batch.size());
    if (batchDelayMs) Sleep(batchDelayMs);
    if (m_list.GetSafeHwnd()) m_list.SetRedraw(FALSE);
    std::size_t taken = 0;
    while (taken < batch.size() && AddResult(batch[taken])) ++taken;
    for (std::size_t i = taken + 1; i < batch.size(); ++i) delete batch[i];
    if (m_list.GetSafeHwnd()) {
        m_list.SetRedraw(TRUE);
        m_list.Invalidate();
    }
    return taken;
}

void FakeResultList::Clear()
{
    if (m_list.GetSafeHwnd()) m_list.SendMessage(LB_RESETCONTENT);
    for (SearchHit* h : hits) delete h;
    hits.clear();
}

void FakeResultList::AddAllItems()
{
    ++addAllCalls;
    for (std::size_t i = 0; i < hits.size(); ++i)
        if (m_list.GetSafeHwnd()) m_list.SendMessage(LB_ADDSTRING, 0, (LPARAM)i);
}

void FakeResultList::RemoveHitsUnder(const CatalogNode* node)
{
    std::vector<SearchHit*> kept;
    for (SearchHit* h : hits) {
        if (h->LiesUnder(node))
            delete h;
        else
            kept.push_back(h);
    }
    hits = kept;
}
