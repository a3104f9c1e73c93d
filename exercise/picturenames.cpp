#include "exercise/picturenames.h"

#include "exercise/notechoice.h"

namespace exercise {

namespace {

constexpr int lowestOctave = 36;  // the name pictures are numbered like keys 36 to 47
constexpr int gPitchClass = 7;

int pitchClass(int note)
{
    return ((note % 12) + 12) % 12;
}

// The prefix read as a number; anything that is not one of the four
// writings gives 0.
int writing(const std::string& prefix)
{
    if (prefix.size() == 1 && prefix[0] >= '1' && prefix[0] <= '4') {
        return prefix[0] - '0';
    }
    return 0;
}

std::string namePath(const std::string& folder, int namedKey, bool withSign)
{
    const int p = pitchClass(namedKey);
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
    switch (writing(prefix)) {
    case 1:
    case 3: return {namePath(folder, note - 1, true), Sign::Sharp};
    case 2:
    case 4: return {namePath(folder, note + 1, true), Sign::Flat};
    default: return {"", Sign::Untouched};
    }
}

std::string signPicturePath(const std::string& folder, Sign sign)
{
    return picturePath(folder, sign == Sign::Flat ? "down.jpg" : "up.jpg");
}

}  // namespace exercise
