#pragma once
// The desktop's way of asking for a day: a small modal dialog with the
// question, a date box whose calendar drops down, and OK and Cancel.

#include <QDate>
#include <QString>

#include <optional>

class QWidget;

namespace jubilo {

// None when the user cancels or closes the dialog.
std::optional<QDate> askDateInDialog(QWidget* parent, const QString& title, const QString& label,
                                     const QDate& proposal);

}  // namespace jubilo
