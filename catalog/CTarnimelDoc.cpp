// The document: start-up load, navigation, creating and deleting nodes, and closing.
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogShell.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CollectionNode.h"
#include "catalog/FileTypeIcons.h"
#include "catalog/NodeOperations.h"
#include "catalog/SearchDialog.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include "framework/CCmdUI.h"
#include "framework/CView.h"

IMPLEMENT_DYNCREATE(CTarnimelDoc, CDocument)

BEGIN_MESSAGE_MAP(CTarnimelDoc, CDocument)
ON_COMMAND(CTarnimelDoc::CmdGoBack, &CTarnimelDoc::GoBack)
ON_COMMAND(CTarnimelDoc::CmdGoForward, &CTarnimelDoc::GoForward)
ON_COMMAND(CTarnimelDoc::CmdGoUp, &CTarnimelDoc::GoUp)
ON_COMMAND(CTarnimelDoc::CmdSettings, &CTarnimelDoc::OnSettings)
ON_COMMAND(CTarnimelDoc::CmdSaveDatabase, &CTarnimelDoc::OnSaveDatabase)
ON_UPDATE_COMMAND_UI(CTarnimelDoc::CmdGoBack, &CTarnimelDoc::OnUpdateGoBack)
ON_UPDATE_COMMAND_UI(CTarnimelDoc::CmdGoForward, &CTarnimelDoc::OnUpdateGoForward)
ON_UPDATE_COMMAND_UI(CTarnimelDoc::CmdGoUp, &CTarnimelDoc::OnUpdateGoUp)
ON_UPDATE_COMMAND_UI(CTarnimelDoc::CmdSaveDatabase, &CTarnimelDoc::OnUpdateSaveDatabase)
END_MESSAGE_MAP()

namespace
{

std::string g_databaseDirectory;  // empty: the executable's directory

// Icons of the application's resources behind the fixed image-list entries.
const int IconApplication = 141;
const int IconClosedFolder = 134;
const int IconOpenFolder = 135;
const int IconDisc = 133;

}  // namespace

void CTarnimelDoc::SetDatabaseDirectory(const std::string& directory)
{
    g_databaseDirectory = directory;
}

std::string CTarnimelDoc::DatabaseDirectory()
{
    return g_databaseDirectory.empty() ? GetExeDirectory() : g_databaseDirectory;
}

CTarnimelDoc::CTarnimelDoc()
{
    CatalogShell* shell = CatalogShell::Get();
    m_searchDialog = std::make_unique<SearchDialog>(this, nullptr);
    LoadingSplashStatus* splash = shell ? shell->CreateLoadingSplash() : nullptr;
    if (splash) splash->Show();
    CreateImageList();
    LoadSettings();

    LoaderContext context;
    context.status = splash;
    context.directory = DatabaseDirectory();
    context.collections = &m_collections;
    m_startupLoad = LoadDatabaseBehindSplash(context);

    if (splash) {
        splash->Close();
        shell->DestroyLoadingSplash(splash);
    }
}

CTarnimelDoc::~CTarnimelDoc()
{
    m_searchDialog.reset();
    DestroyCollections();
    if (m_images) ImageList_Destroy(m_images);
}

void CTarnimelDoc::CreateImageList()
{
    m_images = ImageList_Create(16, 16, ILC_MASK | ILC_COLORDDB, 7, 5);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON generic = EnumModuleIcons("shell32.dll", 0);
    if (!generic) generic = LoadIconA(instance, MAKEINTRESOURCEA(IconApplication));
    HICON icons[4] = {
        generic,
        (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IconClosedFolder), IMAGE_ICON, 16, 16, 0),
        (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IconOpenFolder), IMAGE_ICON, 16, 16, 0),
        (HICON)LoadImageA(instance, MAKEINTRESOURCEA(IconDisc), IMAGE_ICON, 16, 16, 0)};
    for (HICON icon : icons) {
        // A missing icon still takes its place, so the fixed indexes keep their meaning.
        HICON use = icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
        ImageList_ReplaceIcon(m_images, -1, use);
        if (icon) DestroyIcon(icon);
    }
}

void CTarnimelDoc::DestroyCollections()
{
    m_collections.DeleteAll();
    m_history.Reset(nullptr);
}

