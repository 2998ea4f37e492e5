#pragma once

#include <algorithm>
#include <cstdint>
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
    // One of an address's four fields (0 to 3), as the address control takes
    // typing: a number over 255 becomes 255; a negative one, or nothing, is
    // refused (nothing blanks a field). The rule of every window's input.
    bool UserSetAddressField(int id, int field, std::optional<int> value) {
        if (field < 0 || field > 3 || !value || *value < 0) {
            return false;
        }
        return TypeAddressField(id, field, static_cast<std::uint8_t>(std::min(*value, 255)));
    }

  protected:
    // The field typed, raising the control's change; false where the
    // control takes no input.
    virtual bool TypeAddressField(int id, int field, std::uint8_t value) = 0;
};

}  // namespace wifi
