// Running a routine of an object on a new thread through the C runtime's thread start, which
// passes only one pointer: the closure carries the routine, the object and the argument, and the
// trampoline runs it, frees it and ends the thread.
#pragma once
#include <cstdint>

struct ThreadClosure
{
    // A plain function standing for the object's member routine; three pointer-sized fields,
    // 12 bytes in the shipping 32-bit build.
    typedef void (*Routine)(void* object, void* argument);
    Routine routine;
    void* object;
    void* argument;  // usually a block on the starter's stack: the starter waits for the thread
};
static_assert(sizeof(ThreadClosure) == 3 * sizeof(void*), "a closure is three pointers");

// The thread start routine: runs the closure, frees it, ends the thread.
void __cdecl ThreadTrampoline(void* closure);

// Starts `routine(object, argument)` on a new thread; false when no thread could be started (the
// closure is then freed here). Stack size 0 takes the default.
bool StartClosureThread(ThreadClosure::Routine routine, void* object, void* argument,
                        unsigned stackSize = 0);

// Adapts a member function `void T::F(A*)` to a closure routine.
template <class T, class A, void (T::*F)(A*)>
void MemberRoutine(void* object, void* argument)
{
    (static_cast<T*>(object)->*F)(static_cast<A*>(argument));
}
