// RecalcLayout of a frame with 40 bars in 8 rows on its four sides, against one bare
// DeferWindowPos batch that puts the same windows at the same final rectangles, measured in the
// same run. Each turn the frame alternates between two widths (resized with layout locked), so
// both sides move the dock bars the same way. Goal: ratio <= 2.
// Usage: docking_bench.exe [turns]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "DemoBars.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameWnd.h"

namespace
{
const int kBarsPerRow = 5;
const int kRowsPerSide = 2;
const UINT kSides[] = {0xE81B, 0xE81E, 0xE81C, 0xE81D};
const int kWidths[] = {900, 860};
const int kHeight = 700;

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

struct Placement
{
    HWND hWnd;
    RECT rect;  // the parent's client coordinates
};

std::vector<Placement> Capture(const std::vector<HWND>& windows)
{
    std::vector<Placement> placements;
    for (HWND hWnd : windows) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        ::MapWindowPoints(nullptr, ::GetParent(hWnd), (POINT*)&rect, 2);
        placements.push_back({hWnd, rect});
    }
    return placements;
}

void ResizeLocked(CWnd* pFrame, int nWidth)
{
    CZAVPDockManager::m_bDisableRecalcLayout = TRUE;
    pFrame->SetWindowPos(nullptr, 0, 0, nWidth, kHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CZAVPDockManager::m_bDisableRecalcLayout = FALSE;
}
}  // namespace

int main(int argc, char** argv)
{
    const int nTurns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 400;
    CWinApp app("DockingBench");
    CZAVPFrameWnd* pFrame = new CZAVPFrameWnd;
    if (!pFrame->Create(nullptr, "Docking bench", WS_OVERLAPPEDWINDOW,
                        CRect(0, 0, kWidths[0], kHeight)))
        return 1;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    std::vector<std::unique_ptr<DemoBar>> bars;
    UINT nID = 300;
    for (UINT side : kSides)
        for (int row = 0; row < kRowsPerSide; ++row)
            for (int i = 0; i < kBarsPerRow; ++i) {
                auto bar = std::make_unique<DemoBar>(90, 24);
                char szName[16];
                std::snprintf(szName, sizeof szName, "Bar %u", nID);
                if (!bar->CreateIn(pFrame, szName, nID++)) return 2;
                if (i == 0) {
                    pFrame->DockControlBar(bar.get(), side);
                } else {
                    // Beside the previous bar of the row.
                    CRect rect;
                    bars.back()->GetWindowRect(rect);
                    const bool bHorz = side == 0xE81B || side == 0xE81E;
                    rect.OffsetRect(bHorz ? rect.Width() + 4 : 0, bHorz ? 0 : rect.Height() + 4);
                    pFrame->DockControlBar(bar.get(), side, rect);
                }
                bars.push_back(std::move(bar));
            }

    // Every window the layout moves: the dock bars and the bars.
    std::vector<HWND> windows;
    const CObList& list = pFrame->m_dockManager.GetControlBars();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        windows.push_back(static_cast<CWnd*>(list.GetNext(pos))->GetSafeHwnd());
    for (const auto& bar : bars) windows.push_back(bar->GetSafeHwnd());

    // The final rectangles at each width, as the layout makes them.
    std::vector<Placement> finals[2];
    for (int w = 0; w < 2; ++w) {
        ResizeLocked(pFrame, kWidths[w]);
        pFrame->RecalcLayout();
        finals[w] = Capture(windows);
    }

    // The stricter baseline: only the windows whose rectangle differs between the two widths.
    std::vector<Placement> changed[2];
    for (int w = 0; w < 2; ++w)
        for (size_t i = 0; i < finals[w].size(); ++i)
            if (!::EqualRect(&finals[w][i].rect, &finals[1 - w][i].rect))
                changed[w].push_back(finals[w][i]);

    auto batchOf = [](const std::vector<Placement>& placements) {
        HDWP hdwp = ::BeginDeferWindowPos((int)placements.size());
        for (const Placement& p : placements)
            hdwp = ::DeferWindowPos(hdwp, p.hWnd, nullptr, p.rect.left, p.rect.top,
                                    p.rect.right - p.rect.left, p.rect.bottom - p.rect.top,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
        ::EndDeferWindowPos(hdwp);
    };
    double bestLayout = 1e9, bestBatch = 1e9, bestChanged = 1e9;
    for (int round = 0; round < 3; ++round) {
        double layout = 0, batch = 0, changedOnly = 0;
        for (int turn = 0; turn < nTurns; ++turn) {
            const int w = turn % 2;
            ResizeLocked(pFrame, kWidths[w]);
            double t = Now();
            pFrame->RecalcLayout();
            layout += Now() - t;

            // Back to where the layout started from, then the bare batch of the same final
            // rectangles.
            ResizeLocked(pFrame, kWidths[1 - w]);
            pFrame->RecalcLayout();
            ResizeLocked(pFrame, kWidths[w]);
            t = Now();
            batchOf(finals[w]);
            batch += Now() - t;

            ResizeLocked(pFrame, kWidths[1 - w]);
            pFrame->RecalcLayout();
            ResizeLocked(pFrame, kWidths[w]);
            t = Now();
            batchOf(changed[w]);
            changedOnly += Now() - t;
        }
        bestLayout = std::min(bestLayout, layout);
        bestBatch = std::min(bestBatch, batch);
        bestChanged = std::min(bestChanged, changedOnly);
    }
    std::printf("RecalcLayout, 40 bars in 8 rows: %.3f ms per layout\n",
                bestLayout * 1000.0 / nTurns);
    std::printf("bare DeferWindowPos batch of the same rectangles: %.3f ms\n",
                bestBatch * 1000.0 / nTurns);
    std::printf("ratio %.2f (goal <= 2)\n", bestLayout / bestBatch);
    std::printf("bare batch of the %zu windows that move: %.3f ms, ratio %.2f\n", changed[0].size(),
                bestChanged * 1000.0 / nTurns, bestLayout / bestChanged);
    pFrame->DestroyWindow();
    return 0;
}
