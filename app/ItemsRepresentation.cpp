// Columns, widths and rows shared by the item list's representations.
#include "app/ItemsRepresentation.h"

#include <vector>

#include "app/FileTypeNames.h"
#include "app/ListRowCollector.h"
#include "app/VIEW_ItemsList.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/TextConversion.h"
#include "framework/CHeaderCtrl.h"
#include "framework/CWinApp.h"

void ItemsRepresentation::SetupColumns()
{
    const std::vector<ColumnSpec> columns = RepresentationColumns::Columns(GetKind());
    if (columns.empty() || !m_pView) return;
    CWinApp* app = AfxGetApp();
    std::vector<int> widths = app ? RepresentationColumns::LoadWidths(*app, GetKind())
                                  : std::vector<int>(columns.size(),
                                                     RepresentationColumns::DefaultWidth);
    CListCtrl& list = m_pView->GetListCtrl();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        CString title;
        if (!title.LoadString(columns[i].stringId)) title = ToAnsiString(columns[i].title).c_str();
        list.InsertColumn((int)i, title, columns[i].format, widths[i], -1);
    }
}

void ItemsRepresentation::SaveColumns()
{
    if (!m_pView) return;
    CListCtrl& list = m_pView->GetListCtrl();
    list.DeleteAllItems();
    HWND header = ListView_GetHeader(list.GetSafeHwnd());
    std::vector<int> widths;
    while (header && Header_GetItemCount(header) > 0) {
        RECT rect = {};
        Header_GetItemRect(header, 0, &rect);
        widths.push_back(rect.right - rect.left);
        list.DeleteColumn(0);
    }
    if (CWinApp* app = AfxGetApp()) RepresentationColumns::SaveWidths(*app, GetKind(), widths);
}

void ItemsRepresentation::Refill()
{
    if (!m_pView) return;
    CTarnimelDoc* doc = m_pView->GetCatalog();
    if (!doc) return;
    ListRowCollector collector(GetKind(), FileTypeNames::Shared(),
                               [doc](const wchar_t* name) { return doc->GetFileIconIndex(name); });
    m_pView->ShowRows(collector.Collect(doc->GetCurrentNode()));
}
