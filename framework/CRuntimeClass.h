// The run-time class record of every CObject class: its name, size, schema, creation function
// and base, plus the process-wide registry that archives use to find a class by its stored name.
#pragma once

#include <windows.h>

class CObject;
class CArchive;

// A stored schema carrying this bit is "versionable": a reader accepts any stored schema number
// and the object asks the archive which one it is reading (CArchive::GetObjectSchema).
#define VERSIONABLE_SCHEMA 0x80000000u

// Schema of classes that are not serialisable (run-time information only).
#define AFX_NO_SCHEMA 0xFFFFu

struct CRuntimeClass
{
    // Aggregate on purpose: every record is constant-initialised, so its fields are valid before
    // any static constructor runs, in whatever order the files' constructors come.
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                   // AFX_NO_SCHEMA, or the schema (maybe | VERSIONABLE_SCHEMA)
    CObject* (*m_pfnCreateObject)();  // null unless the class is dynamically creatable
    CRuntimeClass* m_pBaseClass;      // null only for CObject
    CRuntimeClass* m_pNextClass;      // link of the registry list; set by Register

    // A new object of this class, or null when the class cannot be created dynamically or its
    // constructor raised a framework exception.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    BOOL IsSerializable() const { return m_wSchema != AFX_NO_SCHEMA; }

    // The registered class of that exact name, or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    // Adds a class to the registry; a class already there stays once.
    static void Register(CRuntimeClass* pClass);

    // The class part of an archive's new-class record: WORD schema, WORD name length, the name.
    void Store(CArchive& ar) const;
    // Reads that record and finds the class by name; null when no class has that name. The
    // stored schema is returned through pwSchemaNum.
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Registers a class explicitly: the UI library lists its serialisable classes at start-up, and the
// call also makes the linker keep classes that only archives ever name.
void AfxClassInit(CRuntimeClass* pNewClass);

// One of these per IMPLEMENT_* macro registers its class while the statics are built.
struct CRuntimeClassRegistrar
{
    explicit CRuntimeClassRegistrar(CRuntimeClass* pNewClass)
    {
        CRuntimeClass::Register(pNewClass);
    }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    static CRuntimeClass* GetThisClass() { return &class##class_name; }                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                 \
    DECLARE_DYNCREATE(class_name)                                                                  \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass class_name::class##class_name = {                                                \
        #class_name, (int)sizeof(class_name),        (UINT)(wSchema),                              \
        pfnNew,      RUNTIME_CLASS(base_class_name), nullptr};                                     \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }       \
    static const CRuntimeClassRegistrar lornivalRegister##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject() { return new class_name; }                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                     \
    CObject* class_name::CreateObject() { return new class_name; }                                 \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)         \
    CArchive& operator>>(CArchive& ar, class_name*& pOb)                                           \
    {                                                                                              \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                  \
        return ar;                                                                                 \
    }
