#include "exercise/picturenames.h"

#include "exercise/notechoice.h"
#include "keyboard/pitch.h"

namespace exercise {

namespace {

constexpr int lowestOctave = 36;  // the name pictures are numbered like keys 36 to 47
constexpr int gPitchClass = 7;

std::string namePath(const std::string& folder, int namedKey, bool withSign)
{
    const int p = keyboard::pitch::pitchClass(namedKey);
    std::string file = "5";
    file.append(std::to_string(lowestOctave + p));
    if (withSign && p == gPitchClass) {
        file.append("p");
    }
    file.append(".jpg");
    return picturePath(folder, file);
}

}  // namespace

// Strings are built by appending: GCC 12 warns wrongly about chains of
// operator+ on std::string at -O3.
std::string picturePath(const std::string& folder, const std::string& file)
{
    std::string path = folder;
    path.push_back(separator);
    path.append("picture");
    path.push_back(separator);
    path.append(file);
    return path;
}

std::string startupPicturePath(const std::string& folder)
{
    std::string path = folder;
    path.push_back(separator);
    path.append("tvl.tv");
    return path;
}

std::string notePicturePath(const std::string& folder, const std::string& prefix, int note)
{
    std::string file = prefix;
    file.append(std::to_string(note));
    file.append(".jpg");
    return picturePath(folder, file);
}

NamePicture namePicture(const std::string& folder, const std::string& prefix, int note)
{
    if (!isBlackKey(note)) {
        return {namePath(folder, note, false), Sign::Hidden};
    }
    const auto writing = keyboard::pitch::writingOfPrefix(prefix);
    if (!writing) {
        return {"", Sign::Untouched};
    }
    const int namedKey = keyboard::pitch::writtenKey(note, writing->preferred);
    return {namePath(folder, namedKey, true),
            writing->preferred == keyboard::pitch::Accidental::Flat ? Sign::Flat : Sign::Sharp};
}

std::string signPicturePath(const std::string& folder, Sign sign)
{
    return picturePath(folder, sign == Sign::Flat ? "down.jpg" : "up.jpg");
}

}  // namespace exercise
