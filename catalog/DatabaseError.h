// The failure of reading or writing a database file: damaged or truncated data, a file of a newer
// format, or a failed write. Raised inside Serialize and caught where the load or save started.
#pragma once
#include <stdexcept>
#include <string>

class DatabaseError : public std::runtime_error
{
public:
    enum Cause
    {
        Truncated,     // the data ended inside a record
        BadTag,        // a child record of an unknown kind
        TooDeep,       // nodes deeper than a catalogue may hold (CatalogNode::MaxDepth)
        BadSchema,     // the file was written by a newer version of the format
        Unreadable,    // the file or its compression could not be read
        TrailingData,  // bytes follow the last record: the records are not what was written
        WriteFailed,   // a write, the compressor or the file system failed while saving
    };
    DatabaseError(Cause cause, const std::string& what) : std::runtime_error(what), m_cause(cause)
    {
    }
    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};
