#pragma once
// A page's click handlers found by name, as Qt's own connectSlotsByName finds
// its slots: each slot of the page named after a button of its form with
// "Click" after it (btnVol06HelpClick for btnVol06Help) handles that button's
// clicks, through the guard that shows the framework's error box. So a page
// names each handler once, where it declares it, and no table can pair a
// button with another button's handler.

class QWidget;

// A slot whose button the form lacks is a fault of the page or of its form:
// it throws std::logic_error.
void ConnectClickHandlersByName(QWidget& page);
