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
    std::string file = "5" + std::to_string(lowestOctave + p);
    if (withSign && p == gPitchClass) {
        file += "p";
    }
    return picturePath(folder, file + ".jpg");
}

}  // namespace

std::string picturePath(const std::string& folder, const std::string& file)
{
    return folder + separator + "picture" + separator + file;
}

std::string startupPicturePath(const std::string& folder)
{
    return folder + separator + "tvl.tv";
}

std::string notePicturePath(const std::string& folder, const std::string& prefix, int note)
{
    return picturePath(folder, prefix + std::to_string(note) + ".jpg");
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
