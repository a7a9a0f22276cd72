// libFuzzer target for reading a stored path: any type, any bytes, NULs anywhere or none,
// and a value that may grow between the size query and the fetch.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ERegistryException.h"
#include "MemoryRegistry.h"
#include "PathStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint32_t type = data[0] % 12;  // REG_NONE .. REG_QWORD
    const std::size_t growth = data[1] % 4 == 0 ? data[1] / 4 : 0;
    testing_support::MemoryRegistry registry;
    registry.PutValue(
        "Software\\Vorlen\\Bremolta\\5", "Sciezka",
        testing_support::StoredValue{type, std::vector<std::uint8_t>(data + 2, data + size)});
    if (growth != 0) registry.GrowBeforeNextFetch("Sciezka", growth);
    try {
        const std::string path = store::ReadPath(registry, 5);
        // A path read back is never longer than its data plus the backslash, holds no NUL
        // and ends in a backslash.
        if (path.size() > size - 2 + 1 || path.find('\0') != std::string::npos ||
            path.back() != '\\') {
            std::abort();
        }
    } catch (const store::ERegistryException&) {
    }
    if (registry.OpenHandles() != 0) std::abort();
    return 0;
}
