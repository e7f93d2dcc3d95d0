#include "ui/ClickHandlersByName.h"

#include "ui/Guard.h"

#include <QAbstractButton>
#include <QMetaMethod>
#include <QWidget>

#include <stdexcept>

void ConnectClickHandlersByName(QWidget& page) {
    static const QByteArray suffix = "Click";
    const QMetaObject& meta = *page.metaObject();
    // Only the page's own class: QWidget's slots are no handlers.
    for (int index = meta.methodOffset(); index < meta.methodCount(); ++index) {
        const QMetaMethod handler = meta.method(index);
        const QByteArray name = handler.name();
        if (handler.methodType() != QMetaMethod::Slot || handler.parameterCount() != 0 ||
            !name.endsWith(suffix))
            continue;
        const QString buttonName = QString::fromLatin1(name.chopped(suffix.size()));
        auto* button = page.findChild<QAbstractButton*>(buttonName);
        if (!button)
            throw std::logic_error("The page's form has no button " + buttonName.toStdString());
        ui::OnClicked(button, [&page, handler] { handler.invoke(&page, Qt::DirectConnection); });
    }
}

QMetaMethod HandlerNamed(QWidget& page, const std::string& name) {
    const QMetaObject& meta = *page.metaObject();
    const int index = meta.indexOfMethod((name + "()").c_str());
    if (index < meta.methodOffset())
        throw std::logic_error("The page has no handler " + name);
    return meta.method(index);
}
