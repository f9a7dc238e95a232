// One node of a bar-container tree: two sides (left or top, right or bottom), each a docking
// pane or a sub-node, and the slider between them. The node shares its room between its sides
// by their stored percentages; the arithmetic is layout/ContainerMath's.
#pragma once

#include <vector>

#include "framework/CObject.h"
#include "framework/CRect.h"

class CArchive;
class CZAVPContainerLayout;
class CZAVPDockingControlBar;
class CZAVPSlider;
struct CRuntimeClass;

class CZAVPBarContainer : public CObject
{
    DECLARE_DYNCREATE(CZAVPBarContainer)
public:
    // What FindSubContainer looks for.
    enum Kind
    {
        kBarLeft = 0,
        kBarRight = 1,
        kSlider = 2,
        kContainer = 3,
    };

    explicit CZAVPBarContainer(CZAVPContainerLayout* pManager = nullptr,
                               CZAVPDockingControlBar* pLeftBar = nullptr,
                               CZAVPDockingControlBar* pRightBar = nullptr,
                               CZAVPSlider* pSlider = nullptr);
    ~CZAVPBarContainer() override;

    // ---- virtual operations
    void Serialize(CArchive& ar) override;
    // The union of the present sides (bIgnoreVisibility: of every side), the frame's screen.
    virtual void GetWindowRect(CRect& rect, BOOL bIgnoreVisibility = FALSE) const;
    virtual void GetMinSize(CSize& size) const;
    virtual void GetMinSizeLeft(CSize& size) const;
    virtual void GetMinSizeRight(CSize& size) const;
    virtual int GetPreferredRow() const;
    // Lays the content out again inside the node's current room.
    virtual void Reposition(BOOL bFlag = FALSE);
    virtual BOOL RemoveBarFromTree(CZAVPDockingControlBar* pBar);
    // Takes the pane out of this node; the other side takes the room. TRUE when it was here.
    virtual BOOL RemoveControlBar(CZAVPDockingControlBar* pBar);
    virtual void OnShowBar(CZAVPDockingControlBar* pBar, BOOL bShow);
    virtual void Move(int dx, int dy);

    // ---- non-virtual
    void AddRef() { ++m_dwRefCount; }
    void Release();
    int GetRefCount() const { return m_dwRefCount; }
    // A number no other node of the process had: a holder of a reference keeps it beside the
    // pointer, so that it can tell whether the node still exists before it lets go.
    unsigned long long GetSerial() const { return m_nSerial; }
    // The node with that serial number still exists at that address.
    static BOOL IsLive(const CZAVPBarContainer* pContainer, unsigned long long nSerial);
    void SetBar(CZAVPDockingControlBar* pBar, BOOL bLeft);
    void SetContainer(CZAVPBarContainer* pContainer, BOOL bLeft);
    void SetSlider(CZAVPSlider* pSlider) { m_pSlider = pSlider; }
    void SetParentContainer(CZAVPBarContainer* pParent) { m_pParentContainer = pParent; }
    // Depth-first: this node, the first subtree, the second; the node holding the object.
    CZAVPBarContainer* FindSubContainer(const CObject* pObject, Kind kind);
    BOOL IsEmpty() const;
    BOOL HasVisibleBar() const;
    // A side is present when its pane is visible or its subtree holds a visible pane.
    BOOL IsLeftPresent() const;
    BOOL IsRightPresent() const;
    int GetNodeCount() const;
    int GetTotalReferenceCount() const;
    void SetManager(CZAVPContainerLayout* pManager, BOOL bRecursive);
    // A loaded pane goes into the side whose stored id matches.
    BOOL SetUpByID(UINT nID, CZAVPDockingControlBar* pBar);
    void AddSubContainer(CZAVPBarContainer* pContainer, BOOL bLeft);
    // Lays the node out in rect (the owner's client coordinates), recursively.
    void ResizeContainer(const CRect& rect, HDWP& hdwp);
    // The split moves by nDelta, each side keeping its minimum; answers the offset used.
    int OnMoveSlider(int nDelta);
    // The limits of this node's slider (offsets from its current place).
    void GetSliderLimits(int& nMinOffset, int& nMaxOffset) const;
    BOOL IsHorizontalSplit() const;  // the sides are stacked (a horizontal slider)

