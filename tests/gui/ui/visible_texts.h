#pragma once

// The texts a window shows a person: titles, labels, buttons, group
// titles, tool tips, place-holders, column headings and the actions of
// the buttons' menus, each with where it is.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

namespace dorvane::test {

struct ShownText {
    QString where;
    QString text;
};

inline QString placeOf(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? QString() : QStringLiteral(" ") + w->objectName();
    return QString::fromLatin1(w->metaObject()->className()) + name;
}

inline void addMenuTexts(const QWidget* w, const QMenu* menu, QList<ShownText>& out) {
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        out << ShownText{placeOf(w) + QStringLiteral(" menu"), a->text()};
        if (a->menu()) addMenuTexts(w, a->menu(), out);
    }
}

inline QList<ShownText> shownTexts(QWidget& top) {
    QList<ShownText> out;
    out << ShownText{placeOf(&top) + QStringLiteral(" title"), top.windowTitle()};
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        if (w != &top && !w->isVisibleTo(&top)) continue;
        if (!w->toolTip().isEmpty()) out << ShownText{placeOf(w) + QStringLiteral(" tool tip"), w->toolTip()};
        if (auto* label = qobject_cast<QLabel*>(w)) out << ShownText{placeOf(w), label->text()};
        if (auto* button = qobject_cast<QAbstractButton*>(w)) out << ShownText{placeOf(w), button->text()};
        if (auto* push = qobject_cast<QPushButton*>(w); push && push->menu()) addMenuTexts(w, push->menu(), out);
        if (auto* group = qobject_cast<QGroupBox*>(w)) out << ShownText{placeOf(w), group->title()};
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            out << ShownText{placeOf(w) + QStringLiteral(" place-holder"), edit->placeholderText()};
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                out << ShownText{placeOf(w) + QStringLiteral(" heading"),
                                 view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()};
        }
    }
    return out;
}

}  // namespace dorvane::test
