// Feeds arbitrary bytes to the property stream reader with every key that the
// program's layouts use. Refusing a stream with RuntimeException is a proper
// answer; any other exception, a crash, a read out of bounds or undefined
// behaviour is a fault, and so is an accepted stream that does not write back
// to the very bytes it was read from.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/exceptions.h"
#include "framework/property_stream.h"
#include "tests/support/layout_key_types.h"
#include "tests/support/property_stream_rewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fw::PropertyTypeLookup typeOf = [](std::string_view key) {
        return layout_keys::TypeOf(key, fw::PropertyType::String);
    };
    const std::string_view stream(reinterpret_cast<const char*>(data), size);
    try {
        const auto entries = fw::ReadPropertyStream(stream, typeOf);
        if (RewritePropertyStream(entries) != stream) {
            __builtin_trap();
        }
    } catch (const fw::RuntimeException&) {
    }
    return 0;
}
