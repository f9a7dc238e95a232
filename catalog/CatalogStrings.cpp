// Loading the catalogue's texts from the string table, with the same texts built in.
#include "catalog/CatalogStrings.h"
#include <windows.h>

namespace
{

struct BuiltIn
{
    unsigned id;
    const wchar_t* text;
};

const BuiltIn builtIn[] = {
    {IdsLoadingDatabase, L"Загрузка базы данных..."},
    {IdsMyCollections, L"My collections"},
    {IdsNewFolder, L"Новая папка"},
    {IdsDatabaseExtension, L".dat"},
    {IdsUnlabelledDisc, L"Новый элемент"},
    {IdsConfirmDelete, L"Вы действительно хотите удалить папку, со всем её содержимым?"},
    {IdsDatabaseLoadError, L"Ошибка загрузки базы данных! Продолжение работы невозможно..."},
    {IdsAddDiscError, L"Ошибка при добавлении нового диска!"},
    {IdsDatabaseSaveError, L"Ошибка при сохранении базы данных! Файл базы данных остался прежним."},
    {IdsDatabaseNotOverwritten,
     L"Файл базы данных не удалось прочитать при запуске, поэтому он не будет перезаписан."},
    {IdsFoldersTooDeep,
     L"Сюда ничего нельзя добавить: папки каталога не вкладываются глубже %d уровней."},
};

std::string Narrow(const wchar_t* w, int len)
{
    if (len <= 0) return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, w, len, nullptr, 0, nullptr, nullptr);
    std::string s((std::size_t)(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, w, len, &s[0], n, nullptr, nullptr);
    return s;
}

}  // namespace

std::string LoadCatalogString(unsigned id)
{
    // The string table holds UTF-16; reading it wide keeps the Russian texts whatever the build.
    const wchar_t* res = nullptr;
    int len = LoadStringW(GetModuleHandleW(nullptr), id, (LPWSTR)&res, 0);
    if (len > 0 && res) return Narrow(res, len);
    for (const BuiltIn& b : builtIn)
        if (b.id == id) return Narrow(b.text, (int)wcslen(b.text));
    return std::string();
}
