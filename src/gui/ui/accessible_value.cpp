#include "gui/ui/accessible_value.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

#include "gui/ui/text_progress_bar.h"

namespace dorvane {

namespace {

const char kRole[] = "dorvaneAccessibleRole";
const char kValue[] = "dorvaneAccessibleValue";

class MarkedAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    MarkedAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return valueText();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return valueText();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && bar()) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return bar() ? bar()->position() : QVariant(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return bar() ? bar()->upper() : QVariant(); }
    QVariant minimumValue() const override { return bar() ? bar()->lower() : QVariant(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CTextProgressBar* bar() const { return qobject_cast<CTextProgressBar*>(widget()); }

    QString valueText() const {
        const QVariant set = widget()->property(kValue);
        if (set.isValid()) return set.toString();
        if (auto* label = qobject_cast<QLabel*>(widget())) return label->text();
        if (CTextProgressBar* b = bar())
            return b->text().isEmpty() ? QStringLiteral("%1%").arg(b->position()) : b->text();
        return {};
    }
};

QAccessibleInterface* marked(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    const QVariant role = w->property(kRole);
    if (!role.isValid()) return nullptr;
    return new MarkedAccessible(w, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void markAccessible(QWidget* widget, QAccessible::Role role) { widget->setProperty(kRole, static_cast<int>(role)); }

void setAccessibleValue(QWidget* widget, const QString& value) {
    if (widget->property(kValue).toString() == value) return;
    widget->setProperty(kValue, value);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget, value);
        QAccessible::updateAccessibility(&event);
    }
}

void installAccessibleValues() {
    static const bool installed = [] {
        QAccessible::installFactory(marked);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace dorvane
