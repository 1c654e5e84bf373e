#pragma once

#include <QObject>
#include <QString>

// Gives a new control its object name, by which the program's windows and tests find it.
template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}