    CZAVPDockingControlBar* GetLeftBar() const { return m_pBarLeft; }
    CZAVPDockingControlBar* GetRightBar() const { return m_pBarRight; }
    CZAVPBarContainer* GetLeftContainer() const { return m_pLeftContainer; }
    CZAVPBarContainer* GetRightContainer() const { return m_pRightContainer; }
    CZAVPBarContainer* GetParentContainer() const { return m_pParentContainer; }
    CZAVPSlider* GetSlider() const { return m_pSlider; }
    CZAVPContainerLayout* GetManager() const { return m_pContainerManager; }
    int GetPercent() const { return m_nPercent; }
    void SetPercent(int nPercent) { m_nPercent = nPercent; }
    void SetOrientation(BOOL bHorizontalSplit) { m_nOrientation = bHorizontalSplit ? 1 : 0; }
    // The room the node had at its last layout (the owner's client coordinates).
    CRect GetRoom() const { return m_rectRoom; }
    void SetRoom(const CRect& rect) { m_rectRoom = rect; }
    // Stored ids, resolved to panes once a loaded tree finds them.
    UINT GetLeftBarID() const { return m_nLeftBarID; }
    UINT GetRightBarID() const { return m_nRightBarID; }
    // Clears sides whose pane is gone (no window) and answers how many it cleared.
    int RemoveNonValidBars();
    // Rooms and shares from the panes' present rectangles, bottom up; answers the room.
    CRect RestoreRoom();
    // Lays a tree read from a stored layout out in rect with each split where its stored slider
    // stood; a node without a usable stored slider is laid out by its shares.
    void PlaceAtLoadedSliders(const CRect& rect, HDWP& hdwp);
    void ForgetLoadedSlider() { m_rectLoadedSlider.SetRectEmpty(); }
    // Replaces a pane by another on its side. TRUE when it was here.
    BOOL ReplaceBar(CZAVPDockingControlBar* pOld, CZAVPDockingControlBar* pNew);

    // ---- id-less tabbed bars in the stored tree
    // The class a tabbed bar without a control id is stored under (the nearest class of it that
    // has a class record), or null when it is not stored: a bar with an id, no tabbed bar, a
    // tabbed bar without tabs.
    static CRuntimeClass* StoredTabbedBarClass(const CZAVPDockingControlBar* pBar);
    // A tabbed bar made from a stored record holds no tab until the layout is applied: the ids
    // of the panes it is to gather, in tab order (empty for any other side).
    const std::vector<UINT>& GetStagedTabs(BOOL bLeft) const
    {
        return bLeft ? m_lstLeftTabs : m_lstRightTabs;
    }
    // The made bar no longer belongs to this node's record: the node will not destroy it.
    void ReleaseStagedTabbedBar(BOOL bLeft);
    // The made tabbed bar, in this node or below, whose first stored tab has this id.
    CZAVPDockingControlBar* FindStagedTabbedBar(UINT nFirstTabID);
    // Every node of this subtree (this one first).
    void GetNodes(std::vector<CZAVPBarContainer*>& nodes);

protected:
    // Moves the slider to its place in a split and shows it, or hides it when the split has none.
    void PlaceSlider(BOOL bShown, const CRect& rect, HDWP& hdwp);
    // A side's pane rectangle or subtree room in the owner's client coordinates.
    CRect SideRect(BOOL bLeft) const;
    BOOL IsSidePresent(const CZAVPDockingControlBar* pBar,
                       const CZAVPBarContainer* pContainer) const;
    // Reads a side's id-less tabbed-bar record and makes the bar it describes.
    void LoadTabbedBar(CArchive& ar, BOOL bLeft);
    void StoreSide(CArchive& ar, const CZAVPDockingControlBar* pBar) const;
    // Destroys a made tabbed bar that never gathered its tabs.
    void DestroyStagedTabbedBar(BOOL bLeft);

    CZAVPDockingControlBar* m_pBarLeft;
    CZAVPDockingControlBar* m_pBarRight;
    CZAVPSlider* m_pSlider;
    CZAVPBarContainer* m_pLeftContainer;
    CZAVPBarContainer* m_pRightContainer;
    CZAVPBarContainer* m_pParentContainer;
    CZAVPContainerLayout* m_pContainerManager;
    int m_nPercent;
    int m_nOrientation;  // the split kept while the slider is gone: 1 stacked sides
    int m_dwRefCount;
    DWORD m_dwSavedSliderStyle;
    CRect m_rectSavedSliderRect;
    UINT m_nLeftBarID;
    UINT m_nRightBarID;
    int m_nSliderID;
    std::vector<UINT> m_lstLeftTabs;
    std::vector<UINT> m_lstRightTabs;
    // The windows of tabbed bars made from the stored record, owned by the node until their tabs
    // are gathered (the handle tells whether the window is still there).
    HWND m_hLeftStagedBar;
    HWND m_hRightStagedBar;
    CRect m_rectRoom;          // the owner's client coordinates at the last layout
    CRect m_rectLoadedSlider;  // where a loaded slider stood when the layout was stored
    int m_nReserved;
    unsigned long long m_nSerial;
    friend class CZAVPContainerLayout;
};
