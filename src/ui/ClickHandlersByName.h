#pragma once
// A page's click handlers found by name, as Qt's own connectSlotsByName finds
// its slots: each slot of the page named after a button of its form with
// "Click" after it (btnVol06HelpClick for btnVol06Help) handles that button's
// clicks, through the guard that shows the framework's error box. So a page
// names each handler once, where it declares it, and no table can pair a
// button with another button's handler.

#include "ui/Guard.h"

#include <QMetaMethod>
#include <QWidget>

#include <string>


// A slot whose button the form lacks is a fault of the page or of its form:
// it throws std::logic_error.
void ConnectClickHandlersByName(QWidget& page);

// A page's handler of another kind of event (a field's change, a drop-down's
// choice) found by name among the page's invokable methods, so that the part
// that connects the signal needs only the name the page gives its handler.
// A page that lacks the handler throws std::logic_error.
QMetaMethod HandlerNamed(QWidget& page, const std::string& name);

template <typename Sender, typename Signal>
void ConnectHandlerByName(QWidget& page, Sender* sender, Signal signal, const std::string& name) {
    const QMetaMethod handler = HandlerNamed(page, name);
    ui::Connect(sender, signal, &page, [&page, handler] { handler.invoke(&page, Qt::DirectConnection); });
}
