#pragma once

#include "picture/fonts.h"

#include <QColor>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

// What the report tests read back from the pictures and PDFs they make.
namespace progress_testing {

inline bool fontsLoaded()
{
    QString error;
    const bool ok = art::fonts::load(&error);
    EXPECT_TRUE(ok) << error.toStdString();
    return ok;
}

// The largest difference of one channel.
inline int distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// The pages of a PDF, counted as its page objects ("/Type /Page", never
// "/Type /Pages").
inline int pdfPages(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string page = "/Type /Page";
    int pages = 0;
    for (std::size_t at = text.find(page); at != std::string::npos; at = text.find(page, at + 1)) {
        const std::size_t after = at + page.size();
        pages += after < text.size() && std::isalpha(static_cast<unsigned char>(text[after])) != 0 ? 0 : 1;
    }
    return pages;
}

}  // namespace progress_testing
