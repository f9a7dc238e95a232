// Reads a report list view of another process: rows, cells, column titles, widths and cell
// rectangles. Structures go through a RemoteBuffer in the layout of this program's pointer size,
// which the driver checks is the target's too.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class RemoteListView
{
public:
    RemoteListView(HWND list, HANDLE process) : m_list(list), m_process(process) {}

    HWND Handle() const { return m_list; }
    int RowCount() const;
    std::wstring Text(int row, int column) const;
    // Every cell of a row, column 0 first.
    std::vector<std::wstring> Row(int row) const;
    // Every cell of every row, through one buffer (for large lists).
    std::vector<std::vector<std::wstring>> Rows() const;
    // Column 0 of every row, in the order shown.
    std::vector<std::wstring> Names() const;
    int FindRow(const std::wstring& name) const;  // -1 when no row has this name

    int ColumnCount() const;
    std::vector<std::wstring> ColumnTitles() const;
    int ColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width) const;
    HWND Header() const;

    // The cell's rectangle in screen coordinates (column 0: the label part).
    bool CellRect(int row, int column, RECT& screen) const;

private:
    HWND m_list;
    HANDLE m_process;
};
