#pragma once

#include <functional>

#include "form/Notification.h"
#include "form/UserInput.h"
#include "qt/QtControls.h"

namespace wifi {

// A person's edits made on the window's widgets, each followed by the
// notification the widget would raise for a person: what an imported profile
// does to the form.
class WindowInput : public UserInput {
  public:
    using Dispatch = std::function<void(int id, Notification code)>;
    WindowInput(QtControls& controls, Dispatch dispatch)
        : controls_(controls), dispatch_(std::move(dispatch)) {}

    bool UserSelect(int id, int index) override;
    bool UserType(int id, const std::string& bytes) override;
    bool UserClick(int id) override;

  protected:
    bool TypeAddressField(int id, int field, std::uint8_t value) override;

  private:
    QtControls& controls_;
    Dispatch dispatch_;
};

}  // namespace wifi
