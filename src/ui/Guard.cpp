#include "ui/Guard.h"

#include "ui/Desktop.h"
#include "ui/FrameworkError.h"

#include <QAbstractButton>
#include <QAction>

#include <exception>

namespace ui {

bool Guard(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const FrameworkError& error) {
        desktop().ShowFrameworkError(error.what());
    } catch (const std::exception& error) {
        desktop().ShowFrameworkError(error.what());
    } catch (...) {
        desktop().ShowFrameworkError("An unexpected error ended the operation.");
    }
    return false;
}

QMetaObject::Connection OnClicked(QAbstractButton* button, std::function<void()> handler) {
    return Connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
}

QMetaObject::Connection OnTriggered(QAction* action, std::function<void()> handler) {
    return Connect(action, &QAction::triggered, action, [handler = std::move(handler)] { handler(); });
}

} // namespace ui
