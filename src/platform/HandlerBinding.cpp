#include "HandlerBinding.h"

#include "Form.h"

#include <QAbstractButton>
#include <QAction>
#include <QMetaMethod>
#include <QMetaObject>
#include <QVariant>

#include <stdexcept>

namespace handler_binding {

namespace {

bool IsHandler(const QMetaMethod& method, const QString& name)
{
    return method.name() == name.toUtf8() && method.parameterCount() == 1 &&
           method.parameterMetaType(0) == QMetaType::fromType<TObject*>() &&
           method.returnMetaType() == QMetaType::fromType<void>();
}

QString HandlerName(const QObject& object, const char* event)
{
    return object.property(event).toString();
}

} // namespace

int Resolve(const TForm& form, const QObject& control, const QString& name)
{
    const QMetaObject* meta = form.metaObject();
    // The form's own handlers only: those declared below the form base.
    for (int index = TForm::staticMetaObject.methodCount(); index < meta->methodCount(); ++index) {
        if (IsHandler(meta->method(index), name)) {
            return index;
        }
    }
    throw std::logic_error("Layout of " + form.objectName().toStdString() + ": control " +
                           control.objectName().toStdString() + " names the handler \"" + name.toStdString() +
                           "\", but " + meta->className() + " has no handler " + name.toStdString() +
                           "(TObject*)");
}

void BindClicks(TForm& form)
{
    for (QObject* control : form.findChildren<QObject*>()) {
        const QString name = HandlerName(*control, "OnClick");
        if (name.isEmpty()) {
            continue;
        }
        const int index = Resolve(form, *control, name);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QObject::connect(button, &QAbstractButton::clicked, &form,
                             [&form, index, button] { form.InvokeHandler(index, button); });
        } else if (auto* item = qobject_cast<QAction*>(control)) {
            QObject::connect(item, &QAction::triggered, &form,
                             [&form, index, item] { form.InvokeHandler(index, item); });
        } else {
            throw std::logic_error("Layout of " + form.objectName().toStdString() + ": control " +
                                   control->objectName().toStdString() +
                                   " has a click handler but cannot be clicked");
        }
    }
}

} // namespace handler_binding
