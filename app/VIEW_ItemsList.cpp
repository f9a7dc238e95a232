// The item list view: hints from the document, sorting, the cell editor and its loop.
#include "app/VIEW_ItemsList.h"

#include "app/CellEditKeys.h"
#include "app/ContextMenuTracker.h"
#include "app/FileItemsRepresentation.h"
#include "app/InPlaceEdit.h"
#include "app/ListControlSort.h"
#include "app/ListRowCollector.h"
#include "app/ListRowOrder.h"
#include "app/NodeItemsRepresentation.h"
#include "app/RowItemData.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogNode.h"
#include "framework/CGdiObject.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"

IMPLEMENT_DYNCREATE(VIEW_ItemsList, CListView)

BEGIN_MESSAGE_MAP(VIEW_ItemsList, CListView)
ON_NOTIFY_REFLECT(NM_DBLCLK, &VIEW_ItemsList::OnDblClick)
ON_NOTIFY_REFLECT(NM_RCLICK, &VIEW_ItemsList::OnRightClick)
ON_NOTIFY_REFLECT(LVN_BEGINDRAG, &VIEW_ItemsList::OnBeginDrag)
ON_WM_CHAR()
ON_NOTIFY(NM_CHAR, InPlaceEdit::ControlId, &VIEW_ItemsList::OnEditorChar)
ON_EN_KILLFOCUS(InPlaceEdit::ControlId, &VIEW_ItemsList::OnEditorKillFocus)
ON_WM_DESTROY()
ON_COMMAND(ID_FIND, &VIEW_ItemsList::OnSearch)
ON_COMMAND_EX(ID_EDIT_LOOP, &VIEW_ItemsList::RunEditLoop)
END_MESSAGE_MAP()

namespace
{

// The header's images: 6 x 7, masked, device colours; room for 3, growing by 1.
const int HeaderImageWidth = 6;
const int HeaderImageHeight = 7;
const int HeaderImagesInitial = 3;
const int HeaderImagesGrow = 1;
const UINT HeaderImageFlags = ILC_MASK | ILC_COLORDDB;

const UINT EditorStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;

}  // namespace

VIEW_ItemsList::RowBatch::RowBatch(VIEW_ItemsList& view) : m_view(view)
{
    if (m_view.m_batchDepth++ == 0 && m_view.GetSafeHwnd() != nullptr) m_view.SetRedraw(FALSE);
}

VIEW_ItemsList::RowBatch::~RowBatch()
{
    if (--m_view.m_batchDepth == 0 && m_view.GetSafeHwnd() != nullptr) {
        m_view.SetRedraw(TRUE);
        m_view.Invalidate();
    }
}

VIEW_ItemsList::VIEW_ItemsList() : m_pRepresentation(std::make_unique<ItemsRepresentation>())
{
    m_pRepresentation->SetOwner(this);
}

VIEW_ItemsList::~VIEW_ItemsList() { delete m_pCellEditor; }

CTarnimelDoc* VIEW_ItemsList::GetCatalog() const
{
    return dynamic_cast<CTarnimelDoc*>(m_pDocument);
}

void VIEW_ItemsList::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    // The small images are the document's: the list must not destroy them with itself.
    ModifyStyle(0, LVS_REPORT | LVS_SHAREIMAGELISTS);
    if (m_headerImages.GetSafeHandle() == nullptr &&
        m_headerImages.Create(HeaderImageWidth, HeaderImageHeight, HeaderImageFlags,
                              HeaderImagesInitial, HeaderImagesGrow))
    {
        HINSTANCE instance = AfxGetResourceHandle();
        HBITMAP images = ::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_HEADER_ARROWS));
        HBITMAP mask = ::LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_HEADER_ARROWS_MASK));
        if (images) ImageList_Add(m_headerImages.GetSafeHandle(), images, mask);
        if (images) ::DeleteObject(images);
        if (mask) ::DeleteObject(mask);
    }
    if (CTarnimelDoc* doc = GetCatalog()) ListView_SetImageList(m_hWnd, doc->m_images, LVSIL_SMALL);
    if (HWND header = ListView_GetHeader(m_hWnd))
        Header_SetImageList(header, m_headerImages.GetSafeHandle());
}

