// The data shared by every toolbar of the process, and the shared toolbar parameters stored under
// "%sZAVToolbarParameters".
#include "ui/toolbars/CZAVPToolBar.h"

#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPBarRules.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"

namespace
{
const SIZE kDefaultButtonSize = {23, 22};
const SIZE kDefaultImageSize = {16, 15};
const SIZE kUnsetSize = {-1, -1};
const int kLargeIconsFactor = 2;
const char kParametersKey[] = "%sZAVToolbarParameters";

// Values of the shared parameters, in the order they are read and written.
const char kTooltips[] = "Tooltips";
const char kShortcutKeys[] = "ShortcutKeys";
const char kLargeIcons[] = "LargeIcons";
const char kMenuAnimation[] = "MenuAnimation";
const char kRecentlyUsedMenus[] = "RecentlyUsedMenus";
const char kMenuShadows[] = "MenuShadows";
const char kShowAllMenusAfterDelay[] = "ShowAllMenusAfterDelay";
const char kLook2000[] = "Look2000";
const char kCommandsUsage[] = "CommandsUsage";

SIZE Scaled(SIZE size, int factor) { return SIZE{size.cx * factor, size.cy * factor}; }

CString ParametersPath(LPCSTR lpszProfileName)
{
    CString strPath;
    strPath.Format(kParametersKey,
                   (LPCSTR)BuildRegistryPath(CZAVPToolBar::m_strSection, lpszProfileName));
    return strPath;
}
}  // namespace

CString CZAVPToolBar::m_strSection = ZAVPLibraryNames::kToolBarsSection;
BOOL CZAVPToolBar::m_bShowTooltips = TRUE;
BOOL CZAVPToolBar::m_bShowShortcutKeys = TRUE;
BOOL CZAVPToolBar::m_bLargeIcons = FALSE;
int CZAVPToolBar::m_nMenuAnimation = 0;
BOOL CZAVPToolBar::m_bRecentlyUsedMenus = TRUE;
BOOL CZAVPToolBar::m_bShowAllMenusAfterDelay = TRUE;
SIZE CZAVPToolBar::m_sizeButton = kDefaultButtonSize;
SIZE CZAVPToolBar::m_sizeImage = kDefaultImageSize;
SIZE CZAVPToolBar::m_sizeCurButton = kDefaultButtonSize;
SIZE CZAVPToolBar::m_sizeCurImage = kDefaultImageSize;
SIZE CZAVPToolBar::m_sizeMenuImage = kUnsetSize;
SIZE CZAVPToolBar::m_sizeMenuButton = kUnsetSize;
int CZAVPToolBar::m_nMinRowHeightHorz = 0;
int CZAVPToolBar::m_nMinRowHeightVert = 0;
CZAVPToolBar* CZAVPToolBar::m_pSelToolbar = nullptr;
HHOOK CZAVPToolBar::m_hookMouseHelp = nullptr;
CZAVPToolBar* CZAVPToolBar::m_pLastHookedToolbar = nullptr;
HCURSOR CZAVPToolBar::m_hcurHorzSplit = nullptr;
HCURSOR CZAVPToolBar::m_hcurVertSplit = nullptr;
HCURSOR CZAVPToolBar::m_hcurSizeAll = nullptr;
int CZAVPToolBar::m_nMaxToolTipWidth = -1;
CZAVPImageStrip CZAVPToolBar::m_Images;
CZAVPImageStrip CZAVPToolBar::m_ColdImages;
CZAVPImageStrip CZAVPToolBar::m_MenuImages;
CZAVPImageStrip CZAVPToolBar::m_DisabledImages;
CZAVPImageStrip CZAVPToolBar::m_DisabledMenuImages;
CZAVPImageStrip CZAVPToolBar::m_LargeImages;
CZAVPImageStrip CZAVPToolBar::m_LargeColdImages;
CZAVPImageStrip CZAVPToolBar::m_LargeDisabledImages;
CMap<UINT, UINT, int, int> CZAVPToolBar::m_DefaultImages;
CMap<UINT, UINT, int, int> CZAVPToolBar::m_BitmapOffsets;
CList<UINT, UINT> CZAVPToolBar::m_lstUnpermittedCommands;
CList<UINT, UINT> CZAVPToolBar::m_lstBasicCommands;
CZAVPCommandUsageStats CZAVPToolBar::m_UsageCount;
CString CZAVPToolBar::m_strToolTipBuffer;

void CZAVPToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    const int factor = m_bLargeIcons ? kLargeIconsFactor : 1;
    m_sizeCurButton = Scaled(sizeButton, factor);
    m_sizeCurImage = Scaled(sizeImage, factor);

    for (CZAVPImageStrip* pStrip : {&m_Images, &m_ColdImages, &m_DisabledImages})
        pStrip->SetImageSize(sizeImage);
    for (CZAVPImageStrip* pStrip : {&m_LargeImages, &m_LargeColdImages, &m_LargeDisabledImages})
        pStrip->SetImageSize(Scaled(sizeImage, kLargeIconsFactor));
    if (ZAVPSharedBarData::g_pUserImages != nullptr)
        ZAVPSharedBarData::g_pUserImages->SetImageSize(sizeImage);
    ZAVPSharedBarData::g_sizeMenuImage = GetMenuImageSize();
}

void CZAVPToolBar::SetLockedSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeOwnButton = sizeButton;
    m_sizeOwnImage = sizeImage;
    for (int kind = 0; kind < kStripKinds; ++kind) {
        const bool bLarge = kind == kLargeColdStrip || kind == kLargeImagesStrip ||
                            kind == kLargeDisabledStrip;
        m_OwnStrips[kind].SetImageSize(bLarge ? Scaled(sizeImage, kLargeIconsFactor) : sizeImage);
    }
}

void CZAVPToolBar::SetMenuSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeMenuButton = sizeButton;
    m_sizeMenuImage = sizeImage;
    m_MenuImages.SetImageSize(GetMenuImageSize());
    m_DisabledMenuImages.SetImageSize(GetMenuImageSize());
    ZAVPSharedBarData::g_sizeMenuImage = GetMenuImageSize();
}

void CZAVPToolBar::SetLargeIcons(BOOL bLargeIcons)
{
    m_bLargeIcons = bLargeIcons;
    const int factor = bLargeIcons ? kLargeIconsFactor : 1;
    m_sizeCurButton = Scaled(m_sizeButton, factor);
    m_sizeCurImage = Scaled(m_sizeImage, factor);

    CObList& toolbars = GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pToolBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(pos));
        if (pToolBar != nullptr && ::IsWindow(pToolBar->GetSafeHwnd())) pToolBar->AdjustLayout();
    }
}

SIZE CZAVPToolBar::GetMenuImageSize()
{
    return m_sizeMenuImage.cx == -1 ? m_sizeImage : m_sizeMenuImage;
}

SIZE CZAVPToolBar::GetMenuButtonSize()
{
    return m_sizeMenuButton.cx == -1 ? m_sizeButton : m_sizeMenuButton;
}

BOOL CZAVPToolBar::IsCommandPermitted(UINT uiCmd)
{
    return m_lstUnpermittedCommands.Find(uiCmd) == nullptr;
}

BOOL CZAVPToolBar::IsBasicCommand(UINT uiCmd) { return m_lstBasicCommands.Find(uiCmd) != nullptr; }

void CZAVPToolBar::AddAlwaysVisibleCommand(UINT uiCmd)
{
    if (m_lstBasicCommands.Find(uiCmd) == nullptr) m_lstBasicCommands.AddTail(uiCmd);
}

void CZAVPToolBar::SetBasicCommands(const CList<UINT, UINT>& lstCommands)
{
    m_lstBasicCommands.RemoveAll();
    m_lstBasicCommands.AddTail(&lstCommands);
}

void CZAVPToolBar::SetNonPermittedCommands(const CList<UINT, UINT>& lstCommands)
{
    m_lstUnpermittedCommands.RemoveAll();
    m_lstUnpermittedCommands.AddTail(&lstCommands);
}

void CZAVPToolBar::AddCommandUsage(UINT uiCommand) { m_UsageCount.AddUse(uiCommand); }

BOOL CZAVPToolBar::IsCommandRarelyUsed(UINT uiCmd)
{
    if (IsCustomizeMode() || uiCmd == 0 || uiCmd == (UINT)-1 ||
        ZAVPBarRules::IsReservedCommandId(uiCmd) || m_lstBasicCommands.IsEmpty() ||
        IsBasicCommand(uiCmd))
    {
        return FALSE;
    }
    return !m_UsageCount.IsFrequentlyUsed(uiCmd);
}

int CZAVPToolBar::GetDefaultImage(UINT uiID)
{
    int iImage = -1;
    return m_DefaultImages.Lookup(uiID, iImage) ? iImage : -1;
}

