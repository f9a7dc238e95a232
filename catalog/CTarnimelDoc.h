// The one document of the application: owns the collections, the current node with its back and
// forward histories, the 16x16 image list of node and file icons, the settings and the search.
// Loads the database before any window shows and saves what changed when it closes.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>
#include "catalog/CatalogNodeHint.h"
#include "catalog/CatalogSettings.h"
#include "catalog/DatabaseThreads.h"
#include "catalog/FileIconCache.h"
#include "catalog/NavigationHistory.h"
#include "catalog/OwnedPtrVector.h"
#include "framework/CDocument.h"

class CatalogNode;
class CatalogShell;
class CCmdUI;
class CollectionNode;
class DiscNode;
class SearchDialog;

class CTarnimelDoc : public CDocument
{
    DECLARE_DYNCREATE(CTarnimelDoc)
public:
    // The hints of UpdateAllViews; hints 2 and 3 carry a CatalogNodeHint (read it with HintNode).
    enum Hint : LPARAM
    {
        HintCurrentChanged = 1,  // no object; the sender view is skipped
        HintNodeAdded = 2,       // the new node
        HintNodeRemoving = 3,    // the node, still intact, whose subtree is about to go
    };
    static CatalogNode* HintNode(const CObject* hint) { return CatalogNodeHint::NodeOf(hint); }

    // Commands the document serves.
    enum Command : UINT
    {
        CmdGoBack = 32779,
        CmdGoForward = 32780,
        CmdGoUp = 32781,
        CmdSettings = 32782,
        CmdSaveDatabase = 32797,
    };

    CTarnimelDoc();  // loads the database behind the splash
    ~CTarnimelDoc() override;

    BOOL OnNewDocument() override;
    void OnCloseDocument() override;

    void NavigateTo(CatalogNode* node, CView* sender);
    void GoBack();
    void GoForward();
    void GoUp();
    // Deletes a user folder or a disc (null: the current node) after the user agrees.
    void DeleteNode(CatalogNode* node);
    // Makes a user folder "Новая папка" under a collection or user folder (null: the current node).
    void CreateFolder(CatalogNode* node);
    // Scans the disc in the CD-ROM drive into the nearest collection or user folder above the
    // node (null: the current node). True when a disc was added.
    bool OnAddDisc(CatalogNode* node);
    // Runs the search dialog; a node chosen in its results becomes the current node.
    void OnSearch();
    void OnSettings();
    void OnSaveDatabase();
    int GetFileIconIndex(const wchar_t* fileName);

    void LoadSettings();
    void SetDefaultRoot(const char* root);

    CatalogNode* GetCurrentNode() const { return m_history.Current(); }
    const NavigationHistory& History() const { return m_history; }
    bool AnyCollectionModified() const;
    SearchDialog* GetSearchDialog() const { return m_searchDialog.get(); }

    // The directory of the database files: the executable's, unless set before the document is made.
    static void SetDatabaseDirectory(const std::string& directory);
    static std::string DatabaseDirectory();

    CatalogSettings m_settings;  // DefaultRoot, RecursionLimit, RecursionLimitEnabled
    OwnedPtrVector<CollectionNode> m_collections;  // in the order loaded
    HIMAGELIST m_images =
        nullptr;  // 0 file, 1 closed folder, 2 open folder, 3 disc, then file types
    StartupLoad m_startupLoad = StartupLoad::Failed;

protected:
    void OnUpdateGoBack(CCmdUI* cmdUI);
    void OnUpdateGoForward(CCmdUI* cmdUI);
    void OnUpdateGoUp(CCmdUI* cmdUI);
    void OnUpdateSaveDatabase(CCmdUI* cmdUI);

private:
    void CreateImageList();
    void DestroyCollections();

    NavigationHistory m_history;
    FileIconCache m_iconCache;
    // Kept so that its results survive between searches.
    std::unique_ptr<SearchDialog> m_searchDialog;

    DECLARE_MESSAGE_MAP()
};