void VIEW_ItemsList::OnUpdate(CView*, LPARAM lHint, CObject* pHint)
{
    CTarnimelDoc* doc = GetCatalog();
    if (!doc) return;
    CListCtrl& list = GetListCtrl();
    // Emptying, filling and sorting paint once, after the whole change.
    RowBatch batch(*this);
    switch (lHint) {
    case CTarnimelDoc::HintCurrentChanged: {
        // The rows are about to go: an open cell editor would write into another row.
        EndCellEdit(true);
        const CatalogNode* current = doc->GetCurrentNode();
        if (!current) {
            SetRepresentation(RepresentationEmpty);
            return;
        }
        if (current->m_type == NodeCollection || current->m_type == NodeUserFolder)
            SetRepresentation(RepresentationNodes);
        else
            SetRepresentation(RepresentationFiles);
        m_pRepresentation->Refill();
        break;
    }
    case CTarnimelDoc::HintNodeAdded: {
        const CatalogNode* node = CTarnimelDoc::HintNode(pHint);
        if (node && node->m_parent == doc->GetCurrentNode()) {
            EndCellEdit(true);
            list.DeleteAllItems();
            m_pRepresentation->Refill();
        }
        break;
    }
    case CTarnimelDoc::HintNodeRemoving: {
        const CatalogNode* node = CTarnimelDoc::HintNode(pHint);
        if (!node) break;
        LVFINDINFOA find = {};
        find.flags = LVFI_PARAM;
        find.lParam = RowItemData::FromNode(node);
        const int row = list.FindItem(&find);
        if (row >= 0) {
            if (m_pCellEditor && m_editRow == row) EndCellEdit(true);
            list.DeleteItem(row);
        }
        break;
    }
    default: break;
    }
}

void VIEW_ItemsList::SetRepresentation(int kind)
{
    RowBatch batch(*this);
    GetListCtrl().DeleteAllItems();
    if (m_pRepresentation->GetKind() != kind) {
        std::unique_ptr<ItemsRepresentation> next;
        switch (kind) {
        case RepresentationEmpty: next = std::make_unique<ItemsRepresentation>(); break;
        case RepresentationNodes: next = std::make_unique<NodeItemsRepresentation>(); break;
        case RepresentationFiles: next = std::make_unique<FileItemsRepresentation>(); break;
        default: break;
        }
        if (next) {
            m_pRepresentation->SaveColumns();
            m_pRepresentation = std::move(next);
        }
    }
    m_pRepresentation->SetOwner(this);
    // A kept representation already has its columns.
    if (ListView_GetHeader(m_hWnd) == nullptr ||
        Header_GetItemCount(ListView_GetHeader(m_hWnd)) == 0)
        m_pRepresentation->SetupColumns();
}

void VIEW_ItemsList::InsertRows(const std::vector<ListRow>& rows)
{
    CListCtrl& list = GetListCtrl();
    RowBatch batch(*this);
    int at = list.GetItemCount();
    // Room for every row at once instead of growing row by row.
    ListView_SetItemCount(m_hWnd, at + (int)rows.size());
    for (const ListRow& row : rows) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = at++;
        item.pszText = const_cast<char*>(row.texts.empty() ? "" : row.texts[0].c_str());
        item.iImage = row.image;
        item.lParam = row.data;
        const int inserted = list.InsertItem(&item);
        if (inserted < 0) continue;
        for (std::size_t column = 1; column < row.texts.size(); ++column)
            if (!row.texts[column].empty())
                list.SetItemText(inserted, (int)column, row.texts[column].c_str());
    }
}

int CALLBACK VIEW_ItemsList::CompareItems(LPARAM a, LPARAM b, LPARAM view)
{
    VIEW_ItemsList* self = reinterpret_cast<VIEW_ItemsList*>(view);
    return CompareRows(self->m_pRepresentation->IsLess(a, b), self->m_sort.Direction());
}

void VIEW_ItemsList::SortRows()
{
    RowBatch batch(*this);
    GetListCtrl().SortItems(&VIEW_ItemsList::CompareItems, reinterpret_cast<DWORD_PTR>(this));
}

void VIEW_ItemsList::ShowRows(std::vector<ListRow> rows)
{
    RowBatch batch(*this);
    if (GetListCtrl().GetItemCount() != 0) {
        InsertRows(rows);
        SortRows();
        return;
    }
    // The control's own sort took a good part of a large fill; ordering our own array first gives
    // the same order for much less.
    SortAsListControl(rows, [this](const ListRow& a, const ListRow& b) {
        return CompareItems(a.data, b.data, reinterpret_cast<LPARAM>(this));
    });
    InsertRows(rows);
}

void VIEW_ItemsList::OnHeaderClick(int column)
{
    m_sort.Click(column);
    SortRows();
}

BOOL VIEW_ItemsList::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    const HWND header = ListView_GetHeader(m_hWnd);
    if (header && hdr->hwndFrom == header &&
        (hdr->code == HDN_ITEMCLICKA || hdr->code == HDN_ITEMCLICKW))
    {
        // The A and W forms agree on the item and the button.
        const NMHEADERA* click = reinterpret_cast<const NMHEADERA*>(lParam);
        const int LeftButton = 0;
        if (click->iButton == LeftButton) OnHeaderClick(click->iItem);
        *pResult = 0;
        return TRUE;
    }
    return CListView::OnNotify(wParam, lParam, pResult);
}

void VIEW_ItemsList::OnDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMITEMACTIVATE* activate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    if (activate->iItem != -1)
        m_pRepresentation->OnDoubleClick(activate->iItem, activate->iSubItem);
}

