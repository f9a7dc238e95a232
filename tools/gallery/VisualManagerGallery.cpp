// Draws the elements of every look (bars, borders, grippers, captions and caption buttons,
// menus, tabs, status panes, mini-frame borders, the tasks pane) into one bitmap file per look,
// gallery-<class name>.bmp in the directory given (the current one by default), so the looks can
// be compared side by side. Runs without a display: everything is drawn into a memory DC. The
// pixels' fourth byte is 0, so view them with the alpha channel off (convert -alpha off).
#include <windows.h>

#include <cstdio>
#include <string>

#include "BitmapFile.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPVisualManager2003.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/CZAVPWinXPVisualManager.h"
#include "ui/foundation/ZAVPDib.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"

namespace
{
// The texts here are UTF-8; the drawing code takes the ANSI code page (1251).
CString Ansi(const char* utf8)
{
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 255);
    char narrow[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, 255, nullptr, nullptr);
    return CString(narrow);
}

const int kWidth = 720;
const int kHeight = 600;

// A docked bar of the gallery with a platform bar style and the system's capability bits.
class GalleryBar : public CZAVPBaseControlBar
{
public:
    GalleryBar(DWORD dwStyle, DWORD dwControlBarStyle)
    {
        m_dwStyle = dwStyle;
        m_dwControlBarStyle = dwControlBarStyle;
    }
    BOOL IsDocked() const override { return TRUE; }
};

// Three tabs, the middle one active, at the top or the bottom; flat tabs on request.
class GalleryTabs : public CZAVPBaseTabWnd
{
public:
    GalleryTabs(BOOL bTop, BOOL bFlat, BOOL bScroll = FALSE) : m_bFlat(bFlat), m_bScroll(bScroll)
    {
        m_location = bTop ? LOCATION_TOP : LOCATION_BOTTOM;
        const char* labels[] = {"Обзор", "Свойства", "Поиск"};
        for (const char* label : labels)
            m_arTabs.Add(new CZAVPTabInfo(Ansi(label), (UINT)-1, nullptr));
        m_iTabsNum = 3;
        m_iActiveTab = 1;
        static_cast<CZAVPTabInfo*>(m_arTabs[2])->m_clrBack = RGB(255, 224, 160);
    }
    BOOL IsFlatTab() const override { return m_bFlat; }
    BOOL IsOneTabScroll() const override { return m_bScroll; }
    void GetTabsRect(CRect& rect) const override { rect = m_rectTabs; }

    CRect m_rectTabs;

private:
    BOOL m_bFlat;
    BOOL m_bScroll;
};

class Gallery
{
public:
    Gallery(CDC& dc, CZAVPVisualManager& manager) : m_dc(dc), m_vm(manager) {}

    void DrawAll()
    {
        m_dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
        m_dc.SelectObject(&globalData.fontRegular);
        m_dc.SetBkMode(TRANSPARENT);
        DrawBars(CPoint(10, 10));
        DrawCaptions(CPoint(370, 10));
        DrawMenu(CPoint(10, 170));
        DrawControls(CPoint(250, 170));
        DrawTabs(CPoint(370, 170));
        DrawStatusBar(CPoint(10, 380));
        DrawMiniFrame(CPoint(370, 340));
        DrawTasksPane(CPoint(10, 470));
    }

private:
    void Text(int x, int y, const char* utf8, COLORREF color = RGB(0, 0, 0))
    {
        const CString text = Ansi(utf8);
        m_dc.SetTextColor(color);
        m_dc.TextOut(x, y, text, text.GetLength());
    }
    void Label(int x, int y, const char* utf8) { Text(x, y, utf8); }

