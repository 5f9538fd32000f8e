// Decodes arbitrary bytes as JPEG; failures must be clean exceptions.
#include <cstdint>

#include "data/ImageCodecs.h"
#include "data/TarvoError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TarvoError&) {
    }
    return 0;
}
