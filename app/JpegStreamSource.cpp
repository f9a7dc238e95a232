// libjpeg source manager over a ReadableStream.
#include "app/JpegStreamSource.h"

#include <jerror.h>

#include "app/ReadableStream.h"

namespace
{

JpegStreamSource* SourceOf(j_decompress_ptr cinfo)
{
    return reinterpret_cast<JpegStreamSource*>(cinfo->src);
}

void InitSource(j_decompress_ptr cinfo) { SourceOf(cinfo)->startOfFile = TRUE; }

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    JpegStreamSource* src = SourceOf(cinfo);
    size_t count = src->stream->Read(src->buffer, static_cast<UINT>(JpegStreamSource::kBufferSize));
    if (count == 0) {
        if (src->stream->ReadFailed())
            ERREXIT(cinfo, JERR_FILE_READ);  // a broken file is no picture, not a short one
        if (src->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);  // not a byte at all: nothing to decode
        // A truncated picture: warn and end it here, so the decoder shows what it has.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = static_cast<JOCTET>(0xFF);
        src->buffer[1] = static_cast<JOCTET>(JPEG_EOI);
        count = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = count;
    src->startOfFile = FALSE;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    if (count <= 0) return;
    JpegStreamSource* src = SourceOf(cinfo);
    size_t rest = static_cast<size_t>(count);
    while (rest > src->pub.bytes_in_buffer) {
        rest -= src->pub.bytes_in_buffer;
        FillInputBuffer(cinfo);  // never suspends; at the end it supplies an end-of-image marker
    }
    src->pub.next_input_byte += rest;
    src->pub.bytes_in_buffer -= rest;
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void JpegStreamSource::Attach(j_decompress_ptr cinfo, ReadableStream* stream)
{
    if (cinfo->src == nullptr) {
        void* record = (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo),
                                                  JPOOL_PERMANENT, sizeof(JpegStreamSource));
        JpegStreamSource* src = static_cast<JpegStreamSource*>(record);
        src->buffer = static_cast<JOCTET*>((*cinfo->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kBufferSize * sizeof(JOCTET)));
        cinfo->src = &src->pub;
    }
    JpegStreamSource* src = SourceOf(cinfo);
    src->pub.init_source = InitSource;
    src->pub.fill_input_buffer = FillInputBuffer;
    src->pub.skip_input_data = SkipInputData;
    src->pub.resync_to_restart = jpeg_resync_to_restart;
    src->pub.term_source = TermSource;
    src->stream = stream;
    src->pub.bytes_in_buffer = 0;  // the first read fills the buffer
    src->pub.next_input_byte = nullptr;
}
