#pragma once
// Tool tips as the table's small buttons show them: after half a second, for two and a half
// seconds, and on no other control.

#include <QKeySequence>
#include <QObject>
#include <QProxyStyle>
#include <QSet>
#include <QString>

class QWidget;

inline constexpr int ToolTipWakeUpMs = 500;
inline constexpr int ToolTipShowMs = 2500;

// Wraps the desktop's style, changing only how soon a tip appears.
class ToolTipStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Puts ToolTipStyle over the application's current style.
void InstallToolTipStyle();

// "Alt+Enter", "Esc", "F2": the key of a shortcut the way the tips name it.
QString ShortcutText(const QKeySequence& key);

// "F2, Ctrl+N", "Alt+Enter": the keys of an action as the help names them, each once (the
// main and the keypad's Enter are one key to a player).
QString KeyNames(const QList<QKeySequence>& keys);

// The tip of a button bound to an action: its hint, plus " (key)" when it has a key.
QString ButtonTipText(const QString& hint, const QKeySequence& key);

// Event filter for buttons: shows the widget's tool tip for ToolTipShowMs on the buttons
// that were given one, and swallows tip requests on every other watched widget.
class ButtonTips : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void ShowTips(QWidget* widget);
    void Silence(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<const QObject*> tipped_;
};
