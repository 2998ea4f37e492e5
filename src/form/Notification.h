#pragma once

namespace wifi {

// The notifications a control sends its dialog, as the message map names them.
enum class Notification {
    Clicked,          // push button or check box clicked
    EditChange,       // an edit's text changed, typed or set
    ComboEditChange,  // the edit field of a combo box changed (drop lists have none)
    SelChange,        // the user chose another entry of a list
    FieldChanged,     // the user changed a field of an address control
    Paint,            // the dialog needs painting
    QueryDragIcon,    // the minimised dialog is being dragged
};

}  // namespace wifi
