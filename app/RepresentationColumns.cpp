// Column tables of the item list and the codec of their stored widths.
#include "app/RepresentationColumns.h"
#include <commctrl.h>
#include <iterator>
#include "framework/CWinApp.h"

namespace
{

const UINT WidthBytes = 4;

// String table ids of the column titles.
enum : unsigned
{
    IdsColumnName = 150,
    IdsColumnSize = 151,
    IdsColumnType = 152,
    IdsColumnDescription = 153,
    IdsColumnModified = 154,
    IdsColumnCreated = 155,
    IdsColumnLentTo = 156,
};

const ColumnSpec nodeColumns[] = {
    {IdsColumnName, L"Имя", LVCFMT_LEFT},
    {IdsColumnCreated, L"Дата создания", LVCFMT_LEFT},
    {IdsColumnDescription, L"Описание", LVCFMT_LEFT},
    {IdsColumnLentTo, L"На руках у ...", LVCFMT_LEFT},
};

const ColumnSpec fileColumns[] = {
    {IdsColumnName, L"Имя", LVCFMT_LEFT},
    {IdsColumnSize, L"Размер", LVCFMT_RIGHT},
    {IdsColumnType, L"Тип", LVCFMT_LEFT},
    {IdsColumnModified, L"Дата изменения", LVCFMT_LEFT},
    {IdsColumnDescription, L"Описание", LVCFMT_LEFT},
};

}  // namespace

const char RepresentationColumns::WidthsEntry[] = "Column widths";

std::vector<ColumnSpec> RepresentationColumns::Columns(int kind)
{
    switch (kind) {
    case RepresentationNodes:
        return std::vector<ColumnSpec>(std::begin(nodeColumns), std::end(nodeColumns));
    case RepresentationFiles:
        return std::vector<ColumnSpec>(std::begin(fileColumns), std::end(fileColumns));
    default: return std::vector<ColumnSpec>();
    }
}

const char* RepresentationColumns::Section(int kind)
{
    switch (kind) {
    case RepresentationNodes: return "View\\Representations\\Node";
    case RepresentationFiles: return "View\\Representations\\File";
    default: return nullptr;
    }
}

std::vector<int> RepresentationColumns::DecodeWidths(const BYTE* data, UINT bytes,
                                                     std::size_t count)
{
    std::vector<int> widths(count, DefaultWidth);
    if (!data || bytes == 0 || bytes % WidthBytes != 0 || bytes / WidthBytes > count) return widths;
    for (std::size_t i = 0; i < bytes / WidthBytes; ++i) {
        const BYTE* p = data + i * WidthBytes;
        const std::int32_t width = (std::int32_t)((std::uint32_t)p[0] | (std::uint32_t)p[1] << 8 |
                                                  (std::uint32_t)p[2] << 16 |
                                                  (std::uint32_t)p[3] << 24);
        if (width >= 0 && width <= MaxWidth) widths[i] = width;
    }
    return widths;
}

std::vector<BYTE> RepresentationColumns::EncodeWidths(const std::vector<int>& widths)
{
    std::vector<BYTE> bytes;
    bytes.reserve(widths.size() * WidthBytes);
    for (int width : widths) {
        const std::uint32_t w = (std::uint32_t)width;
        for (UINT shift = 0; shift < 32; shift += 8) bytes.push_back((BYTE)(w >> shift));
    }
    return bytes;
}

std::vector<int> RepresentationColumns::LoadWidths(CWinApp& app, int kind)
{
    const std::size_t count = Columns(kind).size();
    const char* section = Section(kind);
    if (!section) return std::vector<int>(count, DefaultWidth);
    LPBYTE data = nullptr;
    UINT bytes = 0;
    if (!app.GetProfileBinary(section, WidthsEntry, &data, &bytes)) data = nullptr;
    std::vector<int> widths = DecodeWidths(data, data ? bytes : 0, count);
    delete[] data;
    return widths;
}

bool RepresentationColumns::SaveWidths(CWinApp& app, int kind, const std::vector<int>& widths)
{
    const char* section = Section(kind);
    if (!section || widths.empty()) return false;
    std::vector<BYTE> bytes = EncodeWidths(widths);
    return app.WriteProfileBinary(section, WidthsEntry, bytes.data(), (UINT)bytes.size()) != FALSE;
}