    void DrawBars(CPoint at)
    {
        Label(at.x, at.y, "Панели: фон, рамка, захват, разделитель");
        GalleryBar bar(CBRS_ALIGN_TOP | CBRS_BORDER_ANY | CBRS_GRIPPER, ZAVP_CBRS_FLOAT);
        CRect rect(at.x, at.y + 20, at.x + 330, at.y + 50);
        m_vm.OnFillBarBackground(&m_dc, &bar, rect, rect);
        CRect inner = rect;
        m_vm.OnDrawBarBorder(&m_dc, &bar, inner);
        m_vm.OnDrawBarGripper(&m_dc, CRect(inner.left, inner.top, inner.left + 8, inner.bottom),
                              TRUE, &bar);
        CRect button(inner.left + 12, inner.top + 3, inner.left + 35, inner.bottom - 3);
        m_vm.OnDrawButtonBorder(&m_dc, nullptr, button, CZAVPVisualManager::ButtonsIsHighlighted);
        button.OffsetRect(26, 0);
        m_vm.OnDrawButtonBorder(&m_dc, nullptr, button, CZAVPVisualManager::ButtonsIsPressed);
        m_vm.OnDrawSeparator(
            &m_dc, &bar,
            CRect(button.right + 2, inner.top + 2, button.right + 10, inner.bottom - 2), TRUE);

        GalleryBar fixed(CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, 0);
        rect.OffsetRect(0, 40);
        m_vm.OnFillBarBackground(&m_dc, &fixed, rect, rect);
        inner = rect;
        m_vm.OnDrawBarBorder(&m_dc, &fixed, inner);

        GalleryBar vertical(CBRS_ALIGN_LEFT | CBRS_BORDER_ANY, ZAVP_CBRS_FLOAT);
        CRect column(at.x, at.y + 100, at.x + 30, at.y + 160);
        m_vm.OnFillBarBackground(&m_dc, &vertical, column, column);
        inner = column;
        m_vm.OnDrawBarBorder(&m_dc, &vertical, inner);
        m_vm.OnDrawBarGripper(&m_dc, CRect(inner.left, inner.top, inner.right, inner.top + 8),
                              FALSE, &vertical);
        m_vm.OnDrawSeparator(&m_dc, &vertical,
                             CRect(inner.left + 2, inner.top + 20, inner.right - 2, inner.top + 28),
                             FALSE);
        // The gradient look's customise button, at the far end of a horizontal and a vertical bar.
        if (CZAVPVisualManager2003* p2003 = dynamic_cast<CZAVPVisualManager2003*>(&m_vm)) {
            const CRect first(at.x, at.y + 20, at.x + 330, at.y + 50);
            p2003->DrawCustomizeButtonFace(
                &m_dc, CRect(first.right - 13, first.top, first.right, first.bottom), TRUE,
                CZAVPVisualManager::ButtonsIsRegular, TRUE, TRUE);
            p2003->DrawCustomizeButtonFace(
                &m_dc, CRect(column.left, column.bottom - 13, column.right, column.bottom), FALSE,
                CZAVPVisualManager::ButtonsIsRegular, TRUE, TRUE);
            p2003->DrawCustomizeButtonFace(
                &m_dc, CRect(at.x + 210, at.y + 100, at.x + 223, at.y + 130), TRUE,
                CZAVPVisualManager::ButtonsIsHighlighted, TRUE, TRUE);
            p2003->DrawCustomizeButtonFace(
                &m_dc, CRect(at.x + 230, at.y + 100, at.x + 260, at.y + 113), FALSE,
                CZAVPVisualManager::ButtonsIsPressed, FALSE, TRUE);
        }
        m_vm.OnDrawFloatingToolbarBorder(&m_dc, nullptr,
                                         CRect(at.x + 50, at.y + 100, at.x + 200, at.y + 140),
                                         CRect(3, 3, 3, 3));
    }

