// Feeds arbitrary bytes to every content source reader; the first byte picks the
// format. A test is also run through the single-test checks (ranges, reachable
// scores), which is where arithmetic on untrusted numbers happens.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "authoring/contentc/Parsers.h"
#include "authoring/contentc/TestChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zuno::authoring;
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    Diagnostics diag;
    const SourceFile file = SplitSource("fuzz.txt", bytes, diag);
    switch (data[0] % 4) {
        case 0: {
            Test test = ParseTest(file, diag);
            CheckTest(test, diag);
            break;
        }
        case 1: ParseCatalogue(file, diag); break;
        case 2: ParseTextItem(file, diag); break;
        default: ParseSoftInfo(file, diag); break;
    }
    return 0;
}
