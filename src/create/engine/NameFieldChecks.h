#pragma once
// What the strings and numbers pages do with their prefix, suffix and
// structure fields; each page passes its own boxes and texts.

#include <string>

class QLineEdit;
class QWidget;

// The prefix and suffix check: each character of the name set found in the
// field costs the field its last character, whichever character was found,
// with one `caption` box (`text` + the character) each, until the text is
// clean; the field then has the focus. Setting the text would run the
// field's change handler again from inside itself; the loop does what those
// nested checks would do.
void RemoveIllegalNameCharacters(QWidget* owner, QLineEdit& field, const std::string& caption,
                                 const std::string& text);

// The folder browse dialog for a structure. A drive's root is offered only
// when its drive is there and the person answers Yes to the `driveCaption`
// box; a shorter choice (cancelled) gives "". Returns the path to add, or "".
std::string BrowseForStructure(QWidget* owner, const std::string& driveCaption, const std::string& driveText);
