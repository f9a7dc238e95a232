// The per-thread state of the window side, and the temporary-map clean-up list.
// The state lives in a pthread key rather than in a C++ thread_local: with emulated TLS
// (mingw-w64) a thread_local's storage can be freed before its destructor runs when a thread
// ends, and the destructor then works on freed memory. A key's destructor is handed its value.
#include "framework/AfxThreadState.h"
#include "framework/CHandleMap.h"

#include <pthread.h>

namespace
{

void DestroyThreadState(void* state) { delete static_cast<AFX_THREAD_STATE*>(state); }

pthread_key_t ThreadStateKey()
{
    static const pthread_key_t key = [] {
        pthread_key_t k;
        pthread_key_create(&k, &DestroyThreadState);
        return k;
    }();
    return key;
}

}  // namespace

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    for (auto it = m_threadObjects.rbegin(); it != m_threadObjects.rend(); ++it)
        it->destroy(it->object);
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    const pthread_key_t key = ThreadStateKey();
    auto* state = static_cast<AFX_THREAD_STATE*>(pthread_getspecific(key));
    if (state == nullptr) {
        state = new AFX_THREAD_STATE;
        pthread_setspecific(key, state);
    }
    return state;
}

void* AfxGetThreadObject(const void* key, void* (*create)(), void (*destroy)(void*))
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    for (const auto& o : state->m_threadObjects)
        if (o.key == key) return o.object;
    void* object = create();
    state->m_threadObjects.push_back({key, object, destroy});
    return object;
}

void AfxRegisterTempMapCleanup(void (*pfn)())
{
    AfxGetThreadState()->m_tempMapCleanups.push_back(pfn);
}

void AfxDeleteTempMaps()
{
    for (auto pfn : AfxGetThreadState()->m_tempMapCleanups) pfn();
}
