// The columns of the item list's two representations (children of a collection or user folder,
// content of a disc or disc folder) and their widths kept in the application's profile: section
// "View\Representations\Node" or "...\File", binary "Column widths", one 32-bit little-endian
// width per column in column order.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

class CWinApp;

// The kinds a representation reports; the item list swaps representations by kind.
enum RepresentationKind : int
{
    RepresentationEmpty = 0,
    RepresentationNodes = 1,  // user folders and discs
    RepresentationFiles = 2,  // disc folders and files
};

struct ColumnSpec
{
    unsigned stringId;     // the title in the string table
    const wchar_t* title;  // the same title, for a program built without the resources
    int format;            // LVCFMT_LEFT or LVCFMT_RIGHT
};

class RepresentationColumns
{
public:
    static const int DefaultWidth = 100;
    // Widths outside 0..MaxWidth in a stored value are taken as damage: that column gets the default.
    static const int MaxWidth = 32767;
    static const char WidthsEntry[];  // "Column widths"

    // The columns of a kind in order; none for the empty kind (or an unknown one).
    static std::vector<ColumnSpec> Columns(int kind);
    // The profile section of a kind, or null for a kind that keeps no widths.
    static const char* Section(int kind);

    // The widths for `count` columns from a stored value. No value gives the defaults; a shorter
    // value covers the first columns and the rest get the default; a value whose size is not a
    // whole number of widths or holds more widths than there are columns is refused whole and
    // gives the defaults.
    static std::vector<int> DecodeWidths(const BYTE* data, UINT bytes, std::size_t count);
    static std::vector<BYTE> EncodeWidths(const std::vector<int>& widths);

    // The same through the application's profile functions.
    static std::vector<int> LoadWidths(CWinApp& app, int kind);
    // Writes nothing when there are no widths (a list that had no columns) or the kind keeps none.
    static bool SaveWidths(CWinApp& app, int kind, const std::vector<int>& widths);
};
