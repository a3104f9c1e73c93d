#include "progress/lines.h"

#include "platform/messages.h"
#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace progress {

using platform::message;

bool readLines(int fd, const std::function<void(std::string_view)>& line, const std::function<void()>& overlong,
               const std::string& name, std::string* error)
{
    constexpr std::size_t chunk = 1 << 20;  // bytes per read
    std::vector<char> buffer(chunk);
    std::string partial;    // the start of a line cut by the end of a read
    bool skipping = false;  // skipping the rest of a line too long to keep
    while (true) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (error != nullptr) {
                *error = message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {name, std::strerror(errno)});
            }
            return false;
        }
        if (got == 0) {
            break;
        }
        std::string_view data(buffer.data(), static_cast<std::size_t>(got));
        while (!data.empty()) {
            const std::size_t end = data.find('\n');
            const std::string_view piece = data.substr(0, end);
            const bool complete = end != std::string_view::npos;
            data.remove_prefix(complete ? end + 1 : data.size());
            if (skipping) {
                skipping = !complete;
                continue;
            }
            if (partial.size() + piece.size() > maxLineBytes) {
                overlong();
                partial.clear();
                skipping = !complete;
                continue;
            }
            if (!complete) {
                partial.append(piece);
                break;
            }
            if (partial.empty()) {
                line(piece);
            } else {
                partial.append(piece);
                line(partial);
                partial.clear();
            }
        }
    }
    if (!partial.empty()) {
        line(partial);
    }
    return true;
}

}  // namespace progress
