#pragma once

#include <string>

namespace platform {

// A file opened for reading only, in a way that never waits: O_NONBLOCK, so
// that a FIFO nobody writes to or a device opens at once, and then only a
// regular file is kept, as the open descriptor itself says (nothing can be
// put in the path's place between the check and the reads). Reading a
// regular file never waits on the descriptor's account; a file on a network
// mount that stops answering still can, so whatever may meet one reads off
// the window's thread. Closed when it goes.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The errno of an open or check that failed; 0 when open, and when the
    // path is there but is no regular file.
    int error() const { return m_error; }
    bool missing() const;  // nothing at the path (ENOENT)
    // One line for the user when not open: "cannot read 'PATH': REASON" or
    // "'PATH' is not a regular file".
    const std::string& why() const { return m_why; }

private:
    int m_fd = -1;
    int m_error = 0;
    std::string m_why;
};

}  // namespace platform
