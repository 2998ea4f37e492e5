#pragma once

// Marks an interface text of the core (a caption, a list entry, a label, a
// message) that the window shows translated. It stands for the text itself;
// the translation tools find the texts by this mark.
#define UI_TEXT(text) text
// The same, for a text that is translated in a context of its own: a field's
// name in messages ("baud rate") may need more room than its label on the
// form ("Baud").
#define UI_TEXT_IN(context, text) text
