#pragma once

#include "form/DialogTemplate.h"
#include "wording/Language.h"

namespace wifi {

// How a window in a language lays out the form: the template's geometry was
// chosen for Chinese words, and other words need other room.

// The dialog as a window in that language draws it.
const DialogTemplate& ConfigDialogTemplate(Language language);

// Where the encoding's label and list go, in dialog units.
const int* EncodingLabelRect(Language language);
const int* EncodingRect(Language language);

}  // namespace wifi
