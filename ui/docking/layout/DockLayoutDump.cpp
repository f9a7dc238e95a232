// Text dump and rule check of a docking layout (see DockLayoutDump.h).
#include "ui/docking/layout/DockLayoutDump.h"

#include <cstdio>

#include "ui/docking/layout/DockAxis.h"

namespace DockLayout
{
namespace
{
std::string DumpRectText(const RECT& r)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%ld,%ld)-(%ld,%ld)", (long)r.left, (long)r.top, (long)r.right,
                  (long)r.bottom);
    return buf;
}

std::string Hex(UINT id)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", id);
    return buf;
}
}  // namespace

const char* AlignmentName(DWORD dwAlignment)
{
    switch (dwAlignment & DOCK_ALIGN_ANY) {
    case DOCK_ALIGN_LEFT: return "left";
    case DOCK_ALIGN_TOP: return "top";
    case DOCK_ALIGN_RIGHT: return "right";
    case DOCK_ALIGN_BOTTOM: return "bottom";
    default: return "none";
    }
}

std::string DumpLayout(const LayoutSnapshot& s)
{
    std::string out = "client " + DumpRectText(s.client) + "\n";
    for (const SnapshotDockBar& d : s.dockBars) {
        out += "dockbar " + Hex(d.id) + " " + AlignmentName(d.alignment) + " " +
               DumpRectText(d.rect) + "\n";
        for (size_t i = 0; i < d.rows.size(); ++i) {
            const SnapshotRow& row = d.rows[i];
            out += "  row " + std::to_string(i) + " +" + std::to_string(row.offset) + " " +
                   std::to_string(row.thickness) + (row.visible ? " visible" : " hidden") + "\n";
            for (const SnapshotBar& b : row.bars)
                out += "    bar \"" + b.name + "\" " + std::to_string(b.id) + " " +
                       DumpRectText(b.rect) + (b.visible ? "" : " hidden") + "\n";
        }
    }
    out += "view " + DumpRectText(s.clientArea) + "\n";
    return out;
}

std::vector<std::string> CheckLayout(const LayoutSnapshot& s)
{
    std::vector<std::string> faults;
    for (const SnapshotDockBar& d : s.dockBars) {
        const DockAxis axis = DockAxis::ForAlignment(d.alignment);
        const std::string where = std::string("dockbar ") + AlignmentName(d.alignment);
        int expectedOffset = 0;
        for (size_t i = 0; i < d.rows.size(); ++i) {
            const SnapshotRow& row = d.rows[i];
            const std::string rowName = where + " row " + std::to_string(i);
            if (!row.visible) continue;
            if (row.offset != expectedOffset)
                faults.push_back(rowName + ": offset " + std::to_string(row.offset) +
                                 ", expected " + std::to_string(expectedOffset));
            expectedOffset += row.thickness;
            const LONG rowStart = axis.CrossStart(d.rect) + row.offset;
            const LONG rowEnd = rowStart + row.thickness;
            const SnapshotBar* pPrev = nullptr;
            for (const SnapshotBar& b : row.bars) {
                if (!b.visible) continue;
                const std::string barName = rowName + " bar \"" + b.name + "\"";
                if (axis.CrossStart(b.rect) < rowStart || axis.CrossEnd(b.rect) > rowEnd)
                    faults.push_back(barName + ": outside the row");
                if (axis.Start(b.rect) < axis.Start(d.rect) || axis.End(b.rect) > axis.End(d.rect))
                    faults.push_back(barName + ": outside the dock bar");
                if (pPrev && axis.Start(b.rect) < axis.End(pPrev->rect))
                    faults.push_back(barName + ": overlaps \"" + pPrev->name + "\"");
                pPrev = &b;
            }
        }
        if (axis.Thickness(d.rect) != expectedOffset)
            faults.push_back(where + ": thickness " + std::to_string(axis.Thickness(d.rect)) +
                             ", rows " + std::to_string(expectedOffset));
    }
    return faults;
}
}  // namespace DockLayout
