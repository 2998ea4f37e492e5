#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Splits received bytes into command lines ended by "\r\n". A run of more
// than kMaxLine bytes without a line end is discarded, so nothing on the line
// can grow memory without bound.
class LineReader {
  public:
    static constexpr std::size_t kMaxLine = 4096;

    struct Item {
        std::string line;  // without "\r\n"
        bool overflow;     // true: bytes were discarded, line is empty
    };
    std::vector<Item> Feed(std::string_view bytes);

  private:
    std::string pending_;
};

}  // namespace sim
