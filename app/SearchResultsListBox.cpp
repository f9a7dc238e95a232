// The search result list: owned hits, their staircase drawing and the double click.
#include "app/SearchResultsListBox.h"

#include <string>
#include <vector>

#include "framework/WideText.h"

#include "app/SearchHitLayout.h"

#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogNode.h"
#include "catalog/FileEntry.h"
#include "catalog/NodeOperations.h"

BEGIN_MESSAGE_MAP(SearchResultsListBox, CListBox)
ON_CONTROL_REFLECT(LBN_DBLCLK, &SearchResultsListBox::OnDblClk)
END_MESSAGE_MAP()

SearchResultsListBox::SearchResultsListBox(CTarnimelDoc* document) : m_document(document) {}

SearchResultsListBox::~SearchResultsListBox() = default;

bool SearchResultsListBox::AddItem(size_t index)
{
    return AddString(reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(index))) > LB_ERR;
}

void SearchResultsListBox::BeginBatch()
{
    if (m_drawingOff || GetSafeHwnd() == nullptr) return;
    SetRedraw(FALSE);
    m_drawingOff = true;
}

void SearchResultsListBox::EndBatch()
{
    m_drawingOff = false;
    if (GetSafeHwnd() == nullptr) return;
    const DWORD start = GetTickCount();
    // Drawing on again also sets the scroll bar, which some systems redraw slowly: it is the
    // dearest part of a small batch.
    SetRedraw(TRUE);
    Invalidate();
    // Painted now: while hits keep arriving the queue is never empty, and the list would only be
    // painted at the end.
    UpdateWindow();
    m_lastPaintMs = GetTickCount() - start;
}

bool SearchResultsListBox::AddResult(SearchHit* hit)
{
    // The hit goes in first: adding the item measures it, and that looks the hit up.
    m_results.emplace_back(hit);
    if (!AddItem(m_results.size() - 1)) {
        m_results.pop_back();
        return false;
    }
    return true;
}

std::size_t SearchResultsListBox::AddResults(const std::vector<SearchHit*>& hits, bool paint)
{
    std::size_t taken = 0;
    BeginBatch();
    for (; taken < hits.size(); ++taken) {
        m_results.emplace_back(hits[taken]);
        if (!AddItem(m_results.size() - 1)) {
            m_results.pop_back();  // frees the refused hit
            break;
        }
    }
    if (paint) EndBatch();
    for (std::size_t i = taken + 1; i < hits.size(); ++i) delete hits[i];
    return taken;
}

void SearchResultsListBox::AddAllItems()
{
    BeginBatch();
    for (size_t i = 0; i < m_results.size(); ++i) AddItem(i);
    EndBatch();
}

void SearchResultsListBox::Clear()
{
    if (GetSafeHwnd() != nullptr) ResetContent();
    m_results.clear();
    if (m_drawingOff) EndBatch();
}

void SearchResultsListBox::RemoveHitsUnder(const CatalogNode* node)
{
    std::vector<std::unique_ptr<SearchHit>> kept;
    for (auto& hit : m_results)
        if (!hit->LiesUnder(node)) kept.push_back(std::move(hit));
    if (kept.size() == m_results.size()) {
        m_results.swap(kept);
        return;
    }
    m_results.swap(kept);
    // Item data are indices into the hits, so the list is made again.
    if (GetSafeHwnd() != nullptr) {
        ResetContent();
        AddAllItems();
    }
}

int SearchResultsListBox::MaxLines() const
{
    RECT client = {0, 0, 0, 0};
    if (GetSafeHwnd() != nullptr) ::GetClientRect(GetSafeHwnd(), &client);
    return SearchHitLayout::MaxLines(client.right - client.left, client.bottom - client.top);
}

void SearchResultsListBox::MeasureItem(LPMEASUREITEMSTRUCT measureItem)
{
    const size_t index = static_cast<size_t>(measureItem->itemData);
    const size_t pathLength = index < m_results.size() ? m_results[index]->path.size() : 0;
    measureItem->itemHeight = static_cast<UINT>(
        SearchHitLayout(pathLength, MaxLines()).ItemHeight());
}

