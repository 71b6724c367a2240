#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// Medians, 95th percentiles and the rows of the table scripts/bench.sh prints.
struct Summary {
    double median = 0.0;
    double p95 = 0.0;
    size_t count = 0;
};

inline Summary summarize(std::vector<double> samples) {
    Summary summary;
    summary.count = samples.size();
    if (samples.empty()) {
        return summary;
    }
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
    // The nearest-rank percentile: the smallest sample with 95% at or below it.
    const size_t rank = static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n)));
    summary.p95 = samples[rank > 0 ? rank - 1 : 0];
    return summary;
}

inline std::string formatSeconds(double seconds) {
    char text[32];
    if (seconds < 1e-3) {
        std::snprintf(text, sizeof(text), "%.1f us", seconds * 1e6);
    } else if (seconds < 1.0) {
        std::snprintf(text, sizeof(text), "%.2f ms", seconds * 1e3);
    } else {
        std::snprintf(text, sizeof(text), "%.3f s", seconds);
    }
    return text;
}

inline std::string formatNumber(double value, const char* format = "%.2f") {
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

// One row: what, median, p95, ratio, goal, whether the goal is met (the last
// three may be empty).
inline void printRow(const std::string& what, const std::string& median, const std::string& p95,
                     const std::string& ratio = "", const std::string& goal = "",
                     const char* met = "") {
    std::printf("| %s | %s | %s | %s | %s | %s |\n", what.c_str(), median.c_str(), p95.c_str(),
                ratio.c_str(), goal.c_str(), met);
    std::fflush(stdout);
}

inline const char* metText(bool met) {
    return met ? "yes" : "NO";
}
