// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes arbitrary bytes as JPEG; failures must be clean exceptions.
//
// libjpeg comes from the system and carries no coverage instrumentation, so
// the fuzzer cannot see which of its paths an input takes. The target reads
// the header itself and notes what it says (frame type, entropy coding,
// components, sampling, precision, size against the program's own limit), so
// that inputs reaching progressive, arithmetic or very large pictures are
// kept and mutated further. Run with -use_value_profile=1: the notes, the
// scan limit and the size check in the decoder then count as coverage.
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstdint>
#include <cstring>

#include "data/ImageCodecs.h"
#include "platform/TarvoError.h"

namespace {

struct Errors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void Fail(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Errors*>(cinfo->err)->jump, 1);
}

// With -use_value_profile=1 the comparison turns each value met into a
// feature of its own; one instantiation per property keeps them apart.
template <int Property>
__attribute__((noinline)) void Note(long long value) {
    [[maybe_unused]] static volatile long long sink;
    if (value == -1) sink = value;
}

int Log2Bucket(long long value) {
    int bucket = 0;
    while (value > 1 && bucket < 15) {
        value >>= 2;
        ++bucket;
    }
    return bucket;
}

void NoteHeader(const uint8_t* data, size_t size) {
    jpeg_decompress_struct cinfo;
    Errors errors;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = Fail;
    errors.base.emit_message = [](j_common_ptr, int) {};
    if (setjmp(errors.jump) == 0) {
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
        jpeg_read_header(&cinfo, TRUE);
        const long long pixels = (long long)cinfo.image_width * cinfo.image_height;
        Note<0>(cinfo.progressive_mode);
        Note<1>(cinfo.arith_code);
        Note<2>(cinfo.num_components);
        Note<3>(cinfo.data_precision);
        Note<4>(cinfo.comp_info[0].h_samp_factor * 4 + cinfo.comp_info[0].v_samp_factor);
        Note<5>(Log2Bucket(pixels));
        Note<6>(int(pixels > kMaxPicturePixels) * 2 + int(cinfo.restart_interval > 0));
    }
    jpeg_destroy_decompress(&cinfo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NoteHeader(data, size);
    try {
        DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TarvoError&) {
    }
    return 0;
}
