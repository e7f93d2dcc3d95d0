#pragma once
// What the creation pages do with their prefix and suffix fields; each page
// passes its own boxes and texts.

#include <functional>
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

// The prefix or suffix check of a page, then its `preview`. Nothing happens
// while `busy`, or while `checking`: each removal changes the text, which
// would run the check again from inside itself.
void CheckNameField(QWidget* owner, bool& checking, bool busy, QLineEdit& field, const std::string& caption,
                    const std::string& text, const std::function<void()>& preview);
