// Maps from a Win32 handle to the C++ object that wraps it. Permanent entries are made by Attach
// and live until Detach; they are shared by all threads, so a worker can find the window its
// message names. Temporary wrappers made by FromHandle for handles nobody attached belong to the
// thread that asked and are deleted when that thread is idle (CWinThread::OnIdle).
#pragma once

#include <windows.h>
#include <mutex>
#include <unordered_map>
#include <vector>

// Deletes the temporary wrappers of every handle kind of the calling thread.
void AfxDeleteTempMaps();

// Registers a per-thread clean-up that AfxDeleteTempMaps runs (one per handle kind).
void AfxRegisterTempMapCleanup(void (*pfn)());

// The calling thread's object for `key`: made by `create` on first use, deleted by `destroy` when
// the thread ends (the thread that ends the process keeps its objects).
void* AfxGetThreadObject(const void* key, void* (*create)(), void (*destroy)(void*));

// The handle of a wrapper pointer that may be null. Calling a member through a null pointer is
// undefined (the optimiser may drop a null test on `this`), so every null-tolerant getter is a
// free function that tests the pointer before it touches the object: AfxGetSafeHwnd,
// AfxGetSafeHdc, AfxGetSafeHandle and AfxGetSafeHmenu, declared beside their classes.
template <class T, class H>
inline H AfxHandleOrNull(const T* p, H (T::*pfnGet)() const)
{
    return p == nullptr ? nullptr : (p->*pfnGet)();
}

template <class T, class H, H T::*pmHandle>
class CHandleMap
{
public:
    static T* FromHandlePermanent(H h)
    {
        if (h == nullptr) return nullptr;
        Lock lock;
        auto& m = Permanent();
        auto it = m.find(h);
        return it == m.end() ? nullptr : it->second;
    }

    // The permanent wrapper, else this thread's temporary one, made with pfnNew when missing.
    static T* FromHandle(H h, T* (*pfnNew)())
    {
        if (h == nullptr) return nullptr;
        if (T* p = FromHandlePermanent(h)) return p;
        auto& temp = Temporary();
        auto it = temp.find(h);
        if (it != temp.end()) return it->second;
        T* p = pfnNew();
        p->*pmHandle = h;
        temp[h] = p;
        return p;
    }

    // Makes p the permanent wrapper of h (FALSE for a null handle).
    static BOOL Attach(T* p, H h)
    {
        if (h == nullptr) return FALSE;
        p->*pmHandle = h;
        SetPermanent(h, p);
        return TRUE;
    }

    // Takes the handle back from p, forgetting p as its wrapper.
    static H Detach(T* p)
    {
        H h = p->*pmHandle;
        if (h != nullptr && FromHandlePermanent(h) == p) RemoveHandle(h);
        p->*pmHandle = nullptr;
        return h;
    }

    static void SetPermanent(H h, T* p)
    {
        Lock lock;
        Permanent()[h] = p;
    }

    static void RemoveHandle(H h)
    {
        {
            Lock lock;
            Permanent().erase(h);
        }
        Temporary().erase(h);
    }

    // Deletes this thread's temporary wrappers without touching their handles.
    static void DeleteTemp()
    {
        auto& temp = Temporary();
        std::vector<T*> doomed;
        for (auto& kv : temp) doomed.push_back(kv.second);
        temp.clear();
        for (T* p : doomed) {
            p->*pmHandle = nullptr;
            delete p;
        }
    }

    static bool IsTemporary(const T* p)
    {
        for (auto& kv : Temporary())
            if (kv.second == p) return true;
        return false;
    }

private:
    // The permanent map is shared by all threads. Like the map, the mutex is never destroyed:
    // wrappers of static objects may detach while the program exits.
    struct Lock
    {
        Lock() : guard(Mutex()) {}
        std::lock_guard<std::mutex> guard;
    };
    static std::mutex& Mutex()
    {
        static auto* s_lock = new std::mutex;
        return *s_lock;
    }
    static std::unordered_map<H, T*>& Permanent()
    {
        static auto* m = new std::unordered_map<H, T*>;  // never destroyed: used until exit
        return *m;
    }
    // Not a C++ thread_local: with emulated TLS (mingw-w64) a thread_local's storage can be freed
    // before its destructor runs when the thread ends, and that destructor then frees freed memory.
    static std::unordered_map<H, T*>& Temporary()
    {
        return *static_cast<std::unordered_map<H, T*>*>(
            AfxGetThreadObject(&s_tempKey, &NewTemp, &DestroyTemp));
    }
    static void* NewTemp()
    {
        AfxRegisterTempMapCleanup(&DeleteTemp);
        return new std::unordered_map<H, T*>;
    }
    // At the end of the thread: its temporary wrappers and the map go, their handles stay.
    static void DestroyTemp(void* pMap)
    {
        auto* temp = static_cast<std::unordered_map<H, T*>*>(pMap);
        for (auto& kv : *temp) {
            kv.second->*pmHandle = nullptr;
            delete kv.second;
        }
        delete temp;
    }
    static inline char s_tempKey = 0;  // only its address matters: one per handle kind
};
