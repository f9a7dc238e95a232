// What the views decide without windows: commands per kind of node, context menus, double-clicks,
// label edits, the tree's drop check and the new-disc prompt.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>
#include <map>
#include <string>
#include <vector>

#include "app/CellEditKeys.h"
#include "app/DriveFacts.h"
#include "app/NewCdromPrompt.h"
#include "app/NodePath.h"
#include "app/NodeCommandRules.h"
#include "app/RowItemData.h"
#include "app/TreeDropRules.h"
#include "catalog/TextConversion.h"
#include "CatalogTreeFixture.h"

namespace
{

// A chain of user folders under `top`, `levels` deep; returns the deepest.
CatalogNode* Chain(CatalogNode* top, int levels)
{
    CatalogNode* node = top;
    for (int i = 0; i < levels; ++i) node = AddNode<UserFolderNode>(node, L"f");
    return node;
}

TEST(NodeCommandRules, OnlyUserFoldersAndDiscsAreRenamedInPlace)
{
    CatalogTreeFixture t;
    const struct
    {
        const char* what;
        const CatalogNode* node;
        bool renamed;
    } cases[] = {
        {"collection (the root)", &t.root, false},
        {"user folder", t.games, true},
        {"nested user folder", t.old, true},
        {"disc", t.disc, true},
        {"disc folder", t.docs, false},
        {"no node", nullptr, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.renamed, CanRenameInPlace(c.node)) << c.what;
}

TEST(NodeCommandRules, ContextMenusByKindOfNode)
{
    CatalogTreeFixture t;
    EXPECT_EQ(1, TreeContextPopup(&t.root));
    EXPECT_EQ(0, TreeContextPopup(t.games));
    EXPECT_EQ(2, TreeContextPopup(t.disc));
    EXPECT_EQ(-1, TreeContextPopup(t.docs));
    EXPECT_EQ(-1, TreeContextPopup(nullptr));

    // The node list's popup: "Поиск...", separator, "Добавить диск...", "Создать папку",
    // separator, "Удалить"; what stays after removing by position.
    const UINT search = 32776, addDisc = 32771, createFolder = 32778, remove = 32773, separator = 0;
    struct Case
    {
        const char* what;
        const CatalogNode* row;
        std::vector<UINT> kept;
    } cases[] = {
        {"disc row", t.disc, {search, separator, addDisc, createFolder, separator, remove}},
        {"user folder row", t.games, {search, separator, addDisc, createFolder, separator}},
        {"empty space", nullptr, {search, separator, addDisc, createFolder}},
    };
    for (const Case& c : cases) {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, search, "search");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, addDisc, "add");
        AppendMenuA(menu, MF_STRING, createFolder, "create");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, remove, "delete");
        for (int position : NodeListMenuRemovals(c.row)) RemoveMenu(menu, position, MF_BYPOSITION);
        std::vector<UINT> kept;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) kept.push_back(GetMenuItemID(menu, i));
        DestroyMenu(menu);
        EXPECT_EQ(c.kept, kept) << c.what;
    }

    EXPECT_EQ(MenuAction::Nothing, NodeListMenuAction(0));  // dismissed
    EXPECT_EQ(MenuAction::DeleteRow, NodeListMenuAction(32773));
    EXPECT_EQ(MenuAction::SendToFrame, NodeListMenuAction(32778));
    EXPECT_EQ(MenuAction::SendToFrame, NodeListMenuAction(108));
    EXPECT_EQ(MenuAction::Nothing, FileListMenuAction(0));
    EXPECT_EQ(MenuAction::ToggleExcluded, FileListMenuAction(108));
    EXPECT_EQ(MenuAction::SendToFrame, FileListMenuAction(32776));

    const LPARAM folderRow = RowItemData::FromNode(t.docs),
                 fileRow = RowItemData::FromEntry(t.Setup());
    EXPECT_TRUE(FileListShowsMenu(0, 3, folderRow));
    EXPECT_FALSE(FileListShowsMenu(1, 3, fileRow));
    EXPECT_FALSE(FileListShowsMenu(-1, 3, 0));
    EXPECT_FALSE(FileListShowsMenu(3, 3, folderRow));
}

