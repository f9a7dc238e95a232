// libjpeg source manager that pulls the compressed bytes from a ReadableStream through a buffer
// of its own. A stream that ends early is closed off with an end-of-image marker, as the library
// expects of a well-behaved source.
#pragma once
#include <cstddef>
#include <cstdio>
#include <windows.h>
#include <jpeglib.h>

class ReadableStream;

struct JpegStreamSource
{
    jpeg_source_mgr pub;     // the library's part; must stay first
    ReadableStream* stream;  // where the bytes come from; not owned
    JOCTET* buffer;          // kBufferSize bytes from the decompressor's permanent pool
    boolean startOfFile;     // nothing has been read since init

    static const size_t kBufferSize = 4096;

    // Makes `stream` the decompressor's source. The record and its buffer come from the
    // decompressor's permanent pool the first time and are reused when it decodes again.
    static void Attach(j_decompress_ptr cinfo, ReadableStream* stream);
};