    void DrawCaptions(CPoint at)
    {
        Label(at.x, at.y, "Заголовки и кнопки заголовка");
        for (int active = 1; active >= 0; --active) {
            const CRect caption(at.x, at.y + 20 + (1 - active) * 30, at.x + 330,
                                at.y + 40 + (1 - active) * 30);
            const COLORREF clrText = m_vm.OnFillBarCaption(&m_dc, nullptr, active, caption,
                                                           CRect());
            Text(caption.left + 4, caption.top + 3, active ? "Обзор (активна)" : "Обзор", clrText);
            const UINT hits[] = {HTCLOSE, 24, 25};
            for (int i = 0; i < 3; ++i) {
                CZAVPTitleButton button(hits[i], FALSE);
                const CSize size = CZAVPTitleButton::GetSize();
                button.m_ptOrg = CPoint(caption.right - (i + 1) * (size.cx + 2),
                                        caption.top + (caption.Height() - size.cy) / 2);
                button.m_bFocused = i == 1 && active;
                button.m_bPushed = i == 2 && active;
                button.m_bFocused |= button.m_bPushed;
                m_vm.OnDrawCaptionButton(&m_dc, &button, active, TRUE, FALSE, FALSE);
            }
        }
        m_vm.OnDrawTearOffCaption(&m_dc, CRect(at.x, at.y + 85, at.x + 150, at.y + 95), TRUE);
        m_vm.OnDrawMenuSystemButton(&m_dc, CRect(at.x + 170, at.y + 80, at.x + 186, at.y + 94),
                                    SC_MINIMIZE, 0, FALSE);
        m_vm.OnDrawMenuSystemButton(&m_dc, CRect(at.x + 188, at.y + 80, at.x + 204, at.y + 94),
                                    SC_RESTORE, 0, FALSE);
        m_vm.OnDrawMenuSystemButton(&m_dc, CRect(at.x + 206, at.y + 80, at.x + 222, at.y + 94),
                                    SC_CLOSE, 0x20000, FALSE);
        m_vm.OnDrawFramedLines(&m_dc, CRect(at.x + 240, at.y + 80, at.x + 251, at.y + 91), FALSE,
                               globalData.clrBarShadow);
        m_vm.OnDrawFramedLines(&m_dc, CRect(at.x + 256, at.y + 80, at.x + 267, at.y + 91), TRUE,
                               globalData.clrBarShadow);
    }

    void DrawMenu(CPoint at)
    {
        Label(at.x, at.y, "Меню");
        const CRect menu(at.x, at.y + 20, at.x + 200, at.y + 170);
        m_dc.FillRect(menu, &globalData.brBarFace);
        m_vm.OnDrawMenuBorder(&m_dc, nullptr, menu);
        const char* items[] = {"Добавить диск...", "Поиск...", "Сохранить БД", "Настройка..."};
        for (int i = 0; i < 4; ++i) {
            CRect item(menu.left + 3, menu.top + 4 + i * 22, menu.right - 3,
                       menu.top + 24 + i * 22);
            COLORREF clrText = globalData.clrBarText;
            if (i == 1) {
                clrText = globalData.clrTextHilite;
                m_vm.OnHighlightMenuItem(&m_dc, nullptr, item, clrText);
            }
            if (i == 3) m_vm.OnHighlightRarelyUsedMenuItems(&m_dc, item);
            if (i == 2)
                m_vm.OnDrawMenuImageRectBorder(
                    &m_dc, nullptr,
                    CRect(item.left + 1, item.top + 1, item.left + 19, item.bottom - 1),
                    CZAVPVisualManager::ButtonsIsHighlighted);
            Text(item.left + 26, item.top + 3, items[i], clrText);
        }
        m_vm.OnDrawShowAllMenuItems(
            &m_dc, CRect(menu.left + 3, menu.bottom - 24, menu.right - 3, menu.bottom - 4), 0);
        m_vm.OnDrawMenuShadow(&m_dc, menu, CRect(), m_vm.m_nMenuShadowDepth, 100, 65, nullptr,
                              nullptr);
    }

