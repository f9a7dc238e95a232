// The frame's main view: a report list of what the document's current node holds. The columns,
// rows and reactions belong to a replaceable representation chosen by the kind of node; the view
// keeps the sort state, the column header's images and the editor of one cell.
#pragma once
#include <memory>
#include <vector>

#include "app/ListSortState.h"
#include "app/ModalEditLoop.h"
#include "framework/CImageList.h"
#include "framework/CListView.h"

class CTarnimelDoc;
class InPlaceEdit;
class ItemsRepresentation;
struct ListRow;

class VIEW_ItemsList : public CListView
{
    DECLARE_DYNCREATE(VIEW_ItemsList)
public:
    VIEW_ItemsList();
    ~VIEW_ItemsList() override;

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    CTarnimelDoc* GetCatalog() const;
    ItemsRepresentation* GetRepresentation() const { return m_pRepresentation.get(); }
    // Kind 0 empty, 1 nodes, 2 files; the current one stays when it is of that kind already,
    // any other kind keeps the old one. Then its columns are set up.
    void SetRepresentation(int kind);

    int SortColumn() const { return m_sort.Column(); }
    int SortDirection() const { return m_sort.Direction(); }
    // A click on a header column: another column sorts ascending, the same one flips the order.
    void OnHeaderClick(int column);
    void SortRows();
    void InsertRows(const std::vector<ListRow>& rows);
    // Shows a fill's rows in the order the list's sort by the current column gives them. Into
    // an empty list they go in already ordered (the order the control's own sort would give);
    // otherwise they are appended and the list sorts.
    void ShowRows(std::vector<ListRow> rows);

    // While one lives, the list's drawing is off: rows go in, are sorted and go out as one batch
    // and the list paints once at the end instead of once per row. Scopes nest; the outermost
    // turns drawing on again.
    class RowBatch
    {
    public:
        explicit RowBatch(VIEW_ItemsList& view);
        ~RowBatch();
        RowBatch(const RowBatch&) = delete;
        RowBatch& operator=(const RowBatch&) = delete;

    private:
        VIEW_ItemsList& m_view;
    };

    // The in-place cell editor.
    void BeginCellEdit(int row, int column);
    void EndCellEdit(bool cancel);
    InPlaceEdit* GetCellEditor() const { return m_pCellEditor; }
    int EditedRow() const { return m_editRow; }
    int EditedColumn() const { return m_editColumn; }
    // Runs the edit's local loop while a cell edit is open (command 106). FALSE when none is.
    BOOL RunEditLoop(UINT);

    // Shows a context popup at the cursor and answers the command chosen, 0 when dismissed.
    UINT TrackContextPopup(HMENU popup);
    // Hands a command on to the frame, as if chosen from its menu; 0 sends nothing.
    void SendCommandToParent(UINT command);

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRightClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnEditorChar(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEditorKillFocus();
    void OnDestroy();
    void OnSearch();

private:
    static int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM view);

    CImageList m_headerImages;
    InPlaceEdit* m_pCellEditor = nullptr;
    int m_editRow = -1;
    int m_editColumn = -1;
    ListSortState m_sort;
    int m_batchDepth = 0;  // RowBatch scopes open
    std::unique_ptr<ItemsRepresentation> m_pRepresentation;
    ModalEditLoop m_editLoop;

    DECLARE_MESSAGE_MAP()
};
