// Decompresses a bzip2 stream on a thread of its own, a few buffers ahead of its reader: the
// records of a catalogue are parsed while the next blocks are being decompressed, so that a load
// takes about as long as the decompression alone.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

class InflateThread
{
public:
    // Starts decompressing `file` from its current position; the caller keeps the file open until
    // this object is gone. Raises DatabaseError (Unreadable) when the stream cannot be opened.
    explicit InflateThread(std::FILE* file);
    ~InflateThread();  // stops the thread and closes the stream

    // The next piece of decompressed data, valid until the next call; false once the stream has
    // ended cleanly. Raises DatabaseError (Unreadable) where the data is damaged, after every
    // good piece before the damage.
    bool Next(const char*& data, std::size_t& size);
    // After the clean end: true when the file goes on after the compressed stream.
    bool TrailingBytes() const { return m_trailing; }

    InflateThread(const InflateThread&) = delete;
    InflateThread& operator=(const InflateThread&) = delete;

private:
    enum class State { Running, Ended, Damaged };
    static const std::size_t BufferCount = 4;
    static const std::size_t BufferSize = 256 * 1024;

    void Run();

    std::FILE* m_file;
    void* m_bz = nullptr;  // the library's stream over m_file
    std::vector<char> m_buffers[BufferCount];
    std::size_t m_sizes[BufferCount] = {};
    std::mutex m_lock;
    std::condition_variable m_filledOne;  // the thread filled a buffer or stopped
    std::condition_variable m_freedOne;   // the reader handed a buffer back, or stops it
    std::size_t m_first = 0;      // the oldest filled buffer
    std::size_t m_filled = 0;     // filled buffers, from m_first on
    bool m_holding = false;       // the reader holds the buffer m_first
    bool m_stop = false;
    State m_state = State::Running;
    bool m_trailing = false;
    std::thread m_thread;  // last: it starts once everything above is ready
};
