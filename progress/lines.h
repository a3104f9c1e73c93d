#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace progress {

// Longest line the readers keep, in bytes; a longer one is skipped whole
// without being held in memory.
constexpr std::size_t maxLineBytes = 1U << 16;

// Reads the open descriptor fd to its end in 1 MB pieces, giving each line
// (without its '\n') to line, or calling overlong once for a line longer than
// maxLineBytes, which is never held whole. A last line without its '\n'
// counts too. Memory: the piece and one line at most. False, with the reason
// in error (name is the file's name for it), if a read fails.
bool readLines(int fd, const std::function<void(std::string_view)>& line, const std::function<void()>& overlong,
               const std::string& name, std::string* error);

}  // namespace progress
