#pragma once
// Tests reach a window's controls by the object name each control carries, as
// a screen reader or a user's eye would: the window keeps its members to
// itself. A control that is missing, named twice or of another kind fails the
// test at once with a message that says so, instead of crashing it.

#include <QString>
#include <QWidget>

#include <memory>
#include <source_location>
#include <stdexcept>
#include <type_traits>

// Thrown after the failure is recorded, to leave the test (or the action on a
// modal window) at that point.
class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace Controls {
// The one widget called name among window's own controls (those of a window
// opened over it do not count) that is a type; null when there is none or more
// than one, and why then says which.
QWidget *find(const QWidget *window, const char *name, const QMetaObject &type, QString *why);
[[noreturn]] void fail(const QString &why, const std::source_location &where);
}

// child<QLineEdit>(window, "txtData"): the control, never null.
template <class T = QWidget>
T *child(const QWidget *window, const char *name, std::source_location where = std::source_location::current())
{
    QString why;
    if (QWidget *found = Controls::find(window, name, T::staticMetaObject, &why))
        return static_cast<T *>(found);
    Controls::fail(why, where);
}
template <class T = QWidget>
T *child(const QWidget *window, const QString &name, std::source_location where = std::source_location::current())
{
    return child<T>(window, qPrintable(name), where);
}
// The same through an owning pointer (std::unique_ptr and the like).
template <class T = QWidget, class P>
requires(!std::is_convertible_v<const P &, const QWidget *>) T *child(
    const P &window, const QString &name, std::source_location where = std::source_location::current())
{
    return child<T>(static_cast<const QWidget *>(std::to_address(window)), name, where);
}
