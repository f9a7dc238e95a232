// The catalogue's resources as the program finds them: Russian texts intact through the UTF-8
// script, every dialog template present, icons at both sizes, and the splash pictures.
#include <gtest/gtest.h>
#include <string>
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

}  // namespace

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
