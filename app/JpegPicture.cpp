// JPEG decoding through libjpeg's v62 interface, with the library's fatal-error exit replaced so
// that a broken picture abandons the decode instead of ending the program.
#include "app/JpegPicture.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <new>
#include <jpeglib.h>

#include "framework/CMemFile.h"

#include "app/FileReadableStream.h"
#include "app/JpegStreamSource.h"
#include "resources/AppResource.h"

static_assert(JPEG_LIB_VERSION == 62, "the picture is decoded through libjpeg's v62 interface");

namespace
{

const char kUnsupportedChannels[] = "Unsupported number of channels!";

struct JpegErrorManager
{
    jpeg_error_mgr pub;  // the library's part; must stay first
    std::jmp_buf abandon;
};

// Replaces the library's error_exit, which would end the process: report, free the decompressor
// and return to the start of the decode.
[[noreturn]] void AbandonDecode(j_common_ptr cinfo)
{
    (*cinfo->err->output_message)(cinfo);
    JpegErrorManager* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    jpeg_destroy(cinfo);
    std::longjmp(err->abandon, 1);
}

// Frees the decompressor on every way out; destroying it twice is harmless.
class DecompressorGuard
{
public:
    explicit DecompressorGuard(j_decompress_ptr cinfo) : m_cinfo(cinfo) {}
    ~DecompressorGuard() { jpeg_destroy_decompress(m_cinfo); }
    DecompressorGuard(const DecompressorGuard&) = delete;
    DecompressorGuard& operator=(const DecompressorGuard&) = delete;

private:
    j_decompress_ptr m_cinfo;
};

}  // namespace

JpegPicture::JpegPicture() : m_header(), m_width(0), m_height(0) {}

JpegPicture::JpegPicture(UINT id) : JpegPicture() { LoadFromResource(id, nullptr); }

size_t JpegPicture::RowBytes(UINT width)
{
    return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
}

void JpegPicture::Clear()
{
    std::vector<BYTE>().swap(m_pixels);
    m_header = BITMAPINFOHEADER();
    m_width = 0;
    m_height = 0;
}

bool JpegPicture::LoadFromResource(UINT id, HMODULE module)
{
    Clear();
    if (module == nullptr) module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), RT_JPEG_PICTURE);
    if (info == nullptr) return false;
    HGLOBAL handle = LoadResource(module, info);
    const void* bytes = handle ? LockResource(handle) : nullptr;
    if (bytes == nullptr) return false;
    // The file only reads the locked bytes (no growth), so handing it a non-const pointer is safe.
    CMemFile file(static_cast<BYTE*>(const_cast<void*>(bytes)), SizeofResource(module, info));
    return LoadFromStream(file);
}

bool JpegPicture::LoadFromStream(CFile& file)
{
    FileReadableStream stream(file);
    return LoadFromStream(stream);
}

bool JpegPicture::LoadFromStream(ReadableStream& stream)
{
    Clear();
    try {
        if (Decode(stream)) return true;
    } catch (const char* text) {
        OutputDebugStringA(text);
    } catch (const std::bad_alloc&) {
        OutputDebugStringA("JPEG picture too large\n");
    }
    Clear();
    return false;
}

bool JpegPicture::Decode(ReadableStream& stream)
{
    jpeg_decompress_struct cinfo = {};
    JpegErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = AbandonDecode;
    DecompressorGuard guard(&cinfo);
    // Nothing below this point may hold an object with a destructor across a libjpeg call: a
    // fatal error comes back here by longjmp. The row buffer lives in the library's pool and the
    // pixels in a member.
    if (setjmp(err.abandon)) return false;

    jpeg_create_decompress(&cinfo);
    JpegStreamSource::Attach(&cinfo, &stream);
    jpeg_read_header(&cinfo, TRUE);
    jpeg_calc_output_dimensions(&cinfo);

    const int components = cinfo.output_components;
    if (components != 1 && components != 3)
        throw kUnsupportedChannels;  // CMYK and the like: no picture rather than wrong colours
    const UINT width = cinfo.output_width;
    const UINT height = cinfo.output_height;
    const size_t rowBytes = RowBytes(width);
    if (static_cast<std::uint64_t>(rowBytes) * height > SIZE_MAX) throw std::bad_alloc();
    m_pixels.assign(rowBytes * height, 0);

    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                width * components, 1);
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        BYTE* dest = &m_pixels[cinfo.output_scanline * rowBytes];
        jpeg_read_scanlines(&cinfo, row, 1);
        const JSAMPLE* src = row[0];
        for (UINT x = 0; x < width; ++x, dest += 3) {
            if (components == 3) {  // DIBs keep blue first
                dest[0] = src[3 * x + 2];
                dest[1] = src[3 * x + 1];
                dest[2] = src[3 * x];
            } else {
                dest[0] = dest[1] = dest[2] = src[x];
            }
        }
    }
    jpeg_finish_decompress(&cinfo);

    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = m_width;
    m_header.biHeight = -m_height;
    m_header.biPlanes = 1;
    m_header.biBitCount = 24;
    m_header.biCompression = BI_RGB;
    return true;
}

bool JpegPicture::Draw(HDC dc, const RECT& rect) const
{
    if (IsEmpty()) return false;
    StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0,
                  m_width, m_height, m_pixels.data(),
                  reinterpret_cast<const BITMAPINFO*>(&m_header), DIB_RGB_COLORS, SRCCOPY);
    return true;
}
