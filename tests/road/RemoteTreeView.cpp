// Cross-process tree-view queries through a RemoteBuffer.
#include "RemoteTreeView.h"
#include "RemoteBuffer.h"

namespace
{
const int kTextChars = 1024;
const int kIndentPerLevel = 2;
}  // namespace

std::wstring RemoteTreeView::Text(HTREEITEM item) const
{
    if (item == nullptr) return std::wstring();
    RemoteBuffer buffer(m_process, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) return std::wstring();
    TVITEMW tvi = {};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.cchTextMax = kTextChars;
    tvi.pszText = reinterpret_cast<LPWSTR>(buffer.At(sizeof(TVITEMW)));
    const wchar_t nothing = 0;
    buffer.Write(&tvi, sizeof tvi);
    buffer.Write(&nothing, sizeof nothing, sizeof(TVITEMW));
    if (!SendMessageW(m_tree, TVM_GETITEMW, 0, buffer.At())) return std::wstring();
    std::vector<wchar_t> text(kTextChars, L'\0');
    buffer.Read(text.data(), (kTextChars - 1) * sizeof(wchar_t), sizeof(TVITEMW));
    return text.data();
}

std::vector<std::wstring> RemoteTreeView::ChildNames(HTREEITEM parent) const
{
    std::vector<std::wstring> names;
    Open(parent);
    for (HTREEITEM c = parent ? FirstChild(parent) : Root(); c != nullptr; c = NextSibling(c))
        names.push_back(Text(c));
    return names;
}

HTREEITEM RemoteTreeView::FindChild(HTREEITEM parent, const std::wstring& name) const
{
    Open(parent);
    for (HTREEITEM c = parent ? FirstChild(parent) : Root(); c != nullptr; c = NextSibling(c))
        if (Text(c) == name) return c;
    return nullptr;
}

HTREEITEM RemoteTreeView::Find(const std::vector<std::wstring>& path) const
{
    HTREEITEM item = nullptr;
    for (const std::wstring& name : path) {
        item = FindChild(item, name);
        if (item == nullptr) return nullptr;
    }
    return item;
}

std::vector<std::wstring> RemoteTreeView::PathOf(HTREEITEM item) const
{
    std::vector<std::wstring> path;
    for (; item != nullptr; item = Parent(item)) path.insert(path.begin(), Text(item));
    return path;
}

void RemoteTreeView::AddOutline(HTREEITEM first, int depth, std::wstring& out) const
{
    for (HTREEITEM c = first; c != nullptr; c = NextSibling(c)) {
        out += std::wstring(depth * kIndentPerLevel, L' ') + Text(c) + L"\n";
        Open(c);
        AddOutline(FirstChild(c), depth + 1, out);
    }
}

std::wstring RemoteTreeView::Outline() const
{
    std::wstring out;
    AddOutline(Root(), 0, out);
    return out;
}

bool RemoteTreeView::Select(HTREEITEM item) const
{
    return SendMessageW(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

void RemoteTreeView::Open(HTREEITEM item) const
{
    // The program puts an item's children in when it is first opened.
    if (item != nullptr) Expand(item);
}

bool RemoteTreeView::Expand(HTREEITEM item) const
{
    return SendMessageW(m_tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)) != 0;
}

bool RemoteTreeView::EnsureVisible(HTREEITEM item) const
{
    SendMessageW(m_tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    return item != nullptr;
}

HWND RemoteTreeView::EditControl() const
{
    return reinterpret_cast<HWND>(SendMessageW(m_tree, TVM_GETEDITCONTROL, 0, 0));
}

bool RemoteTreeView::TextRect(HTREEITEM item, RECT& screen) const
{
    RemoteBuffer buffer(m_process, sizeof(RECT));
    if (!buffer.Valid()) return false;
    RECT rect = {};
    *reinterpret_cast<HTREEITEM*>(&rect) = item;  // the message reads the item from the rectangle
    buffer.Write(&rect, sizeof rect);
    if (!SendMessageW(m_tree, TVM_GETITEMRECT, TRUE, buffer.At())) return false;
    if (!buffer.Read(&rect, sizeof rect)) return false;
    MapWindowPoints(m_tree, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    screen = rect;
    return true;
}