BOOL CTarnimelDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument()) return FALSE;
    // Without any collection (the database could not be looked up, and the user was told) there
    // is nothing to show: the start-up ends here.
    if (m_collections.empty()) return FALSE;
    m_history.Reset(m_collections.front());
    UpdateAllViews(nullptr, HintCurrentChanged);
    return TRUE;
}

void CTarnimelDoc::OnCloseDocument()
{
    // No search may read the tree while it is saved and freed, and no kept hit may outlive it.
    if (m_searchDialog) m_searchDialog->ForgetAllHits();
    SaveModifiedCollections(m_collections, DatabaseDirectory(), false, CatalogShell::Get());
    if (CatalogShell* shell = CatalogShell::Get()) shell->CloseInstanceMutex();
    DestroyCollections();
    CDocument::OnCloseDocument();
}

bool CTarnimelDoc::AnyCollectionModified() const
{
    for (CollectionNode* c : m_collections)
        if (c->m_modified) return true;
    return false;
}

void CTarnimelDoc::NavigateTo(CatalogNode* node, CView* sender)
{
    if (m_history.NavigateTo(node)) UpdateAllViews(sender, HintCurrentChanged);
}

void CTarnimelDoc::GoBack()
{
    if (m_history.GoBack()) UpdateAllViews(nullptr, HintCurrentChanged);
}

void CTarnimelDoc::GoForward()
{
    if (m_history.GoForward()) UpdateAllViews(nullptr, HintCurrentChanged);
}

void CTarnimelDoc::GoUp()
{
    CatalogNode* current = m_history.Current();
    if (current && current->m_parent) NavigateTo(current->m_parent, nullptr);
}

void CTarnimelDoc::DeleteNode(CatalogNode* node)
{
    if (!node) node = m_history.Current();
    if (!node || (node->m_type != NodeUserFolder && node->m_type != NodeDisc) || !node->m_parent)
        return;
    CatalogShell* shell = CatalogShell::Get();
    // The question has Yes and No only; the message box adds its own question mark.
    if (!shell || shell->ShowMessage(LoadCatalogString(IdsConfirmDelete), MB_YESNO) != IDYES)
        return;
    // Nothing may keep pointing into the subtree: the current node (also when it lies deeper
    // inside), the histories and the kept search results.
    if (node->Contains(m_history.Current())) NavigateTo(node->m_parent, nullptr);
    CatalogNodeHint hint(node);
    UpdateAllViews(nullptr, HintNodeRemoving, &hint);
    m_history.ForgetSubtree(node);
    if (m_searchDialog) m_searchDialog->ForgetHitsUnder(node);
    CatalogNode* parent = node->m_parent;
    MarkCollectionModified(parent);
    parent->RemoveChild(node);
}

void CTarnimelDoc::CreateFolder(CatalogNode* node)
{
    CatalogNode* target = node ? node : m_history.Current();
    if (!target || target->m_type == NodeDiscFolder || target->m_type == NodeDisc) return;
    // A folder past the deepest level could be saved by nobody: the file would be refused.
    if (!HasRoomBelow(target, CatalogShell::Get())) return;
    UserFolderNode* folder = new UserFolderNode;
    AssignBstrText(folder->m_name, LoadCatalogString(IdsNewFolder).c_str());
    target->AddChild(folder);
    CatalogNodeHint hint(folder);
    UpdateAllViews(nullptr, HintNodeAdded, &hint);
    MarkCollectionModified(target);
}

int CTarnimelDoc::GetFileIconIndex(const wchar_t* fileName)
{
    return m_iconCache.GetFileIconIndex(fileName, m_images);
}

void CTarnimelDoc::OnUpdateGoBack(CCmdUI* cmdUI) { cmdUI->Enable(m_history.CanGoBack()); }
void CTarnimelDoc::OnUpdateGoForward(CCmdUI* cmdUI) { cmdUI->Enable(m_history.CanGoForward()); }
void CTarnimelDoc::OnUpdateGoUp(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_history.Current() && m_history.Current()->m_parent);
}
void CTarnimelDoc::OnUpdateSaveDatabase(CCmdUI* cmdUI) { cmdUI->Enable(AnyCollectionModified()); }
