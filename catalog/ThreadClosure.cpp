// The closure trampoline over _beginthread.
#include "catalog/ThreadClosure.h"
#include <windows.h>
#include <process.h>

void __cdecl ThreadTrampoline(void* closure)
{
    ThreadClosure* c = static_cast<ThreadClosure*>(closure);
    ThreadClosure::Routine routine = c->routine;
    void* object = c->object;
    void* argument = c->argument;
    delete c;
    routine(object, argument);
    _endthread();
}

bool StartClosureThread(ThreadClosure::Routine routine, void* object, void* argument,
                        unsigned stackSize)
{
    ThreadClosure* c = new ThreadClosure{routine, object, argument};
    if (_beginthread(ThreadTrampoline, stackSize, c) == (uintptr_t)-1) {
        delete c;
        return false;
    }
    return true;
}
