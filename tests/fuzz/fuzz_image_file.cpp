// Classifies arbitrary bytes as an image file and describes it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/common/byte_layout.h"
#include "core/image/inspection.h"

namespace {

std::filesystem::path scratchFile() {
    const auto dir = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path();
    return dir / ("dorvane-fuzz-image-" + std::to_string(getpid()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto path = scratchFile();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    dorvane::CImageFile image;
    const auto result = dorvane::inspectImageFile(image, path);
    if (result.ok()) {
        // Whatever the header says, a description is always complete.
        if (result->logLines.size() < 4) __builtin_trap();
        std::uint8_t record[128] = {};
        for (std::size_t i = 0; i < sizeof record && i < size; ++i) record[i] = data[i];
        // A receiver without a buyer code takes any image, one with the
        // image's own code takes it too.
        dorvane::le::write32(record, 20, 0);
        if (!image.checkBuyer(record)) __builtin_trap();
        dorvane::le::write32(record, 20, image.buyerCode());
        if (!image.checkBuyer(record)) __builtin_trap();
    } else if (result.message() != "Image File corrupted!") {
        __builtin_trap();
    }
    return 0;
}
