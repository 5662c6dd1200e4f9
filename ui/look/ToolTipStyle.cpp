#include "ui/look/ToolTipStyle.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

int ToolTipStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return ToolTipWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void InstallToolTipStyle() {
    if (qobject_cast<ToolTipStyle*>(QApplication::style()))
        return;
    // The application takes ownership of the new style.
    QApplication::setStyle(new ToolTipStyle(QApplication::style()->name()));
}

QString ShortcutText(const QKeySequence& key) {
    if (key.isEmpty())
        return {};
    // The portable form is never translated; only the Return key goes by another name.
    QString text = QKeySequence(key[0]).toString(QKeySequence::PortableText);
    text.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
    return text;
}

QString KeyNames(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& key : keys)
        if (const QString name = ShortcutText(key); !names.contains(name))
            names << name;
    return names.join(QStringLiteral(", "));
}

QString ButtonTipText(const QString& hint, const QKeySequence& key) {
    const QString keyText = ShortcutText(key);
    if (keyText.isEmpty())
        return hint;
    return QStringLiteral("%1 (%2)").arg(hint, keyText);
}

void ButtonTips::ShowTips(QWidget* widget) {
    tipped_.insert(widget);
    widget->installEventFilter(this);
}

void ButtonTips::Silence(QWidget* widget) {
    tipped_.remove(widget);
    widget->installEventFilter(this);
}

bool ButtonTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && tipped_.contains(watched) && !widget->toolTip().isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, widget->rect(),
                           ToolTipShowMs);
    } else {
        QToolTip::hideText();
    }
    return true;
}
