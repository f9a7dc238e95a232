// Mutex, event and critical section through CSingleLock, across two threads.
#include <gtest/gtest.h>

#include <thread>

#include "framework/CCriticalSection.h"
#include "framework/CEvent.h"
#include "framework/CMutex.h"
#include "framework/CSingleLock.h"

namespace
{

BOOL TryFromOtherThread(CSyncObject* object)
{
    BOOL got = FALSE;
    std::thread([&] {
        CSingleLock lock(object);
        got = lock.Lock(0);
    }).join();
    return got;
}

TEST(Sync, SingleLockHoldsAMutexForItsScope)
{
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(TryFromOtherThread(&mutex));
        lock.Unlock();
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(TryFromOtherThread(&mutex));
        EXPECT_TRUE(lock.Lock());
    }
    EXPECT_TRUE(TryFromOtherThread(&mutex));  // the scope's end released it
}

TEST(Sync, EventsResetByThemselvesUnlessManual)
{
    CEvent automatic;
    EXPECT_FALSE(automatic.Lock(0));
    automatic.SetEvent();
    EXPECT_TRUE(automatic.Lock(0));
    EXPECT_FALSE(automatic.Lock(0));

    CEvent manual(TRUE, TRUE);
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(TryFromOtherThread(&manual));
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));
}

TEST(Sync, CriticalSectionExcludesOtherThreads)
{
    CCriticalSection section;
    int counter = 0;
    auto work = [&] {
        for (int i = 0; i < 100000; ++i) {
            CSingleLock lock(&section, TRUE);
            ++counter;
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(200000, counter);
}

}  // namespace
