#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wifi {

// The fixed entries of a drop list, index 0 first, and the entry selected when
// the dialog opens (-1: none). Interface texts are UTF-8.
struct ListContents {
    int id;
    std::vector<std::string_view> entries;
    int initialSelection;
};

// The other ten lists, in template order.
const std::vector<ListContents>& ParameterLists();

// The entries of one parameter list; empty for an id that is not one.
const std::vector<std::string_view>& ListEntries(int id);

}  // namespace wifi
