// Texts of the catalogue that live in the program's string table, by id. A program built without
// the resources (a test, a tool) gets the same Russian texts from here.
#pragma once
#include <string>

enum CatalogStringId : unsigned
{
    IdsLoadingDatabase = 130,    // "Загрузка базы данных..."
    IdsMyCollections = 131,      // "My collections": the collection loaded at start-up
    IdsNewFolder = 132,          // "Новая папка"
    IdsDatabaseExtension = 133,  // ".dat"
    IdsUnlabelledDisc = 134,     // "Новый элемент"
    IdsConfirmDelete = 50000,
    IdsDatabaseLoadError = 51000,
    IdsAddDiscError = 51001,
    // Texts of this module's own resource script (resources/Catalog.rc).
    IdsDatabaseSaveError = 51104,
    IdsDatabaseNotOverwritten = 51105,
    IdsFoldersTooDeep = 51106,  // holds a %d for the deepest level
};

// The narrow (ANSI) text of a string resource of the executable.
std::string LoadCatalogString(unsigned id);
