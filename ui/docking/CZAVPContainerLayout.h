// The manager of a bar-container tree: the panes of one frame side's default slider (or of a
// multi mini frame) arranged in two-way splits. It owns the root node, the list of panes in
// layout order and the sliders it made; it splits, removes, lays out, answers hit tests and
// minimum sizes, stores and loads the tree, and gives a plain-data snapshot for the dump and
// the invariant check of layout/ContainerTree.
#pragma once

#include "framework/CObList.h"
#include "framework/CObject.h"
#include "framework/CRect.h"
#include "ui/docking/layout/ContainerTree.h"

class CArchive;
class CWnd;
class CZAVPBarContainer;
class CZAVPDockingControlBar;
class CZAVPDockManager;
class CZAVPSlider;
struct CRuntimeClass;

class CZAVPContainerLayout : public CObject
{
public:
    CZAVPContainerLayout();
    ~CZAVPContainerLayout() override;

    // ---- virtual operations
    void Serialize(CArchive& ar) override;
    virtual BOOL Create(CWnd* pParentWnd, CZAVPSlider* pDefaultSlider,
                        CRuntimeClass* pContainerRTC = nullptr);
    // Docks another manager's whole tree beside pTargetBar; the other manager is left empty.
    virtual BOOL InsertContainerManager(CZAVPContainerLayout* pOther,
                                        CZAVPDockingControlBar* pTargetBar, DWORD dwAlignment);
    // Takes over another manager's whole tree; only into an empty tree.
    virtual BOOL AddContainerManager(CZAVPContainerLayout& other);
    virtual BOOL AttachContainerManagerAsTabs(CZAVPDockingControlBar* pTargetBar,
                                              CZAVPContainerLayout& other);
    virtual void AddFirstBar(CZAVPDockingControlBar* pBar);
    virtual BOOL AddControlBarToRecentContainer(CZAVPDockingControlBar* pBar,
                                                CZAVPBarContainer* pRecentContainer, BOOL bLeft,
                                                int nPercent);
    // Splits pTargetBar's room for pBarToInsert on the alignment's side. A failed split leaves
    // the bar list, the tree and the sliders as they were.
    virtual BOOL InsertControlBar(CZAVPDockingControlBar* pBarToInsert,
                                  CZAVPDockingControlBar* pTargetBar, DWORD dwAlignment,
                                  LPCRECT lpRect = nullptr);
    virtual void OnSliderMoved(CZAVPSlider* pSlider, int nOffset);
    // The root's room (the owner's client coordinates).
    virtual void GetWindowRect(CRect& rect) const;
    virtual void GetEmptyRect(CRect& rect) const;
    virtual BOOL RemoveControlBar(CZAVPDockingControlBar* pBar);
    // Lays the whole tree out in rect (the owner's client coordinates).
    virtual void ResizeContainers(const CRect& rect, HDWP& hdwp);
    virtual void StretchContainers(int nDelta, DWORD dwAlignment, HDWP& hdwp);
    virtual BOOL ReplaceControlBar(CZAVPDockingControlBar* pBarOld,
                                   CZAVPDockingControlBar* pBarNew);
    virtual void GetSliderDragLimits(CZAVPSlider* pSlider, int& nMinOffset, int& nMaxOffset,
                                     int& nPreferredRow);
    virtual BOOL ShowBar(CZAVPDockingControlBar* pBar, BOOL bShow);
    virtual BOOL IsAnyBarVisible() const;
    virtual void GetMinSize(CSize& size) const;
    virtual int GetVisibleBarCount() const;
    virtual void EnableGrippers(BOOL bEnable);
    virtual void HideAll();
    virtual BOOL CanFloatAny() const;
    virtual BOOL CanBeDetached() const;
    // The pane under a screen point; bCaption and bTabArea tell what part was hit.
    virtual CZAVPDockingControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                        BOOL bExactBar, BOOL& bTabArea,
                                                        BOOL& bCaption);
    virtual BOOL CanBeAttachedAsTab(CPoint point, CZAVPDockingControlBar*& pBar) const;
    virtual CZAVPDockingControlBar* GetFirstBar() const;
    virtual void ReservedHook() {}
    virtual CZAVPDockingControlBar* GetFirstVisibleBar() const;
    virtual BOOL CanBeAttached() const;
    virtual void RemoveSlider(CZAVPSlider* pSlider);
    virtual void OnShowControlBar(CZAVPDockingControlBar* pBar, BOOL bShow);
    // The node holding the pane as its first (bLeft TRUE) or second side.
    virtual CZAVPBarContainer* FindContainer(CZAVPDockingControlBar* pBar, BOOL& bLeft) const;

    // ---- operations
    // A slider for a split, child of the owner window, appended to the slider list; nID -1
    // takes the class-wide counter (never an id already in the list). Null on failure.
    CZAVPSlider* CreateSlider(CRect rectSlider, DWORD dwSliderStyle, int nID = -1);
    CZAVPDockingControlBar* FindBarByID(UINT nID) const;
    BOOL IsEmpty() const { return m_lstControlBars.IsEmpty(); }
    int GetNodeCount() const;
    int GetTotalReferenceCount() const;
    // Collapses nodes left with one side and no references, children first.
    void ReleaseEmptyContainers();
    // Clears sides and list entries whose pane is gone.
    void RemoveNonValidBars();
    // A loaded tree takes its rooms and shares from where its panes stand now, so that the
    // next layout keeps their sizes.
    void RestoreRooms();
    // A tree read from a stored layout takes rect with its splits where the stored sliders
    // stood (exact to the pixel, where the panes' whole-percent shares are not).
    void PlaceAtLoadedSliders(const CRect& rect);
    // The tabbed bars a loaded tree made from its records gather their tabs: the windows with
    // the stored ids leave wherever they are now and join in the stored order. A bar of the
    // stored class without an id that already holds the first tab takes the made bar's place,
    // so that a frame's own tabbed bar stays the one it knows. A bar left without a tab leaves
    // the tree and is destroyed.
    void GatherStagedTabs(CZAVPDockManager* pManager);
    const CObList& GetControlBars() const { return m_lstControlBars; }
    const CObList& GetSliders() const { return m_lstSliders; }
    CZAVPBarContainer* GetRootContainer() const { return m_pRootContainer; }
    CZAVPSlider* GetDefaultSlider() const { return m_pDefaultSlider; }
    CWnd* GetDockSite() const { return m_pDockSite; }
    // The tree as plain data in the owner's client coordinates (DumpContainerTree,
    // CheckContainerTree).
    DockLayout::ContainerSnapshot Snapshot() const;

    static int m_nNextSliderID;  // the class-wide slider id counter, from 1

protected:
    // The node's minimum length along the split and the layout of one node after a change.
    CZAVPBarContainer* NewContainer() const;
    // Collapses one node that has fewer than two occupied sides and no reference.
    BOOL CollapseIfEmpty(CZAVPBarContainer* pContainer);
    CZAVPDockManager* FindDockManager() const;

    CObList m_lstControlBars;  // every pane of the tree, in layout order (not owned)
    CObList m_lstSliders;      // every slider made for a split (windows own themselves)
    CZAVPBarContainer* m_pRootContainer;
    CRuntimeClass* m_pContainerRTC;
    CZAVPSlider* m_pDefaultSlider;
    BOOL m_bDestroyRoot;
    CWnd* m_pDockSite;  // the window panes and sliders are children of
    CRect m_rectArea;   // where the tree was laid out last (the owner's client coordinates)
    friend class CZAVPBarContainer;
};
