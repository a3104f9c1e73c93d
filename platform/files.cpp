#include "platform/files.h"

#include "platform/messages.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        m_error = errno;
        m_why = message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {path, std::strerror(m_error)});
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        m_error = errno;
        m_why = message(QT_TRANSLATE_NOOP("Messages", "cannot read '%1': %2"), {path, std::strerror(m_error)});
        ::close(fd);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        m_why = S_ISDIR(st.st_mode)
                    ? message(QT_TRANSLATE_NOOP("Messages", "'%1' is a folder, not a regular file"), {path})
                    : message(QT_TRANSLATE_NOOP("Messages", "'%1' is not a regular file"), {path});
        ::close(fd);
        return;
    }
    m_fd = fd;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool ReadOnlyFile::missing() const
{
    return m_error == ENOENT;
}

}  // namespace platform
