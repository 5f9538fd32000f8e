// Parses arbitrary bytes as a Tarvo.ini; the values must always be usable.
#include <cstdint>
#include <cstdlib>

#include "core/Config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Config config =
        ParseConfig(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (config.Tempo < 1 || config.Tempo > 3 || (config.Blokada != 0 && config.Blokada != 1))
        std::abort();
    return 0;
}