    void DrawControls(CPoint at)
    {
        Label(at.x, at.y, "Элементы");
        m_vm.OnDrawCheckBox(&m_dc, CRect(at.x, at.y + 20, at.x + 15, at.y + 35), FALSE, TRUE, TRUE);
        m_vm.OnDrawCheckBox(&m_dc, CRect(at.x + 20, at.y + 20, at.x + 35, at.y + 35), TRUE, FALSE,
                            FALSE);
        m_vm.OnDrawComboDropButton(&m_dc, CRect(at.x, at.y + 45, at.x + 16, at.y + 65), FALSE,
                                   FALSE, TRUE, nullptr);
        m_vm.OnDrawComboDropButton(&m_dc, CRect(at.x + 20, at.y + 45, at.x + 36, at.y + 65), FALSE,
                                   TRUE, TRUE, nullptr);
        CRect spin(at.x + 40, at.y + 45, at.x + 56, at.y + 75);
        m_vm.OnDrawSpinButtons(&m_dc, spin, 1, FALSE);
        m_vm.OnDrawComboBorder(&m_dc, CRect(at.x, at.y + 85, at.x + 90, at.y + 105), FALSE, FALSE,
                               TRUE, nullptr);
        m_vm.OnDrawEditBorder(&m_dc, CRect(at.x, at.y + 110, at.x + 90, at.y + 130), FALSE, TRUE,
                              nullptr);
        m_vm.OnDrawScrollButtons(&m_dc, CRect(at.x, at.y + 140, at.x + 90, at.y + 152), 2, 7, TRUE);
        m_vm.OnDrawSlider(&m_dc, nullptr, CRect(at.x, at.y + 160, at.x + 90, at.y + 165), FALSE);
    }

    void DrawTabs(CPoint at)
    {
        Label(at.x, at.y, "Вкладки: сверху, снизу, плоские, с прокруткой");
        for (int style = 0; style < 4; ++style) {
            GalleryTabs tabs(style == 0, style == 2, style == 3);
            const int top = at.y + 20 + style * 36;
            tabs.m_rectTabs = CRect(at.x, top, at.x + 330, top + 24);
            m_vm.OnEraseTabsArea(&m_dc, tabs.m_rectTabs, &tabs);
            m_dc.SetTextColor(globalData.clrBarText);
            for (int i = 0; i < 3; ++i) {
                const CRect tab(at.x + 4 + i * 90, top + 2, at.x + 4 + i * 90 + 88, top + 22);
                m_vm.OnDrawTab(&m_dc, tab, i, i == tabs.GetActiveTab(), &tabs);
            }
        }
        CRect button(at.x + 312, at.y + 2, at.x + 330, at.y + 20);
        m_vm.OnEraseTabsButton(&m_dc, button, nullptr, nullptr);
        m_vm.OnDrawTabsButtonBorder(&m_dc, button, nullptr, 0, nullptr);
    }

    void DrawStatusBar(CPoint at)
    {
        Label(at.x, at.y, "Строка состояния");
        GalleryBar bar(CBRS_ALIGN_BOTTOM, 0);
        const CRect rect(at.x, at.y + 20, at.x + 350, at.y + 42);
        m_vm.OnFillBarBackground(&m_dc, &bar, rect, rect);
        const CRect pane1(rect.left + 2, rect.top + 2, rect.left + 140, rect.bottom - 2);
        m_vm.OnDrawStatusBarPaneBorder(&m_dc, nullptr, pane1, 0, 0);
        Text(pane1.left + 3, pane1.top + 2, "Готово", globalData.clrBarText);
        const CRect pane2(pane1.right + 2, pane1.top, pane1.right + 260 - 120, pane1.bottom);
        m_vm.OnDrawStatusBarPaneBorder(&m_dc, nullptr, pane2, 0, 0x0200);
        CRect progress = pane2;
        progress.DeflateRect(1, 1);
        m_vm.OnDrawStatusBarProgress(&m_dc, nullptr, progress, 100, 40, globalData.clrHilite,
                                     (COLORREF)-1, (COLORREF)-1, TRUE);
        CRect progress2(pane2.right + 4, pane2.top, rect.right - 20, pane2.bottom);
        m_vm.OnDrawStatusBarProgress(&m_dc, nullptr, progress2, 100, 70, RGB(0, 128, 0),
                                     RGB(160, 255, 160), (COLORREF)-1, TRUE);
        m_vm.OnDrawStatusBarSizeBox(&m_dc, nullptr,
                                    CRect(rect.right - 16, rect.top + 4, rect.right, rect.bottom));
    }

