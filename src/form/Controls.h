#pragma once

#include <string>
#include <string_view>

#include "protocol/Address.h"

namespace wifi {

// What a modal message is: the completion message is an information, with
// one button to close it.
enum class MessageType { Information };

// The dialog's controls, reached by id: the operations the program needs of a
// window, and nothing more. Setting a value from code raises no notification;
// only the user's own changes do.
class Controls {
  public:
    virtual ~Controls() = default;

    // Drop lists: the selected index, -1 when nothing is selected.
    virtual int GetCurSel(int id) const = 0;
    virtual void SetCurSel(int id, int index) = 0;

    // An edit's text; for a drop list, the text of the selected entry (empty
    // when nothing is selected).
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    // Whether an edit's text has bytes in the encoding texts are sent in (a
    // window converts typed text; memory holds bytes already).
    virtual bool CanEncode(int id) const {
        (void)id;
        return true;
    }

    // Check box: 0 unchecked, 1 checked.
    virtual int GetCheck(int id) const = 0;
    virtual void SetCheck(int id, int state) = 0;

    // Address controls: blank when all four fields are empty; a field left
    // empty in a partly filled control reads as 0.
    virtual bool IsBlank(int id) const = 0;
    virtual Address GetAddress(int id) const = 0;
    virtual void SetAddress(int id, const Address& address) = 0;
    // Empties all four fields: the control shows no address.
    virtual void ClearAddress(int id) = 0;

    // A button's caption: a source text of the dialog (marked UI_TEXT), which
    // a window shows in its language.
    virtual void SetCaption(int id, std::string_view source) = 0;

    virtual void EnableWindow(int id, bool enable) = 0;
    virtual bool IsWindowEnabled(int id) const = 0;
    // Puts the keyboard focus on a control (a field the user must correct).
    virtual void SetFocus(int id) = 0;

    // Marks a field the module's report gave no value for (a hint in the
    // empty field, a tooltip), until someone gives it one.
    virtual void SetNotReported(int id, bool notReported) = 0;

    // A modal message; returns when the user has closed it.
    virtual void ShowMessage(std::string_view text, MessageType type) = 0;
};

}  // namespace wifi
