#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wifi {

// The bytes received since the dispatcher last emptied the buffer. Replies are
// recognised by a search over the whole of it, so a token split across receive
// events counts once its last byte has arrived.
//
// Two things keep a long run of bytes without any token (a chatty module, line
// noise) from hurting: memory is bounded (past kLimit the oldest bytes are
// dropped, down to a tail of kKeep, which still completes any token and holds
// any report), and each search resumes where the previous one for the same
// token stopped, so one byte per event costs a constant, not the buffer size.
class ReceiveBuffer {
  public:
    static constexpr std::size_t kLimit = 64 * 1024;
    static constexpr std::size_t kKeep = 32 * 1024;

    void Append(std::string_view bytes);
    bool Contains(std::string_view token) const;
    void Clear();

    const std::string& str() const { return data_; }
    std::size_t size() const { return data_.size(); }
    bool empty() const { return data_.empty(); }

  private:
    struct Search {
        std::string token;
        std::size_t nextStart = 0;  // no occurrence starts before this offset
        bool found = false;
    };
    void ForgetSearches() const;

    std::string data_;
    mutable std::vector<Search> searches_;
};

}  // namespace wifi
