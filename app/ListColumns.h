#pragma once
// The item list's columns, in the order the list shows them: one set for a folder's subfolders
// and discs, one for a disc folder's files.

enum NodeColumn
{
    NodeName = 0,
    NodeCreated = 1,
    NodeDescription = 2,
    NodeLentTo = 3
};

enum FileColumn
{
    FileName = 0,
    FileSize = 1,
    FileType = 2,
    FileModified = 3,
    FileDescription = 4
};
