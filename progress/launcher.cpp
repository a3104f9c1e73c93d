#include "progress/launcher.h"

#include "platform/messages.h"
#include "progress/report.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace progress::launcher {

using platform::message;

namespace fs = std::filesystem;

namespace {

// A desktop entry string value: a line end or a leading blank would end or
// change the value, a backslash starts an escape.
std::string entryString(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == ' ' && i == 0) {
            out += "\\s";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<fs::path> applicationsFolder(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return fs::path(xdgDataHome) / "applications";
    }
    if (home != nullptr && home[0] != '\0') {
        return fs::path(home) / ".local" / "share" / "applications";
    }
    return std::nullopt;
}

std::string fileName(const std::string& pupil)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArray(pupil.data(), static_cast<qsizetype>(pupil.size())),
                                                       QCryptographicHash::Sha256);
    return "org.tavelin.TavelinPiano.pupil-" + digest.toHex().left(16).toStdString() + ".desktop";
}

std::string execArgument(const std::string& argument)
{
    // The Exec key's own quoting first...
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';  // a field code otherwise
        }
        quoted += c;
    }
    quoted += '"';
    // ...then the string escapes every value has.
    return entryString(quoted);
}

std::string entryText(const std::string& pupil, const std::string& program)
{
    // Names with a line end cannot be pupils' names; the escapes keep the
    // file well formed whatever it is given.
    const std::string name = entryString(pupil);
    std::string t;
    t += "[Desktop Entry]\n";
    t += "Type=Application\n";
    t += "Version=1.0\n";
    t += "Name=Piano — " + name + "\n";
    t += "Comment=Tavelin Piano pour " + name + "\n";
    t += "Exec=" + execArgument(program) + " --pupil " + execArgument(pupil) + "\n";
    t += "Icon=org.tavelin.TavelinPiano\n";
    t += "Terminal=false\n";
    t += "Categories=Education;Music;\n";
    t += "StartupNotify=true\n";
    t += "StartupWMClass=tavelin-piano\n";
    return t;
}

std::string write(const fs::path& folder, const std::string& pupil, const std::string& program)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return message(QT_TRANSLATE_NOOP("Messages", "impossible de créer le dossier « %1 » : %2"),
                       {folder.string(), ec.message()});
    }
    const std::string t = entryText(pupil, program);
    return replaceFile((folder / fileName(pupil)).string(), QByteArray(t.data(), static_cast<qsizetype>(t.size())));
}

bool exists(const fs::path& folder, const std::string& pupil)
{
    std::error_code ec;
    return fs::is_regular_file(folder / fileName(pupil), ec);
}

std::string remove(const fs::path& folder, const std::string& pupil)
{
    const fs::path file = folder / fileName(pupil);
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
        return message(QT_TRANSLATE_NOOP("Messages", "impossible de supprimer « %1 » : %2"),
                       {file.string(), std::strerror(errno)});
    }
    return {};
}

}  // namespace progress::launcher
