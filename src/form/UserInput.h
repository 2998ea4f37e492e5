#pragma once

#include <optional>
#include <string>

namespace wifi {

// Edits as a person at the form makes them: each raises the notification a
// person's edit would, so the form's handlers run (a DHCP click enables the
// address fields). Each is refused, with false, where a person could not make
// it: a disabled control, an entry the list does not have.
class UserInput {
  public:
    virtual ~UserInput() = default;
    virtual bool UserSelect(int id, int index) = 0;
    // A module text, as the bytes that go to the module.
    virtual bool UserType(int id, const std::string& bytes) = 0;
    virtual bool UserClick(int id) = 0;
    // One of an address's four fields; nothing blanks it.
    virtual bool UserSetAddressField(int id, int field, std::optional<int> value) = 0;
};

}  // namespace wifi