void VIEW_ItemsList::OnRightClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMITEMACTIVATE* activate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    m_pRepresentation->OnContextMenu(activate->iItem, activate->iSubItem);
}

void VIEW_ItemsList::OnBeginDrag(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void VIEW_ItemsList::OnChar(UINT nChar, UINT, UINT)
{
    CListCtrl& list = GetListCtrl();
    if (EnterOpensRow(nChar, (int)list.GetSelectedCount())) {
        const int mark = ListView_GetSelectionMark(m_hWnd);
        if (mark >= 0) m_pRepresentation->OnDoubleClick(mark, 0);
    }
    Default();
}

void VIEW_ItemsList::BeginCellEdit(int row, int column)
{
    if (m_pCellEditor) EndCellEdit(false);
    CListCtrl& list = GetListCtrl();
    const CString text = list.GetItemText(row, column);
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    ModifyStyle(0, LVS_SHOWSELALWAYS);

    CRect rect;
    list.GetSubItemRect(row, column, LVIR_LABEL, rect);
    list.EnsureVisible(row, FALSE);
    rect.left += 1;
    rect.bottom -= 1;

    InPlaceEdit* editor = new InPlaceEdit;
    if (!editor->Create(EditorStyle, rect, this, InPlaceEdit::ControlId)) {
        delete editor;
        return;
    }
    m_pCellEditor = editor;
    m_editRow = row;
    m_editColumn = column;
    editor->SetWindowText(text);
    editor->SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), TRUE);
    editor->ShowWindow(SW_SHOW);
    editor->SetFocus();

    // The click that opened the editor lands in it, so the caret goes where the user clicked.
    const LRESULT hit = editor->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y));
    const LRESULT activate = editor->SendMessage(WM_MOUSEACTIVATE,
                                                 (WPARAM)GetTopLevelParent()->GetSafeHwnd(),
                                                 MAKELPARAM(hit, WM_LBUTTONDOWN));
    if (activate == MA_ACTIVATE || activate == MA_NOACTIVATE) {
        editor->PostMessage(WM_SETCURSOR, (WPARAM)editor->GetSafeHwnd(),
                            MAKELPARAM(hit, WM_LBUTTONDOWN));
        POINT inEditor = cursor;
        ::ScreenToClient(editor->GetSafeHwnd(), &inEditor);
        editor->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inEditor.x, inEditor.y));
    } else if (activate == MA_ACTIVATEANDEAT) {
        editor->PostMessage(WM_SETCURSOR, (WPARAM)editor->GetSafeHwnd(),
                            MAKELPARAM(hit, WM_LBUTTONDOWN));
    }

    // The main thread stays in the edit's loop until the edit ends.
    m_editLoop.Begin();
    if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_LOOP, 0), 0);
}

void VIEW_ItemsList::EndCellEdit(bool cancel)
{
    if (!m_pCellEditor) return;
    ModifyStyle(LVS_SHOWSELALWAYS, 0);
    CString text;
    if (!cancel) m_pCellEditor->GetWindowText(text);
    ::ReleaseCapture();
    // The member is cleared first: the focus loss the editor's destruction causes must find no
    // editor, so that the edit ends exactly once.
    InPlaceEdit* editor = m_pCellEditor;
    m_pCellEditor = nullptr;
    editor->DestroyWindow();
    delete editor;
    if (!cancel) {
        GetListCtrl().SetItemText(m_editRow, m_editColumn, text);
        m_pRepresentation->CommitEdit(m_editRow, m_editColumn, text);
    }
    m_editLoop.End();
}

BOOL VIEW_ItemsList::RunEditLoop(UINT)
{
    if (!m_pCellEditor) return FALSE;
    m_editLoop.Run();
    return TRUE;
}

void VIEW_ItemsList::OnEditorChar(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMCHAR* info = reinterpret_cast<const NMCHAR*>(pNMHDR);
    const EditKeyAction action = CellEditKeyAction(info->ch);
    *pResult = CellEditKeyResult(action);
    if (action == EditKeyAction::Commit)
        EndCellEdit(false);
    else if (action == EditKeyAction::Cancel)
        EndCellEdit(true);
}

void VIEW_ItemsList::OnEditorKillFocus() { EndCellEdit(false); }

void VIEW_ItemsList::OnDestroy()
{
    EndCellEdit(true);
    CListView::OnDestroy();
    if (m_pRepresentation) {
        m_pRepresentation->SaveColumns();
        m_pRepresentation.reset();
    }
}

void VIEW_ItemsList::OnSearch()
{
    if (CTarnimelDoc* doc = GetCatalog()) doc->OnSearch();
}

UINT VIEW_ItemsList::TrackContextPopup(HMENU popup)
{
    return ContextMenuTracker::Current().Track(popup, m_hWnd);
}

void VIEW_ItemsList::SendCommandToParent(UINT command)
{
    if (command == 0) return;
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(command), 0), 0);
}
