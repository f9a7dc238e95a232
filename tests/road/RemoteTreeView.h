// Reads and drives a tree view of another process: items, their texts, the caret, the drop
// highlight, label editing and item rectangles.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

class RemoteTreeView
{
public:
    RemoteTreeView(HWND tree, HANDLE process) : m_tree(tree), m_process(process) {}

    HWND Handle() const { return m_tree; }
    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM Parent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    HTREEITEM Caret() const { return Next(nullptr, TVGN_CARET); }
    HTREEITEM DropHighlight() const { return Next(nullptr, TVGN_DROPHILITE); }
    std::wstring Text(HTREEITEM item) const;
    // The children of an item: it is opened first, as a user opens it to see them.
    std::vector<std::wstring> ChildNames(HTREEITEM parent) const;
    HTREEITEM FindChild(HTREEITEM parent, const std::wstring& name) const;
    // An item by the names from a root item down, e.g. {L"My collections", L"Игры"}, opening
    // the items on the way.
    HTREEITEM Find(const std::vector<std::wstring>& path) const;
    // The names from the root down to the item.
    std::vector<std::wstring> PathOf(HTREEITEM item) const;
    // The whole tree, one line per item, two spaces of indent per level, every item opened: for
    // comparing states.
    std::wstring Outline() const;

    bool Select(HTREEITEM item) const;  // as the caret, with the tree's notifications
    bool Expand(HTREEITEM item) const;
    bool EnsureVisible(HTREEITEM item) const;  // opens its parents and scrolls it into view
    HWND EditControl() const;
    // The item's text rectangle in screen coordinates.
    bool TextRect(HTREEITEM item, RECT& screen) const;

private:
    HTREEITEM Next(HTREEITEM item, UINT how) const
    {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(m_tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }
    void AddOutline(HTREEITEM first, int depth, std::wstring& out) const;
    void Open(HTREEITEM item) const;

    HWND m_tree;
    HANDLE m_process;
};
