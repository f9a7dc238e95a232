// Typed fields and strings over the database stream.
#include "catalog/DatabaseStream.h"
#include "catalog/DatabaseError.h"
#include <vector>

void DatabaseStream::ReadExactSlowly(void* buffer, std::size_t count)
{
    if (Read(buffer, count) != count)
        throw DatabaseError(DatabaseError::Truncated, "database file ends inside a record");
}

void WriteString(const CatalogText& text, DatabaseStream& stream)
{
    std::size_t units = text.length();
    if (units == 0) {
        stream.WriteU32(0);
        return;
    }
    stream.WriteU32((std::uint32_t)((units + 1) * 2));
    stream.Write(text.c_str(), (units + 1) * 2);
}

void ReadString(CatalogText& text, DatabaseStream& stream)
{
    std::uint32_t count = stream.ReadU32();
    if (count == 0) {
        text = CatalogText();
        return;
    }
    const std::size_t units = count / 2;
    const bool oddByte = (count & 1) != 0;
    // Short names (nearly all of them) go through a buffer on the stack.
    wchar_t local[128];
    if (units <= 128) {
        stream.ReadExact(local, units * 2);
        if (oddByte) stream.ReadByte();
        text.Assign(local, units);
        return;
    }
    // A long count is believed only as far as the data goes: read in slices, growing as they come.
    std::vector<wchar_t> buffer;
    std::size_t done = 0;
    const std::size_t slice = 32 * 1024;
    while (done < units) {
        std::size_t n = units - done < slice ? units - done : slice;
        buffer.resize(done + n);
        stream.ReadExact(&buffer[done], n * 2);
        done += n;
    }
    if (oddByte) stream.ReadByte();
    text.Assign(buffer.data(), units);
}
