// The classes the library tests objects against (in the drawing code, the input managers, the
// docking windows and the toolbars) that have no run-time class record yet: one list, so every
// name is written once. A test by one of these names compiles only with a name from this list.
// When a class gets its record, its entry goes and its tests use RUNTIME_CLASS, so that a wrong
// name does not compile.
#pragma once

// A class name that ZAVPIsKindOf accepts; a bare string does not convert to it.
struct ZAVPClassName
{
    explicit constexpr ZAVPClassName(const char* lpszName) : m_lpszName(lpszName) {}
    const char* m_lpszName;
};

namespace ZAVPClassNames
{
// Declared in ui/, with no record anywhere yet.
constexpr ZAVPClassName CZAVPOutlookBarPane{"CZAVPOutlookBarPane"};

// Not declared yet.
constexpr ZAVPClassName CMultiDocTemplate{"CMultiDocTemplate"};
constexpr ZAVPClassName CZAVPOutlookBar{"CZAVPOutlookBar"};
constexpr ZAVPClassName CZAVPOutlookButton{"CZAVPOutlookButton"};
constexpr ZAVPClassName CZAVPReBar{"CZAVPReBar"};
}  // namespace ZAVPClassNames
