#include "text/Nearest.h"

#include <algorithm>
#include <cctype>

namespace wifi {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Edits that turn a into b, a swap of neighbours counting as one (a typist's
// commonest slip: "--prot" for "--port"), letter case ignored.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
                Lower(a[i - 2]) == Lower(b[j - 1])) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

bool StartsWith(std::string_view name, std::string_view given) {
    return given.size() < name.size() &&
           std::equal(given.begin(), given.end(), name.begin(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::string Nearest(std::string_view given, const std::vector<std::string_view>& names) {
    if (given.empty()) {
        return {};
    }
    std::vector<std::string_view> begun;
    for (std::string_view name : names) {
        if (StartsWith(name, given)) {
            begun.push_back(name);
        }
    }
    if (begun.size() == 1) {
        return std::string(begun.front());
    }
    std::string_view best;
    std::size_t bestDistance = std::max<std::size_t>(1, given.size() / 3) + 1;
    for (std::string_view name : names) {
        const std::size_t d = Distance(given, name);
        if (d < bestDistance) {
            best = name;
            bestDistance = d;
        }
    }
    return std::string(best);
}

}  // namespace wifi