TEST(NodeCommandRules, DoubleClicksOnCells)
{
    CatalogTreeFixture t;
    struct Case
    {
        const char* what;
        const CatalogNode* row;
        int column;
        CellAction action;
    } cases[] = {
        {"folder name", t.games, 0, CellAction::Navigate},
        {"disc date", t.disc, 1, CellAction::Navigate},
        {"folder description", t.games, 2, CellAction::EditCell},
        {"disc description", t.disc, 2, CellAction::EditCell},
        {"disc lent-to", t.disc, 3, CellAction::EditCell},
        {"folder lent-to: no editor", t.games, 3, CellAction::Beep},
        {"past the columns", t.disc, 4, CellAction::Nothing},
        {"no row", nullptr, 0, CellAction::Nothing},
    };
    for (const Case& c : cases) EXPECT_EQ(c.action, NodeListDoubleClick(c.row, c.column)) << c.what;
    EXPECT_EQ(CellAction::Navigate, FileListDoubleClick(RowItemData::FromNode(t.docs)));
    EXPECT_EQ(CellAction::Nothing, FileListDoubleClick(RowItemData::FromEntry(t.Readme())));
}

TEST(NodeCommandRules, LabelEditRenamesOnlyToAnotherText)
{
    CatalogTreeFixture t;
    const std::string games = ToAnsiString(L"Игры");
    EXPECT_FALSE(LabelEditRenames(t.games, games.c_str()));                 // the same text
    EXPECT_FALSE(LabelEditRenames(t.games, nullptr));                       // cancelled with Esc
    EXPECT_TRUE(LabelEditRenames(t.games, ToAnsiString(L"игры").c_str()));  // letter case counts
    EXPECT_FALSE(LabelEditRenames(t.games, ""));  // an emptied edit keeps the name
    EXPECT_TRUE(LabelEditRenames(t.disc, "Music"));
}