    void DrawMiniFrame(CPoint at)
    {
        Label(at.x, at.y, "Плавающая рамка");
        const CRect frame(at.x, at.y + 20, at.x + 200, at.y + 120);
        m_dc.FillRect(frame, &globalData.brBarFace);
        m_vm.OnDrawMiniFrameBorder(&m_dc, nullptr, frame, CRect(4, 4, 4, 4));
        const CRect caption(frame.left + 4, frame.top + 4, frame.right - 4, frame.top + 20);
        Text(caption.left + 3, caption.top + 1, "Стандартная",
             m_vm.OnFillMiniFrameCaption(&m_dc, caption, nullptr, TRUE));
        m_vm.OnDrawDoubleFrame(
            &m_dc, nullptr,
            CRect(frame.left + 10, frame.top + 30, frame.right - 10, frame.bottom - 10));
    }

    void DrawTasksPane(CPoint at)
    {
        Label(at.x, at.y, "Панель задач: обычная и особая группы");
        for (int special = 0; special < 2; ++special) {
            const CRect pane(at.x + special * 230, at.y + 20, at.x + 220 + special * 230,
                             at.y + 120);
            m_vm.OnFillTasksPaneBackground(&m_dc, pane);
            CZAVPTasksGroup group(nullptr, Ansi(special ? "Избранное" : "Диски"));
            group.m_bIsSpecial = special;
            group.m_rect = CRect(pane.left + 8, pane.top + 8, pane.right - 8, pane.top + 30);
            m_vm.OnDrawTasksGroupCaption(&m_dc, &group, !special, FALSE, TRUE);
            const CRect interior(group.m_rect.left, group.m_rect.bottom, group.m_rect.right,
                                 pane.bottom - 8);
            m_vm.OnFillTasksGroupInterior(&m_dc, interior, special);
            CZAVPTask task(&group, Ansi("Добавить диск"), -1, 32771);
            task.m_rect = CRect(group.m_rect.left + 4, group.m_rect.bottom + 4, group.m_rect.right,
                                group.m_rect.bottom + 22);
            m_vm.OnDrawTask(&m_dc, &task, nullptr, TRUE, FALSE);
            CZAVPTask disabled(&group, Ansi("Удалить диск"), -1, 32772);
            disabled.m_bEnabled = FALSE;
            disabled.m_rect = task.m_rect;
            disabled.m_rect.OffsetRect(0, 20);
            m_vm.OnDrawTask(&m_dc, &disabled, nullptr, FALSE, FALSE);
            m_vm.OnDrawTasksGroupAreaBorder(&m_dc, interior, special, FALSE);
        }
    }

    CDC& m_dc;
    CZAVPVisualManager& m_vm;
};

// Draws one look into a new bitmap and writes it; FALSE when the file cannot be written.
BOOL DrawLook(CRuntimeClass* pClass, const std::string& directory)
{
    CObject* pObject = pClass->CreateObject();
    CZAVPVisualManager* pManager = dynamic_cast<CZAVPVisualManager*>(pObject);
    if (!pManager) {
        delete pObject;
        return FALSE;
    }
    pManager->OnUpdateSystemColors();
    HDC screen = GetDC(nullptr);
    HDC hdc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDib32(hdc, kWidth, kHeight, false, &bits);
    HGDIOBJ old = SelectObject(hdc, dib);
    {
        CDC dc;
        dc.Attach(hdc);
        Gallery(dc, *pManager).DrawAll();
        dc.Detach();
    }
    GdiFlush();
    SelectObject(hdc, old);
    const std::string path = directory + "gallery-" + pClass->m_lpszClassName + ".bmp";
    const BOOL bSaved = SaveBitmapFile(dib, path.c_str());
    std::printf("%s: %s\n", path.c_str(), bSaved ? "written" : "NOT WRITTEN");
    DeleteObject(dib);
    DeleteDC(hdc);
    delete pManager;
    return bSaved;
}
}  // namespace

int main(int argc, char** argv)
{
    std::string directory = argc > 1 ? argv[1] : "";
    if (!directory.empty() && directory.back() != '\\' && directory.back() != '/')
        directory += '\\';
    CRuntimeClass* looks[] = {
        RUNTIME_CLASS(CZAVPVisualManager), RUNTIME_CLASS(CZAVPVisualManagerXP),
        RUNTIME_CLASS(CZAVPWinXPVisualManager), RUNTIME_CLASS(CZAVPVisualManager2003)};
    int failures = 0;
    for (CRuntimeClass* pClass : looks) failures += DrawLook(pClass, directory) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
