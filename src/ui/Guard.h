#pragma once
// Every event handler of the program runs through Guard. A framework error
// (or any other exception) that leaves a handler is shown in the framework's
// error box and the program goes on with the next event, as the framework's
// own message loop does; nothing is ever thrown into Qt's event loop.
//
//     ui::OnClicked(ui_.btnVol02CreateFolders, [this] { btnVol02CreateFoldersClick(); });
//     ui::Connect(ui_.lstVol02IncludeStrings, &QListWidget::itemDoubleClicked, this,
//                 [this] { lstVol02IncludeStringsDblClick(); });

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

class QAbstractButton;
class QAction;

namespace ui {

// Runs the handler; shows whatever it throws through desktop().ShowFrameworkError.
// True when the handler ended normally.
bool Guard(const std::function<void()>& handler);

// Connects a handler to a signal through Guard. The handler takes the signal's
// arguments or none. The connection ends with `context` (the window whose
// handler it is).
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection Connect(Sender* sender, Signal signal, const QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](auto&&... args) {
        if constexpr (std::is_invocable_v<Handler&, decltype(args)...>)
            Guard([&] { handler(std::forward<decltype(args)>(args)...); });
        else
            Guard([&] { handler(); });
    });
}

// The same, for as long as the sender lives.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Handler handler) {
    return Connect(sender, signal, sender, std::move(handler));
}

// A button's click (not its toggling by the program).
QMetaObject::Connection OnClicked(QAbstractButton* button, std::function<void()> handler);
// A menu item's or an action's click.
QMetaObject::Connection OnTriggered(QAction* action, std::function<void()> handler);

} // namespace ui
