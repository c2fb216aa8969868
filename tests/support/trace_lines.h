#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// Checks over a list of reported lines (the runtime's trace, or what a child
// process printed).

inline std::size_t CountOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

inline std::size_t CountStartingWith(const std::vector<std::string>& lines,
                                     const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

// Empty when every one of `expected` stands in `lines` after the one before
// it; otherwise names the first one that does not.
inline std::string MissingInOrder(const std::vector<std::string>& lines,
                                  const std::vector<std::string>& expected) {
    auto from = lines.begin();
    std::string previous = "the start";
    for (const std::string& line : expected) {
        const auto found = std::find(from, lines.end(), line);
        if (found == lines.end()) {
            return "\"" + line + "\" after \"" + previous + "\"";
        }
        from = found + 1;
        previous = line;
    }
    return "";
}