void CZAVPToolBar::SetMaxToolTipWidth(int nWidth) { m_nMaxToolTipWidth = nWidth > 0 ? nWidth : -1; }

void CZAVPToolBar::ApplyMaxToolTipWidth(HWND hwndToolTip)
{
    // A width of 0 would make the control break after every word.
    if (m_nMaxToolTipWidth > 0 && ::IsWindow(hwndToolTip))
        ::SendMessageA(hwndToolTip, TTM_SETMAXTIPWIDTH, 0, m_nMaxToolTipWidth);
}

void CZAVPToolBar::CleanUpImages()
{
    for (CZAVPImageStrip* pStrip :
         {&m_Images, &m_ColdImages, &m_MenuImages, &m_DisabledImages, &m_DisabledMenuImages,
          &m_LargeImages, &m_LargeColdImages, &m_LargeDisabledImages})
    {
        pStrip->Clear();
    }
    m_DefaultImages.RemoveAll();
    m_BitmapOffsets.RemoveAll();
    m_UsageCount.Reset();
}

BOOL CZAVPToolBar::SaveParameters(LPCSTR lpszProfileName)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(ParametersPath(lpszProfileName))) return FALSE;
    // The first failed write stops the rest.
    return reg.Write(kTooltips, (DWORD)m_bShowTooltips) &&
           reg.Write(kShortcutKeys, (DWORD)m_bShowShortcutKeys) &&
           reg.Write(kLargeIcons, (DWORD)m_bLargeIcons) &&
           reg.Write(kMenuAnimation, (DWORD)m_nMenuAnimation) &&
           reg.Write(kRecentlyUsedMenus, (DWORD)m_bRecentlyUsedMenus) &&
           reg.Write(kMenuShadows, (DWORD)ZAVPSharedBarData::g_bMenuShadows) &&
           reg.Write(kShowAllMenusAfterDelay, (DWORD)m_bShowAllMenusAfterDelay) &&
           reg.Write(kLook2000, (DWORD)CZAVPVisualManager::GetInstance()->IsLook2000()) &&
           reg.Write(kCommandsUsage, static_cast<CObject&>(m_UsageCount));
}

BOOL CZAVPToolBar::LoadParameters(LPCSTR lpszProfileName)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(ParametersPath(lpszProfileName))) return FALSE;

    DWORD dwTooltips = 0, dwShortcutKeys = 0, dwLargeIcons = 0, dwRecentlyUsed = 0;
    DWORD dwShadows = 0, dwShowAll = 0;
    DWORD dwMenuAnimation = 0, dwLook2000 = 0;  // applied even when reading stops before them
    // Each value is taken as soon as it is read; reading stops at the first missing one.
    const BOOL bAll = reg.Read(kTooltips, dwTooltips) &&
                      ((m_bShowTooltips = (BOOL)dwTooltips), true) &&
                      reg.Read(kShortcutKeys, dwShortcutKeys) &&
                      ((m_bShowShortcutKeys = (BOOL)dwShortcutKeys), true) &&
                      reg.Read(kLargeIcons, dwLargeIcons) &&
                      ((m_bLargeIcons = (BOOL)dwLargeIcons), true) &&
                      reg.Read(kMenuAnimation, dwMenuAnimation) &&
                      reg.Read(kRecentlyUsedMenus, dwRecentlyUsed) &&
                      ((m_bRecentlyUsedMenus = (BOOL)dwRecentlyUsed), true) &&
                      reg.Read(kMenuShadows, dwShadows) &&
                      ((ZAVPSharedBarData::g_bMenuShadows = (BOOL)dwShadows), true) &&
                      reg.Read(kShowAllMenusAfterDelay, dwShowAll) &&
                      ((m_bShowAllMenusAfterDelay = (BOOL)dwShowAll), true) &&
                      reg.Read(kLook2000, dwLook2000) &&
                      reg.Read(kCommandsUsage, static_cast<CObject&>(m_UsageCount));

    m_nMenuAnimation = (int)dwMenuAnimation;
    SetLargeIcons(m_bLargeIcons);
    CZAVPVisualManager::GetInstance()->SetLook2000((BOOL)dwLook2000);
    return bAll;
}

BOOL CZAVPToolBar::LoadLargeIconsState(LPCSTR lpszProfileName)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    DWORD dwLargeIcons = 0;
    if (!reg.ReadKey(ParametersPath(lpszProfileName)) || !reg.Read(kLargeIcons, dwLargeIcons))
        return FALSE;
    m_bLargeIcons = (BOOL)dwLargeIcons;
    return TRUE;
}
