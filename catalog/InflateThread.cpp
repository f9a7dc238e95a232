// The decompression thread of the database reader and its hand-over of filled buffers.
#include "catalog/InflateThread.h"
#include "catalog/DatabaseError.h"
#include <bzlib.h>

InflateThread::InflateThread(std::FILE* file) : m_file(file)
{
    int err = BZ_OK;
    m_bz = BZ2_bzReadOpen(&err, m_file, 0, 0, nullptr, 0);
    if (err != BZ_OK)
        throw DatabaseError(DatabaseError::Unreadable, "cannot decompress the database file");
    try {
        for (std::vector<char>& buffer : m_buffers) buffer.resize(BufferSize);
        m_thread = std::thread(&InflateThread::Run, this);
    } catch (...) {
        BZ2_bzReadClose(&err, m_bz);
        throw;
    }
}

InflateThread::~InflateThread()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stop = true;
    }
    m_freedOne.notify_all();
    if (m_thread.joinable()) m_thread.join();
    int err = BZ_OK;
    BZ2_bzReadClose(&err, m_bz);
}

void InflateThread::Run()
{
    for (;;) {
        std::unique_lock<std::mutex> lock(m_lock);
        m_freedOne.wait(lock, [this] { return m_stop || m_filled < BufferCount; });
        if (m_stop) return;
        const std::size_t index = (m_first + m_filled) % BufferCount;
        lock.unlock();

        // Only this thread touches the stream and the buffers it has not handed over.
        int err = BZ_OK;
        const int n = BZ2_bzRead(&err, m_bz, m_buffers[index].data(), (int)BufferSize);
        State state = State::Running;
        bool trailing = false;
        if (err == BZ_STREAM_END) {
            // Nothing may follow the compressed stream: the writer never puts anything there.
            void* unused = nullptr;
            int unusedCount = 0;
            BZ2_bzReadGetUnused(&err, m_bz, &unused, &unusedCount);
            if (err != BZ_OK)
                state = State::Damaged;
            else {
                state = State::Ended;
                trailing = unusedCount > 0 || std::fgetc(m_file) != EOF;
            }
        } else if (err != BZ_OK) {
            state = State::Damaged;
        }

        lock.lock();
        m_sizes[index] = n > 0 && state != State::Damaged ? (std::size_t)n : 0;
        ++m_filled;
        m_state = state;
        m_trailing = trailing;
        lock.unlock();
        m_filledOne.notify_one();
        if (state != State::Running) return;
    }
}

bool InflateThread::Next(const char*& data, std::size_t& size)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (m_holding) {
        m_first = (m_first + 1) % BufferCount;
        --m_filled;
        m_holding = false;
        m_freedOne.notify_one();
    }
    m_filledOne.wait(lock, [this] { return m_filled > 0 || m_state != State::Running; });
    if (m_filled > 0) {
        data = m_buffers[m_first].data();
        size = m_sizes[m_first];
        m_holding = true;
        return true;
    }
    if (m_state == State::Damaged)
        throw DatabaseError(DatabaseError::Unreadable,
                            "the database file's compressed data is damaged");
    return false;
}
