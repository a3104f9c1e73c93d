#pragma once

// What every timing program shares: a sample of measurements with its median
// and 99th percentile, and the rows of the results table. Each program prints
// its rows on stdout, as markdown table rows; bench.sh puts them under one
// header. Everything else a program has to say goes to stderr.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace bench {

class Sample {
public:
    void add(double value) { m_values.push_back(value); }
    bool empty() const { return m_values.empty(); }
    std::size_t size() const { return m_values.size(); }

    // Nearest rank: the smallest value with at least p of the sample at or
    // below it (p from 0 to 1).
    double percentile(double p) const
    {
        if (m_values.empty()) {
            return NAN;
        }
        std::vector<double> v = m_values;
        std::sort(v.begin(), v.end());
        const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
        return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
    }
    double median() const { return percentile(0.5); }
    double p99() const { return percentile(0.99); }
    double max() const { return percentile(1.0); }
    double mean() const
    {
        double sum = 0;
        for (double x : m_values) {
            sum += x;
        }
        return m_values.empty() ? NAN : sum / static_cast<double>(m_values.size());
    }

private:
    std::vector<double> m_values;
};

// A number with its unit, to the given decimals.
inline std::string format(double value, int decimals, const char* unit)
{
    if (std::isnan(value)) {
        return "n/a";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

// One row: what was measured (with n), its median (or single value), its 99th
// percentile ("—" for a single figure), the goal and whether it was met. An
// empty met means there is no goal for the row.
inline void printRow(const std::string& measure, const std::string& median, const std::string& p99,
                     const std::string& goal, std::optional<bool> met)
{
    const char* verdict = "—";
    if (met) {
        verdict = *met ? "met" : "**MISSED**";
    }
    std::printf("| %s | %s | %s | %s | %s |\n", measure.c_str(), median.c_str(), p99.c_str(),
                goal.empty() ? "—" : goal.c_str(), verdict);
    std::fflush(stdout);
}

constexpr const char* none = "—";

}  // namespace bench
