// How a toolbar button draws itself (on a bar and in the customisation lists) and travels on the
// clipboard.
#include "ui/toolbars/CZAVPToolbarButton.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CNotSupportedException.h"
#include "framework/COleDataObject.h"
#include "framework/COleDataSource.h"
#include "framework/COleException.h"
#include "framework/CSharedFile.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace
{
const int kDrawTextMargin = 6;
const int kDrawTextOffset = 3;
const int kDrawTextGap = 3;
const UINT kDrawPressedOrChecked = TBBS_CHECKED | TBBS_PRESSED;
const UINT kDrawNoShadowStates = TBBS_CHECKED | TBBS_PRESSED | TBBS_DISABLED;
const UINT kDrawNoHotBorderStates = TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE;
const UINT kDrawClipboardBuffer = 4096;
const char kDrawClipboardFormat[] = "ZAVToolbarButton%lx";

CZAVPUserTool* UserToolFor(UINT uiCmd)
{
    return g_pUserToolsManager != nullptr ? g_pUserToolsManager->FindTool(uiCmd) : nullptr;
}
}  // namespace

void CZAVPToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz,
                                BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                BOOL bGrayDisabledButtons)
{
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    m_bHorz = bHorz;
    FillInterior(pDC, rect, bHighlight);

    CSize sizeImage = pImages != nullptr ? CSize(pImages->GetImageSize()) : CSize(0, 0);
    CZAVPUserTool* pUserTool = m_bUserButton ? nullptr : UserToolFor(m_nID);
    if (pUserTool != nullptr)
        sizeImage = CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));

    CRect rectInner = rect;
    if (m_bExtraSize) {
        const CSize sizeExtra = pManager->GetButtonExtraBorder();
        rectInner.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }

    const BOOL bTextBelow = m_bTextBelow && bHorz;
    const CString strDrawn = ZAVPButtonText::StripMnemonics(m_strText);
    int cxTextPart = 0;
    if (m_bText && !m_strText.IsEmpty() && !bTextBelow)
        cxTextPart = pDC->GetTextExtent(strDrawn, strDrawn.GetLength()).cx + kDrawTextMargin;

    CSize sizeArea;
    if (bTextBelow)
        sizeArea = CSize(rectInner.Width(), sizeImage.cy + kDrawTextMargin);
    else if (bHorz)
        sizeArea = CSize(rectInner.Width() - cxTextPart, rectInner.Height());
    else
        sizeArea = CSize(rectInner.Width(), rectInner.Height() - cxTextPart);
    CPoint ptImage((sizeArea.cx - sizeImage.cx) / 2, (sizeArea.cy - sizeImage.cy) / 2);
    CPoint ptText(kDrawTextOffset, kDrawTextOffset);
    if (cxTextPart > 0) {
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(pDC->GetSafeHdc(), &tm);
        if (bHorz)
            ptText.y = (sizeArea.cy - tm.tmHeight - 1) / 2;
        else
            ptText.x = (sizeArea.cx - tm.tmHeight + 1) / 2;
    }

    const BOOL bShadowHot = bHighlight && !bCustomizeMode && !IsDroppedDown() &&
                            pManager->m_bShadowHighlightedImage &&
                            (m_nStyle & kDrawNoShadowStates) == 0;
    if ((m_nStyle & kDrawPressedOrChecked) && !bCustomizeMode &&
        !pManager->m_bShadowHighlightedImage && pManager->IsOffsetPressedButton())
    {
        ptImage.Offset(1, 1);
        ptText.y += 1;
        ptText.x += bHorz ? 1 : -1;
    }
    const BOOL bFaded = !bHighlight && pManager->m_bFadeInactiveImage;

    const BOOL bShowImage = m_bImage && GetImage() >= 0;
    const CPoint ptAt(rectInner.left + ptImage.x, rectInner.top + ptImage.y);
    if (bShowImage && pUserTool != nullptr) {
        pUserTool->DrawToolIcon(pDC, CRect(ptAt, sizeImage));
    } else if (bShowImage && pImages != nullptr) {
        const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
        const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
        const BOOL bDrawDisabled = bDisabled && !bPressed && !bCustomizeMode &&
                                   bGrayDisabledButtons;
        if (bShadowHot) {
            pImages->Draw(pDC, ptAt.x, ptAt.y, GetImage(), FALSE, FALSE, FALSE, TRUE, FALSE);
            pImages->Draw(pDC, ptAt.x - 1, ptAt.y - 1, GetImage(), FALSE, FALSE, FALSE, FALSE,
                          bFaded);
        } else
            pImages->Draw(pDC, ptAt.x, ptAt.y, GetImage(), FALSE, bDrawDisabled, FALSE, FALSE,
                          bFaded);
    }

    if ((m_bText || bTextBelow) && !m_strText.IsEmpty()) {
        int state = CZAVPVisualManager::ButtonsIsRegular;
        if (bHighlight)
            state = CZAVPVisualManager::ButtonsIsHighlighted;
        else if (m_nStyle & kDrawPressedOrChecked)
            state = CZAVPVisualManager::ButtonsIsPressed;
        const COLORREF clrOld = pDC->SetTextColor(pManager->GetToolbarButtonTextColor(this, state));
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        if (bTextBelow) {
            CRect rectText(rectInner.CenterPoint().x - m_sizeTextBelowCx / 2, 0,
                           rectInner.CenterPoint().x + m_sizeTextBelowCx / 2 + 1, rectInner.bottom);
            rectText.top = rectInner.top + ptText.y + sizeImage.cy + kDrawTextGap;
            if (m_bExtraSize) rectText.top += pManager->GetButtonExtraBorder().cy / 2;
            pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
        } else if (bHorz) {
            if (bShowImage) ptText.x += sizeImage.cx + kDrawTextGap;
            CRect rectText(rectInner.left + ptText.x + kDrawTextGap, rectInner.top + ptText.y,
                           rectInner.right, rectInner.bottom);
            pDC->DrawText(m_strText, rectText, DT_SINGLELINE);
        } else {
            // Vertical bars select their vertical font: the text runs downward below the image.
            if (bShowImage) ptText.y += sizeImage.cy + kDrawTextGap;
            const int x = rectInner.right - ptText.x;
            const int y = rectInner.top + ptText.y;
            ::ExtTextOutA(pDC->GetSafeHdc(), x, y, 0, nullptr, strDrawn, strDrawn.GetLength(),
                          nullptr);
            const int iMnemonic = m_strText.Find('&');
            if (iMnemonic >= 0 && iMnemonic + 1 < m_strText.GetLength() &&
                m_strText[iMnemonic + 1] != '&') {
                const CString strBefore = ZAVPButtonText::StripMnemonics(m_strText.Left(iMnemonic));
                const CString strChar = m_strText.Mid(iMnemonic + 1, 1);
                const int yFrom = y + pDC->GetTextExtent(strBefore, strBefore.GetLength()).cx;
                const int yTo = yFrom + pDC->GetTextExtent(strChar, 1).cx;
                CPen pen(PS_SOLID, 1, pManager->GetToolbarButtonTextColor(this, state));
                CPen* pOldPen = pDC->SelectObject(&pen);
                pDC->MoveTo(x - 1, yFrom);
                pDC->LineTo(x - 1, yTo);
                pDC->SelectObject(pOldPen);
            }
        }
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }

    if (!bCustomizeMode && DrawsHotBorder() && bDrawBorder) {
        if (m_nStyle & kDrawPressedOrChecked)
            pManager->OnDrawButtonBorder(pDC, this, rect, CZAVPVisualManager::ButtonsIsPressed);
        else if (bHighlight && (m_nStyle & kDrawNoHotBorderStates) == 0)
            pManager->OnDrawButtonBorder(pDC, this, rect, CZAVPVisualManager::ButtonsIsHighlighted);
    }
}

int CZAVPToolbarButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    const BOOL bText = m_bText;
    m_bText = FALSE;

    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const COLORREF clrText = pManager->OnFillCommandsListBackground(pDC, rect, bSelected);

    CZAVPImageStrip* pImages = m_bUserButton ? ZAVPSharedBarData::g_pUserImages
                                             : &CZAVPToolBar::m_Images;
    const CSize sizeImage = CZAVPToolBar::m_sizeImage;
    const CRect rectImage(rect.left, rect.top, rect.left + sizeImage.cx + kDrawTextMargin,
                          rect.top + sizeImage.cy + kDrawTextMargin);
    if (CZAVPUserTool* pTool = m_bUserButton ? nullptr : UserToolFor(m_nID))
        pTool->DrawToolIcon(pDC, rectImage);
    else if (pImages != nullptr && m_bImage && GetImage() >= 0) {
        CZAVPDrawState ds;
        if (pImages->PrepareDrawImage(ds)) {
            pImages->Draw(pDC, rectImage.left + kDrawTextOffset, rectImage.top + kDrawTextOffset,
                          GetImage());
            pImages->EndDrawImage(ds);
        }
    }

    CRect rectText = rect;
    rectText.left = rectImage.right + kDrawTextGap;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(m_strText, rectText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    // The width used: the image square, the gap and the text as drawn (mnemonic marks hidden).
    CRect rectUsed = rectText;
    pDC->DrawText(m_strText, rectUsed, DT_SINGLELINE | DT_CALCRECT);

    m_bText = bText;
    return rectUsed.right - rect.left;
}

CLIPFORMAT CZAVPToolbarButton::GetClipboardFormat()
{
    static CLIPFORMAT s_cfButton = 0;
    if (s_cfButton == 0) {
        CString strFormat;
        strFormat.Format(kDrawClipboardFormat, (long)(LONG_PTR)AfxGetInstanceHandle());
        s_cfButton = (CLIPFORMAT)::RegisterClipboardFormatA(strFormat);
    }
    return s_cfButton;
}

BOOL CZAVPToolbarButton::PutOnDataSource(COleDataSource& data)
{
    if (!IsStorable()) return TRUE;
    try {
        CSharedFile file;
        {
            CArchive ar(&file, CArchive::store, kDrawClipboardBuffer);
            ar.WriteClass(GetRuntimeClass());
            Serialize(ar);
            ar.Close();
        }
        data.CacheGlobalData(GetClipboardFormat(), file.Detach());
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

CZAVPToolbarButton* CZAVPToolbarButton::CreateFromOleData(COleDataObject* pDataObject)
{
    if (pDataObject == nullptr) return nullptr;
    CZAVPToolbarButton* pButton = nullptr;
    CFile* pFile = nullptr;
    try {
        pFile = pDataObject->GetFileData(GetClipboardFormat());
        if (pFile == nullptr) return nullptr;
        CArchive ar(pFile, CArchive::load, kDrawClipboardBuffer);
        // Only button classes: a foreign class record is refused before anything is created.
        CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CZAVPToolbarButton));
        if (pClass == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
        pButton = static_cast<CZAVPToolbarButton*>(pClass->CreateObject());
        if (pButton == nullptr) AfxThrowNotSupportedException();
        pButton->Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        delete pButton;
        pButton = nullptr;
    }
    delete pFile;
    return pButton;
}
