#pragma once

// Marks an interface text of the core (a caption, a list entry, a label, a
// message) that the window shows translated. It stands for the text itself;
// the translation tools find the texts by this mark.
#define UI_TEXT(text) text
