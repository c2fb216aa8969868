#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/property_stream.h"
#include "simulator/property_stream_writer.h"

// Writes entries read from a stream back with the writer, each by the type it
// was read as; for a stream the reader accepted this gives the same bytes.
inline std::string RewritePropertyStream(const std::vector<fw::PropertyEntry>& entries) {
    PropertyStreamWriter w;
    for (const fw::PropertyEntry& entry : entries) {
        const std::string& key = entry.key;
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::int64_t>) {
                    w.Integer(key, v);
                } else if constexpr (std::is_same_v<T, bool>) {
                    w.Boolean(key, v);
                } else if constexpr (std::is_same_v<T, std::string>) {
                    w.String(key, v);
                } else if constexpr (std::is_same_v<T, fw::Color>) {
                    w.Color(key, v);
                } else if constexpr (std::is_same_v<T, float>) {
                    w.Single(key, v);
                } else if constexpr (std::is_same_v<T, double>) {
                    w.Double(key, v);
                } else {
                    static_assert(std::is_same_v<T, std::uint8_t>);
                    w.FontUnits(key, v);
                }
            },
            entry.value);
    }
    return w.Bytes();
}
