// Reading stored button lists (see ZAVPButtonListArchive.h). Each entry is created here from its
// class record rather than by the framework's object reading, so that no entry can be an object
// met before: a list that named one button twice would delete it twice, and a menu that named
// itself among its items would contain itself.
#include "ui/toolbars/ZAVPButtonListArchive.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CException.h"
#include "framework/CMemFile.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

namespace ZAVPButtonListArchive
{
namespace
{
const UINT kButtonListArchiveBuffer = 4096;

int g_nNesting = 0;  // lists being read, one inside the other (UI thread only)

struct NestingGuard
{
    NestingGuard()
    {
        if (++g_nNesting > kMaxNesting) {
            --g_nNesting;
            AfxThrowArchiveException(CArchiveException::badIndex);
        }
    }
    ~NestingGuard() { --g_nNesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

void DeleteAllButtons(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}

CZAVPToolbarButton* ReadButton(CArchive& ar)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    // A class that is no button is refused here, before anything of it is created.
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CZAVPToolbarButton), &nSchema, &obTag);
    if (pClass == nullptr)  // a null entry, or a reference to an object met before
        AfxThrowArchiveException(obTag == 0 ? CArchiveException::badClass
                                            : CArchiveException::badIndex);
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr) AfxThrowArchiveException(CArchiveException::badClass);
    // The object takes its index in the image, so later class references keep their numbers,
    // but nothing behind it: a reference to it is refused too.
    try {
        ar.MapObject(nullptr);
        ar.SetObjectSchema(nSchema);
        pObject->Serialize(ar);
    } catch (...) {
        delete pObject;
        throw;
    }
    return static_cast<CZAVPToolbarButton*>(pObject);
}
}  // namespace

void Read(CArchive& ar, CObList& list)
{
    NestingGuard nesting;
    CObList read;
    try {
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) read.AddTail(ReadButton(ar));
    } catch (...) {
        DeleteAllButtons(read);
        throw;
    }
    list.AddTail(&read);
}

BOOL ReadValue(CZAVPRegistry& reg, LPCSTR lpszName, CObList& list)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.ReadBinary(lpszName, pData, nBytes)) return FALSE;
    BOOL bRead = FALSE;
    CObList read;
    try {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, kButtonListArchiveBuffer);
        Read(ar, read);
        ar.Close();
        bRead = TRUE;
    } catch (CException* e) {
        e->Delete();
        DeleteAllButtons(read);
    }
    delete[] pData;
    list.AddTail(&read);
    return bRead;
}
}  // namespace ZAVPButtonListArchive