void SearchResultsListBox::DrawLine(HDC dc, int x, int y, int image, const wchar_t* name)
{
    if (m_document != nullptr)
        ImageList_Draw(m_document->m_images, image, dc, x, y, ILD_TRANSPARENT);
    const CString narrow = WideToAnsi(name);
    TextOutA(dc, x + SearchHitLayout::kTextOffset, y, narrow, narrow.GetLength());
}

void SearchResultsListBox::DrawFoldedLine(HDC dc, int x, int y, int right, int image,
                                          const std::wstring& path)
{
    if (m_document != nullptr)
        ImageList_Draw(m_document->m_images, image, dc, x, y, ILD_TRANSPARENT);
    CString narrow = WideToAnsi(path.c_str());
    RECT text = {x + SearchHitLayout::kTextOffset, y, right, y + SearchHitLayout::kLineHeight};
    DrawTextA(dc, narrow, narrow.GetLength(), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_LEFT | DT_TOP);
}

void SearchResultsListBox::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    if (drawItem->itemID == static_cast<UINT>(-1)) return;
    const size_t index = static_cast<size_t>(drawItem->itemData);
    if (index >= m_results.size()) return;
    const SearchHit& hit = *m_results[index];
    const HDC dc = drawItem->hDC;
    RECT rect = drawItem->rcItem;
    rect.bottom -= 1;

    if (drawItem->itemAction & ODA_DRAWENTIRE) {
        const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        FillRect(dc, &rect, GetSysColorBrush(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        // The lines the item was measured for, folded the same way.
        const SearchHitLayout layout(
            hit.path.size(),
            SearchHitLayout::LinesIn(drawItem->rcItem.bottom - drawItem->rcItem.top));
        const int last = layout.LineCount() - 1;
        for (int line = 0; line < last; ++line) {
            const int x = rect.left + SearchHitLayout::LineLeft(line);
            const int y = rect.top + SearchHitLayout::LineTop(line);
            const CatalogNode* node = hit.path[layout.PathIndexOfLine(line)];
            if (line == 0 && layout.FoldedCount() > 0) {
                std::vector<std::wstring> names;
                for (size_t i = 0; i < layout.FoldedCount(); ++i)
                    names.push_back(hit.path[i]->m_name.c_str());
                DrawFoldedLine(dc, x, y, rect.right, GetNodeImageIndex(node, false),
                               SearchHitLayout::FoldedText(names));
            } else {
                DrawLine(dc, x, y, GetNodeImageIndex(node, false), node->m_name.c_str());
            }
        }
        const int x = rect.left + SearchHitLayout::LineLeft(last);
        const int y = rect.top + SearchHitLayout::LineTop(last);
        if (const CatalogNode* node = hit.AsNode())
            DrawLine(dc, x, y, GetNodeImageIndex(node, false), node->m_name.c_str());
        else if (const FileEntry* entry = hit.AsEntry())
            DrawLine(dc, x, y,
                     m_document != nullptr ? m_document->GetFileIconIndex(entry->m_name.c_str())
                                           : 0,
                     entry->m_name.c_str());
        // The separator between hits, along the bottom edge.
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, rect.left, rect.bottom, nullptr);
        LineTo(dc, rect.right, rect.bottom);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        if (drawItem->itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
    } else if (drawItem->itemAction & ODA_FOCUS) {
        DrawFocusRect(dc, &rect);
    }
}

void SearchResultsListBox::OnDblClk()
{
    const int item = GetCurSel();
    if (item == LB_ERR) return;
    const size_t index = static_cast<size_t>(GetItemData(item));
    if (index >= m_results.size()) return;
    CatalogNode* holder = m_results[index]->Holder();
    if (holder == nullptr) return;  // a hit without a path has nowhere to be shown
    CWnd* parent = GetParent();
    if (parent != nullptr)
        parent->SendMessage(WM_SHOW_SEARCH_RESULT, 0, reinterpret_cast<LPARAM>(holder));
}
