#pragma once

#include <cstdint>
#include <string>

// Names of the picture files the window loads. Every path is the program's
// folder exactly as the platform reports it, followed directly by the pieces
// below; numbers are plain decimal digits (no sign, padding or leading zeros).
namespace exercise {

constexpr char separator = '/';

// folder + "/picture/" + file
std::string picturePath(const std::string& folder, const std::string& file);

// The start-up picture beside the program: folder + "/tvl.tv".
std::string startupPicturePath(const std::string& folder);

// The note on its staff: folder + "/picture/" + prefix + note + ".jpg".
std::string notePicturePath(const std::string& folder, const std::string& prefix, int note);

// The sign shown beside the name of a black-key note.
enum class Sign {
    Hidden,     // white key: the sign box is hidden
    Sharp,      // "up.jpg", shown
    Flat,       // "down.jpg", shown
    Untouched,  // black key under a prefix that writes no sign: left as it was
};

struct NamePicture {
    std::string path;  // empty: the name box is cleared
    Sign sign = Sign::Hidden;
};

// The name picture and sign of a note under a prefix. White keys are named
// directly; black keys are named after the white key below (prefixes 1 and 3,
// sharps) or above (2 and 4, flats); G takes the "p" variant when a sign
// stands beside it.
NamePicture namePicture(const std::string& folder, const std::string& prefix, int note);

// The sign picture path for a sign that is shown.
std::string signPicturePath(const std::string& folder, Sign sign);

}  // namespace exercise
