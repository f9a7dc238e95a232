// Cross-process list-view queries: each message whose argument is a pointer gets a structure
// written into the list's process and read back after the call.
#include "RemoteListView.h"
#include <commctrl.h>
#include "RemoteBuffer.h"

namespace
{
const int kTextChars = 1024;
}

int RemoteListView::RowCount() const { return (int)SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0); }

std::wstring RemoteListView::Text(int row, int column) const
{
    RemoteBuffer buffer(m_process, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) return std::wstring();
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(buffer.At(sizeof(LVITEMW)));
    buffer.Write(&item, sizeof item);
    const int length = (int)SendMessageW(m_list, LVM_GETITEMTEXTW, row, buffer.At());
    if (length <= 0) return std::wstring();
    std::wstring text(length < kTextChars ? length : kTextChars - 1, L'\0');
    buffer.Read(&text[0], text.size() * sizeof(wchar_t), sizeof(LVITEMW));
    return text;
}

std::vector<std::wstring> RemoteListView::Row(int row) const
{
    std::vector<std::wstring> cells;
    const int columns = ColumnCount();
    for (int c = 0; c < columns; ++c) cells.push_back(Text(row, c));
    return cells;
}

std::vector<std::vector<std::wstring>> RemoteListView::Rows() const
{
    std::vector<std::vector<std::wstring>> rows;
    RemoteBuffer buffer(m_process, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) return rows;
    const int count = RowCount(), columns = ColumnCount();
    std::vector<wchar_t> text(kTextChars, L'\0');
    for (int r = 0; r < count; ++r) {
        rows.emplace_back();
        for (int c = 0; c < columns; ++c) {
            LVITEMW item = {};
            item.iSubItem = c;
            item.cchTextMax = kTextChars;
            item.pszText = reinterpret_cast<LPWSTR>(buffer.At(sizeof(LVITEMW)));
            buffer.Write(&item, sizeof item);
            const int length = (int)SendMessageW(m_list, LVM_GETITEMTEXTW, r, buffer.At());
            const int kept = length < kTextChars ? (length > 0 ? length : 0) : kTextChars - 1;
            buffer.Read(text.data(), kept * sizeof(wchar_t), sizeof(LVITEMW));
            rows.back().emplace_back(text.data(), kept);
        }
    }
    return rows;
}

std::vector<std::wstring> RemoteListView::Names() const
{
    std::vector<std::wstring> names;
    const int rows = RowCount();
    for (int r = 0; r < rows; ++r) names.push_back(Text(r, 0));
    return names;
}

int RemoteListView::FindRow(const std::wstring& name) const
{
    const int rows = RowCount();
    for (int r = 0; r < rows; ++r)
        if (Text(r, 0) == name) return r;
    return -1;
}

HWND RemoteListView::Header() const
{
    return reinterpret_cast<HWND>(SendMessageW(m_list, LVM_GETHEADER, 0, 0));
}

int RemoteListView::ColumnCount() const
{
    const HWND header = Header();
    return header != nullptr ? (int)SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) : 0;
}

std::vector<std::wstring> RemoteListView::ColumnTitles() const
{
    std::vector<std::wstring> titles;
    const int columns = ColumnCount();
    RemoteBuffer buffer(m_process, sizeof(LVCOLUMNW) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) return titles;
    for (int c = 0; c < columns; ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.cchTextMax = kTextChars;
        column.pszText = reinterpret_cast<LPWSTR>(buffer.At(sizeof(LVCOLUMNW)));
        const wchar_t nothing = 0;
        buffer.Write(&column, sizeof column);
        buffer.Write(&nothing, sizeof nothing, sizeof(LVCOLUMNW));
        SendMessageW(m_list, LVM_GETCOLUMNW, c, buffer.At());
        std::vector<wchar_t> text(kTextChars, L'\0');
        buffer.Read(text.data(), (kTextChars - 1) * sizeof(wchar_t), sizeof(LVCOLUMNW));
        titles.push_back(text.data());
    }
    return titles;
}

int RemoteListView::ColumnWidth(int column) const
{
    return (int)SendMessageW(m_list, LVM_GETCOLUMNWIDTH, column, 0);
}

bool RemoteListView::SetColumnWidth(int column, int width) const
{
    return SendMessageW(m_list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
}

bool RemoteListView::CellRect(int row, int column, RECT& screen) const
{
    RemoteBuffer buffer(m_process, sizeof(RECT));
    if (!buffer.Valid()) return false;
    RECT rect = {};
    rect.top = column;
    rect.left = LVIR_LABEL;
    buffer.Write(&rect, sizeof rect);
    if (!SendMessageW(m_list, LVM_GETSUBITEMRECT, row, buffer.At())) return false;
    if (!buffer.Read(&rect, sizeof rect)) return false;
    MapWindowPoints(m_list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    screen = rect;
    return true;
}
