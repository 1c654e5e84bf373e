#pragma once

#include <QAccessible>
#include <QApplication>
#include <QLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace laid_out {

inline std::string nameOf(const QWidget* widget) {
    const QString name = widget->objectName();
    return (name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name)
        .toStdString();
}

} // namespace laid_out

// What a user sees of a shown window's layout: inside every widget that a layout arranges, each
// shown control lies wholly inside it and covers no other. Controls that draw their own parts
// (lists, fields, sliders) are not looked into.
inline void expectLaidOut(QWidget* widget) {
    QApplication::processEvents();
    if (!widget->layout())
        return;
    std::vector<QWidget*> shown;
    for (QObject* object : widget->children())
        if (auto* child = qobject_cast<QWidget*>(object);
            child && !child->isWindow() && child->isVisible())
            shown.push_back(child);
    const std::string where = laid_out::nameOf(widget);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QRect area = shown[i]->geometry();
        EXPECT_TRUE(widget->rect().contains(area))
            << laid_out::nameOf(shown[i]) << " sticks out of " << where;
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(area.intersects(shown[j]->geometry()))
                << laid_out::nameOf(shown[i]) << " and " << laid_out::nameOf(shown[j])
                << " overlap in " << where;
        expectLaidOut(shown[i]);
    }
}

// The controls of that kind inside a widget as the user reads them: one line per row, top to
// bottom, each row's names from left to right in the columns that the controls' left edges make,
// "-" where a column is empty.
template <class Control> std::string controlRows(QWidget* widget) {
    QApplication::processEvents();
    std::set<int> lefts;
    std::map<int, std::map<int, std::string>> rows;
    for (Control* control : widget->findChildren<Control*>()) {
        const QPoint at = control->mapTo(widget, QPoint(0, 0));
        lefts.insert(at.x());
        std::string& cell = rows[at.y()][at.x()];
        cell += (cell.empty() ? "" : "+") + laid_out::nameOf(control);
    }
    std::string text;
    for (const auto& [top, row] : rows) {
        for (int left : lefts) {
            const auto found = row.find(left);
            text += (left == *lefts.begin() ? "" : " ") +
                    (found == row.end() ? std::string("-") : found->second);
        }
        text += "\n";
    }
    return text;
}

// The name of the control that a label names for a screen reader ("" for none).
inline std::string labelledBy(QWidget* label) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
    if (!face)
        return "";
    for (const auto& [other, relation] : face->relations(QAccessible::Labelled))
        if (auto* control = qobject_cast<QWidget*>(other->object()))
            return laid_out::nameOf(control);
    return "";
}
