// Implementation of the catalogue test helpers.
#include "catalog/CatalogTestSupport.h"
#include "catalog/CatalogNode.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include <bzlib.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>

MemoryStream::MemoryStream(std::uint32_t version, const Bytes* data) : m_storing(data == nullptr)
{
    m_header.m_version = version;
    if (data) m_data = *data;
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count)
{
    std::size_t n = std::min(count, Remaining());
    if (n) std::memcpy(buffer, m_data.data() + m_pos, n);
    m_pos += n;
    return n;
}

void MemoryStream::Write(const void* buffer, std::size_t count)
{
    const std::uint8_t* p = static_cast<const std::uint8_t*>(buffer);
    m_data.insert(m_data.end(), p, p + count);
}

ScratchDir::ScratchDir()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static LONG counter = 0;
    for (;;) {
        char name[MAX_PATH + 64];
        std::snprintf(name, sizeof name, "%slornival-catalog-%lu-%ld", temp, GetCurrentProcessId(),
                      InterlockedIncrement(&counter));
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot make a scratch directory");
    }
}

static void RemoveAll(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string n = fd.cFileName;
            if (n == "." || n == "..") continue;
            std::string full = dir + "\\" + n;
            SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveAll(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

ScratchDir::~ScratchDir() { RemoveAll(m_path); }

std::vector<std::string> ScratchDir::List() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((m_path + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string n = fd.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

HWND MakeTestWindow(const char* className, WNDPROC proc, void* self)
{
    WNDCLASSA wc = {};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        RegisterClassA(&wc);
    }
    HWND hwnd = CreateWindowA(className, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)self);
    return hwnd;
}

Bytes ReadFileBytes(const std::string& path)
{
    Bytes b;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return b;
    std::uint8_t buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
    std::fclose(f);
    return b;
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

Bytes Decompress(const Bytes& compressed)
{
    bz_stream s;
    std::memset(&s, 0, sizeof s);
    if (BZ2_bzDecompressInit(&s, 0, 0) != BZ_OK) throw std::runtime_error("bzip2 init");
    Bytes out;
    s.next_in = (char*)compressed.data();
    s.avail_in = (unsigned)compressed.size();
    char buf[65536];
    int rc;
    do {
        s.next_out = buf;
        s.avail_out = sizeof buf;
        rc = BZ2_bzDecompress(&s);
        out.insert(out.end(), (std::uint8_t*)buf, (std::uint8_t*)buf + (sizeof buf - s.avail_out));
    } while (rc == BZ_OK && (s.avail_in > 0 || s.avail_out == 0));
    BZ2_bzDecompressEnd(&s);
    if (rc != BZ_STREAM_END) throw std::runtime_error("not a complete bzip2 stream");
    return out;
}

Bytes CompressLikeWb5(const Bytes& plain, const std::string& scratchFile)
{
    BZFILE* bz = BZ2_bzopen(scratchFile.c_str(), "wb5");
    if (!bz) throw std::runtime_error("BZ2_bzopen");
    if (!plain.empty()) BZ2_bzwrite(bz, (void*)plain.data(), (int)plain.size());
    BZ2_bzclose(bz);
    return ReadFileBytes(scratchFile);
}

namespace
{

std::string Narrow(const CatalogText& t) { return ToAnsiString(t.c_str()); }

std::string Time(const FILETIME& ft)
{
    std::ostringstream o;
    o << std::hex << ft.dwHighDateTime << ":" << ft.dwLowDateTime;
    return o.str();
}

std::string Dump(const CatalogNode* node, int depth)
{
    std::ostringstream o;
    std::string pad(depth * 2, ' ');
    o << pad << node->m_type << " '" << Narrow(node->m_name) << "'";
    if (node->m_type == NodeCollection) {
        auto c = static_cast<const CollectionNode*>(node);
        o << " desc='" << Narrow(c->m_description) << "' flags=" << (int)c->m_flags;
    } else if (node->m_type == NodeUserFolder) {
        o << " desc='" << Narrow(static_cast<const UserFolderNode*>(node)->m_description) << "'";
    } else if (node->m_type == NodeDiscFolder) {
        auto f = static_cast<const DiscFolderNode*>(node);
        o << " attr=" << (int)f->m_attributes << " time=" << Time(f->m_time)
          << " extra=" << f->m_extra;
    } else if (node->m_type == NodeDisc) {
        auto d = static_cast<const DiscNode*>(node);
        const unsigned char* g = reinterpret_cast<const unsigned char*>(&d->m_identity);
        o << " desc='" << Narrow(d->m_description) << "' lent='" << Narrow(d->m_lentTo)
          << "' added=" << Time(d->m_addedTime) << " id=";
        for (int i = 0; i < 16; ++i) o << std::hex << (int)g[i] << std::dec;
    }
    o << "\n";
    if (node->m_type == NodeDiscFolder || node->m_type == NodeDisc) {
        auto e = static_cast<const EntryContainerNode*>(node);
        for (std::uint32_t i = 0; i < e->EntryCount(); ++i) {
            const FileEntry& f = e->Entries()[i];
            o << pad << "  file '" << Narrow(f.m_name) << "' size=" << f.m_size
              << " time=" << Time(f.m_time) << " desc='" << Narrow(f.m_description) << "'\n";
        }
    }
    std::vector<std::string> kids;
    for (const CatalogNode* c : node->m_children) kids.push_back(Dump(c, depth + 1));
    std::sort(kids.begin(), kids.end());
    for (auto& k : kids) o << k;
    return o.str();
}

}  // namespace

std::string DumpTree(const CatalogNode* node) { return Dump(node, 0); }

void PutU32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back((std::uint8_t)(v >> (8 * i)));
}

void PutU64(Bytes& b, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i) b.push_back((std::uint8_t)(v >> (8 * i)));
}

void PutString(Bytes& b, const std::wstring& s)
{
    if (s.empty()) {
        PutU32(b, 0);
        return;
    }
    PutU32(b, (std::uint32_t)((s.size() + 1) * 2));
    for (wchar_t c : s) {
        b.push_back((std::uint8_t)(c & 0xFF));
        b.push_back((std::uint8_t)(c >> 8));
    }
    b.push_back(0);
    b.push_back(0);
}
