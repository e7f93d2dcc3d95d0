#include "tools/NameFieldChecks.h"

#include "common/IllegalCharacters.h"
#include "ui/Desktop.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// The text without its last character (a whole UTF-16 pair where it ends in one).
QString WithoutLastCharacter(const QString& text) {
    if (text.size() >= 2 && text.back().isLowSurrogate() && text.at(text.size() - 2).isHighSurrogate())
        return text.chopped(2);
    return text.isEmpty() ? text : text.chopped(1);
}

} // namespace

void RemoveIllegalNameCharacters(QWidget* owner, QLineEdit& field, const std::string& caption,
                                 const std::string& text) {
    std::string found;
    while (HasIllegalCharacter(field.text().toStdString(), "F", found)) {
        // The last character goes, whichever character was illegal.
        ui::ShowBox(owner, caption, text + found, ui::Icon::Warning);
        const QSignalBlocker quiet(field);
        field.setText(WithoutLastCharacter(field.text()));
        field.setFocus();
    }
}

void CheckNameField(QWidget* owner, bool& checking, bool busy, QLineEdit& field, const std::string& caption,
                    const std::string& text, const std::function<void()>& preview) {
    if (checking || busy)
        return;
    checking = true;
    RemoveIllegalNameCharacters(owner, field, caption, text);
    checking = false;
    preview();
}