TEST(TreeDropRules, WhatMayBeDroppedWhere)
{
    CatalogTreeFixture t;
    UserFolderNode* music = AddNode<UserFolderNode>(&t.root, L"Музыка");
    struct Case
    {
        const char* what;
        const CatalogNode *dragged, *target;
        DropDecision decision;
    } cases[] = {
        {"disc into a folder", t.disc, music, DropDecision::Move},
        {"folder into another", t.games, music, DropDecision::Move},
        {"nested folder up to the collection", t.old, &t.root, DropDecision::Move},
        {"folder onto itself", t.games, t.games, DropDecision::Nothing},
        {"nowhere", t.games, nullptr, DropDecision::Nothing},
        {"folder into its own sub-folder", t.games, t.old, DropDecision::Refuse},
        {"folder onto a disc", t.games, t.disc, DropDecision::Refuse},
        {"folder onto a disc folder", t.games, t.docs, DropDecision::Refuse},
        {"the root anywhere", &t.root, music, DropDecision::Refuse},
        {"a disc folder anywhere", t.docs, music, DropDecision::Refuse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.decision, DecideTreeDrop(c.dragged, c.target)) << c.what;
}

TEST(TreeDropRules, AMoveStaysWithinTheDeepestLevel)
{
    CatalogTreeFixture t;
    EXPECT_EQ(3, SubtreeHeight(&t.root));  // root > Disc > Docs > Sub
    EXPECT_EQ(2, SubtreeHeight(t.disc));
    EXPECT_EQ(0, SubtreeHeight(t.sub));

    // Disc (height 2) under a folder at depth d ends at d + 1 + 2: 512 still fits, 513 does not.
    CollectionNode other;
    CatalogNode* fits = Chain(&other, CatalogNode::MaxDepth - 3);
    CatalogNode* tooDeep = AddNode<UserFolderNode>(fits, L"one more");
    EXPECT_EQ(DropDecision::Move, DecideTreeDrop(t.disc, fits));
    EXPECT_EQ(DropDecision::Refuse, DecideTreeDrop(t.disc, tooDeep));
    EXPECT_EQ(DropDecision::Move, DecideTreeDrop(t.old, tooDeep));  // a leaf: 510 + 1
}

TEST(TreeDropRules, ADropMovesTheNodeAndMarksBothCollections)
{
    CatalogTreeFixture t;
    UserFolderNode* music = AddNode<UserFolderNode>(&t.root, L"Музыка");
    CollectionNode other;
    UserFolderNode* shelf = AddNode<UserFolderNode>(&other, L"Shelf");

    // Refused and empty drops change nothing and mark nothing.
    EXPECT_EQ(DropDecision::Refuse, MoveDroppedNode(t.games, t.old));
    EXPECT_EQ(DropDecision::Refuse, MoveDroppedNode(t.games, t.disc));
    EXPECT_EQ(DropDecision::Nothing, MoveDroppedNode(t.games, t.games));
    EXPECT_EQ(&t.root, t.games->m_parent);
    EXPECT_EQ(t.games, t.old->m_parent);
    EXPECT_EQ(0, t.root.m_modified);

    ASSERT_EQ(DropDecision::Move, MoveDroppedNode(t.disc, music));
    EXPECT_EQ(music, t.disc->m_parent);
    EXPECT_EQ(1u, music->m_children.count(t.disc));
    EXPECT_EQ(0u, t.root.m_children.count(t.disc));
    EXPECT_EQ(t.docs, *t.disc->m_children.begin());  // the subtree comes along
    EXPECT_EQ(1, t.root.m_modified);
    EXPECT_EQ(0, other.m_modified);

    // Into another collection: both files must be saved.
    t.root.m_modified = 0;
    ASSERT_EQ(DropDecision::Move, MoveDroppedNode(t.games, shelf));
    EXPECT_EQ(shelf, t.games->m_parent);
    EXPECT_EQ(&other, t.old->Root());
    EXPECT_EQ(1, t.root.m_modified);
    EXPECT_EQ(1, other.m_modified);
}

TEST(NodePath, FromTheCollectionDownToTheNode)
{
    CatalogTreeFixture t;
    EXPECT_EQ((std::vector<CatalogNode*>{&t.root, t.disc, t.docs, t.sub}), NodePathFromRoot(t.sub));
    EXPECT_EQ((std::vector<CatalogNode*>{&t.root, t.games, t.old}), NodePathFromRoot(t.old));
    EXPECT_EQ((std::vector<CatalogNode*>{&t.root}), NodePathFromRoot(&t.root));
    EXPECT_TRUE(NodePathFromRoot(nullptr).empty());
}

TEST(CellEditKeys, WhatKeysDoAroundACellEdit)
{
    const struct
    {
        UINT character;
        EditKeyAction action;
        LRESULT result;
    } cases[] = {
        {9, EditKeyAction::Commit, 1},                                // Tab
        {13, EditKeyAction::Commit, 1},                               // Enter
        {27, EditKeyAction::Cancel, 1},                               // Esc
        {'a', EditKeyAction::Type, 0},  {8, EditKeyAction::Type, 0},  // Backspace edits the text
        {0xE9, EditKeyAction::Type, 0},                               // a letter of the code page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.action, CellEditKeyAction(c.character)) << c.character;
        EXPECT_EQ(c.result, CellEditKeyResult(CellEditKeyAction(c.character))) << c.character;
    }
    EXPECT_TRUE(EnterOpensRow(13, 1));
    EXPECT_FALSE(EnterOpensRow(13, 2));
    EXPECT_FALSE(EnterOpensRow(13, 0));
    EXPECT_FALSE(EnterOpensRow('a', 1));
}

// Drives of a test machine: C: a hard disc, D: a CD-ROM labelled "MYDISC", E: a CD-ROM whose
// volume cannot be read, F: a removable stick.
class FakeDrives : public DriveFacts
{
public:
    UINT DriveType(const std::string& root) override
    {
        static const std::map<std::string, UINT> types = {{"C:\\", DRIVE_FIXED},
                                                          {"D:\\", DRIVE_CDROM},
                                                          {"E:\\", DRIVE_CDROM},
                                                          {"F:\\", DRIVE_REMOVABLE}};
        auto found = types.find(root);
        return found == types.end() ? DRIVE_NO_ROOT_DIR : found->second;
    }
    std::string VolumeLabel(const std::string& root) override
    {
        return root == "D:\\" ? label : "";
    }
    std::string label = "MYDISC";
};

DWORD Bit(char drive) { return 1u << (drive - 'A'); }

TEST(NewCdromPrompt, AsksOnlyForAnArrivingCdrom)
{
    FakeDrives drives;
    const std::string withLabel = ToAnsiString(
        L"Обнаружен новый CD-ROM!\n\nМетка диска: MYDISC\n\nДобавить?");
    const std::string noLabel = ToAnsiString(
        L"Обнаружен новый CD-ROM!\n\nМетка диска: \n\nДобавить?");
    struct Case
    {
        const char* what;
        WPARAM event;
        DWORD deviceType;
        DWORD size;
        DWORD mask;
        bool asks;
        const char* root;
        const std::string* text;
    } cases[] = {
        {"CD-ROM arrives", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, sizeof(DEV_BROADCAST_VOLUME),
         Bit('D'), true, "D:\\", &withLabel},
        {"unreadable label", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, sizeof(DEV_BROADCAST_VOLUME),
         Bit('E'), true, "E:\\", &noLabel},
        {"first CD-ROM of the mask", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME,
         sizeof(DEV_BROADCAST_VOLUME), Bit('C') | Bit('E') | Bit('D'), true, "D:\\", &withLabel},
        {"hard disc", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, sizeof(DEV_BROADCAST_VOLUME), Bit('C'),
         false, "", nullptr},
        {"USB stick", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, sizeof(DEV_BROADCAST_VOLUME), Bit('F'),
         false, "", nullptr},
        {"empty mask", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME, sizeof(DEV_BROADCAST_VOLUME), 0, false,
         "", nullptr},
        {"CD-ROM removed", DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_VOLUME,
         sizeof(DEV_BROADCAST_VOLUME), Bit('D'), false, "", nullptr},
        {"a port arrives", DBT_DEVICEARRIVAL, DBT_DEVTYP_PORT, sizeof(DEV_BROADCAST_VOLUME),
         Bit('D'), false, "", nullptr},
        {"broadcast too short for a mask", DBT_DEVICEARRIVAL, DBT_DEVTYP_VOLUME,
         sizeof(DEV_BROADCAST_HDR), Bit('D'), false, "", nullptr},
    };
    for (const Case& c : cases) {
        DEV_BROADCAST_VOLUME volume = {};
        volume.dbcv_size = c.size;
        volume.dbcv_devicetype = c.deviceType;
        volume.dbcv_unitmask = c.mask;
        NewCdromPrompt prompt;
        EXPECT_EQ(c.asks, prompt.Prepare(c.event, (LPARAM)&volume, drives)) << c.what;
        EXPECT_EQ(c.root, prompt.m_root) << c.what;
        EXPECT_EQ(c.text ? *c.text : std::string(), prompt.m_text) << c.what;
    }
    NewCdromPrompt prompt;
    EXPECT_FALSE(prompt.Prepare(DBT_DEVICEARRIVAL, 0, drives));
}

TEST(NewCdromPrompt, ALongLabelIsCutToTheBuffer)
{
    FakeDrives drives;
    drives.label = std::string(2000, 'x') + "%s%n";
    NewCdromPrompt prompt;
    ASSERT_TRUE(prompt.PrepareForMask(Bit('D'), drives));
    EXPECT_EQ(999u, prompt.m_text.size());
    EXPECT_EQ(ToAnsiString(L"Обнаружен новый CD-ROM!\n\nМетка диска: xxx"),
              prompt.m_text.substr(0, 41));
}

}  // namespace
