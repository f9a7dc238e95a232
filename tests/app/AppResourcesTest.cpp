// The catalogue's resources as the program finds them: Russian texts intact through the UTF-8
// script, every dialog template present, icons at both sizes, and the splash pictures.
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

#include "app/JpegPicture.h"
#include "resources/AppResource.h"

namespace
{

std::wstring LoadText(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text),
                                   0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

// The command items of a menu and its popups, "text=id" in menu order ("-" a separator).
void DescribeMenu(HMENU menu, std::vector<std::wstring>& items)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 127;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        if (info.hSubMenu)
            DescribeMenu(info.hSubMenu, items);
        else if (info.fType & MFT_SEPARATOR)
            items.push_back(L"-");
        else
            items.push_back(std::wstring(text) + L"=" + std::to_wstring(info.wID));
    }
}

std::vector<std::wstring> MenuItems(UINT id, int popup = -1)
{
    std::vector<std::wstring> items;
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    if (!menu) return items;
    DescribeMenu(popup < 0 ? menu : GetSubMenu(menu, popup), items);
    DestroyMenu(menu);
    return items;
}

}  // namespace

// The menu texts are the commands' own, with no shortcut hints added after a tab: the table of
// accelerators is not shown in the menu.
TEST(AppResources, MenuTextsAreTheCommandsOwn)
{
    EXPECT_EQ((std::vector<std::wstring>{
                  // "Файл"
                  L"Добавить диск...=32771", L"Создать папку=32772", L"Удалить=32773", L"-",
                  L"Сохранить БД=32797", L"Импорт БД...=32795", L"-", L"Выход=57665",
                  // "Каталог"
                  L"Поиск...=32776", L"-", L"Назад=32779", L"Вперёд=32780",
                  L"На уровень вверх=32781", L"-", L"Статистика...=164", L"Настройка...=32782",
                  // "Отображение", "Справка"
                  L"Показать Обзор=32789", L"Скрыть Обзор=32790", L"О программе...=57664"}),
              MenuItems(IDR_MAINFRAME));

    const struct
    {
        int popup;
        std::vector<std::wstring> items;
    } contexts[] = {
        {0,
         {L"Поиск...=32776", L"Добавить диск...=32771", L"Создать папку=32778", L"Удалить=32773"}},
        {1, {L"Поиск...=32776", L"Добавить диск...=32771", L"Создать папку=32778"}},
        {2, {L"Поиск...=32776", L"Удалить=32773"}},
        {3,
         {L"Поиск...=32776", L"-", L"Добавить диск...=32771", L"Создать папку=32778", L"-",
          L"Удалить=32773"}},
        {4, {L"Добавить...=32786", L"Удалить=32787", L"Свойства...=32792"}},
        {5, {L"Исключить из поиска=108"}},
    };
    for (const auto& c : contexts)
        EXPECT_EQ(c.items, MenuItems(IDR_CONTEXT_MENUS, c.popup)) << "popup " << c.popup;
}

TEST(AppResources, StringTable)
{
    const struct
    {
        UINT id;
        const wchar_t* text;
    } strings[] = {
        {IDS_REGISTRY_KEY, L"rimsel"},
        {IDS_LOADING_DATABASE, L"Загрузка базы данных..."},
        {IDS_DEFAULT_COLLECTION, L"My collections"},
        {IDS_NEW_FOLDER, L"Новая папка"},
        {IDS_DATABASE_EXTENSION, L".dat"},
        {IDS_NEW_ITEM, L"Новый элемент"},
        {IDS_FOLDER_TYPE, L"Папка"},
        {IDS_CONFIRM_DELETE, L"Вы действительно хотите удалить папку, со всем её содержимым?"},
        {IDS_DATABASE_LOAD_ERROR, L"Ошибка загрузки базы данных! Продолжение работы невозможно..."},
        {IDS_ADD_DISC_ERROR, L"Ошибка при добавлении нового диска!"},
        {IDS_DATABASE_SAVE_ERROR,
         L"Ошибка при сохранении базы данных! Файл базы данных остался прежним."},
        {IDS_DATABASE_NOT_OVERWRITTEN,
         L"Файл базы данных не удалось прочитать при запуске, поэтому он не будет перезаписан."},
    };
    for (const auto& s : strings) EXPECT_EQ(std::wstring(s.text), LoadText(s.id)) << s.id;

    // The narrow form the program works with is code page 1251.
    char narrow[64] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_NEW_FOLDER, narrow, sizeof narrow), 0);
    EXPECT_STREQ("\xCD\xEE\xE2\xE0\xFF \xEF\xE0\xEF\xEA\xE0", narrow);
}

TEST(AppResources, DialogTemplatesExist)
{
    for (UINT id : {IDD_ABOUTBOX, IDD_ADD_DISC_PROGRESS, IDD_SEARCH, IDD_SETTINGS, IDD_STATISTICS,
                    IDD_SAVE_DATABASE})
        EXPECT_NE(nullptr,
                  FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */))
            << id;
}

TEST(AppResources, IconsLoadAtBothSizes)
{
    for (UINT id :
         {IDI_APPLICATION_MAIN, IDI_DISC, IDI_FOLDER_CLOSED, IDI_FOLDER_OPEN, IDI_GENERIC_FILE})
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(LoadImageA(
                GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(nullptr, icon) << id;
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bm = {};
            GetObjectA(info.hbmMask, sizeof bm, &bm);
            EXPECT_EQ(size, bm.bmWidth) << id;
            DeleteObject(info.hbmMask);
            DeleteObject(info.hbmColor);
            DestroyIcon(icon);
        }
}

TEST(AppResources, SplashPictureAndStrip)
{
    JpegPicture picture(IDR_SPLASH_PICTURE);
    ASSERT_FALSE(picture.IsEmpty());
    EXPECT_EQ(400, picture.Width());
    EXPECT_EQ(300, picture.Height());

    HBITMAP strip = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH_STRIP));
    ASSERT_NE(nullptr, strip);
    BITMAP bm = {};
    GetObjectA(strip, sizeof bm, &bm);
    EXPECT_EQ(398, bm.bmWidth);
    EXPECT_EQ(7, bm.bmHeight);
    DeleteObject(strip);
}
