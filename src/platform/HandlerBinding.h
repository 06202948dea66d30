// Binds the handler names of a layout (the OnClick property of its controls and menu
// items, OnCreate of the form) to the form's own handlers through Qt's meta-object system.
#pragma once

#include <QString>

class TForm;
class QObject;

namespace handler_binding {

// The method index of the form's own handler "name(TObject*)"; throws std::logic_error,
// naming the control and the handler, when the form has none.
int Resolve(const TForm& form, const QObject& control, const QString& name);

// Connects every control's and menu item's click to its named handler.
void BindClicks(TForm& form);

} // namespace handler_binding
