// Every caption of the table and its dialogs fits in a language whose texts run 40 % longer
// than Hungarian (German runs about that much longer): a value is pushed aside by its caption,
// a button's caption stays inside the button, no text leaves its window.
#include "MainWindowFixture.h"

#include "ui/dialogs/Beallit.h"
#include "ui/dialogs/Nevjegy.h"
#include "ui/dialogs/Sugo.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTranslator>

#include <cmath>

namespace {

// Each line of every text 40 % longer, lengthened with its own first letters, so the extra
// runs as wide as the language's letters do; placeholders stay as they are.
class LongerTexts : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        QStringList lines = QString::fromUtf8(source).split(u'\n');
        for (QString& line : lines) {
            QString letters = line;
            letters.remove(QRegularExpression(QStringLiteral("%\\d|[^\\p{L}]")));
            const auto extra = qsizetype(std::ceil(line.size() * 0.4));
            while (!letters.isEmpty() && letters.size() < extra)
                letters += letters;
            line += letters.left(extra);
        }
        return lines.join(u'\n');
    }
    bool isEmpty() const override { return false; }
};

// What does not fit in `window`: a button whose caption is wider than the button, a one-line
// label narrower than its text, a text outside the window, two texts over each other.
QStringList WhatDoesNotFit(const QWidget& window) {
    QStringList faults;
    QList<const QWidget*> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && !label->text().isEmpty()) {
            text = label->text();
            if (!label->wordWrap() && label->sizeHint().width() > label->width())
                faults << QStringLiteral("'%1' is cut short").arg(text);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            text = button->text();
            // A button's caption may take its face up to the frame.
            if (button->fontMetrics().horizontalAdvance(text) + 4 > button->width())
                faults << QStringLiteral("'%1' is wider than its button").arg(text);
        } else {
            continue;
        }
        const QRect at(widget->mapTo(&window, QPoint()), widget->size());
        if (!window.rect().contains(at))
            faults << QStringLiteral("'%1' leaves the window").arg(text);
        for (const QWidget* other : texts)
            if (QRect(other->mapTo(&window, QPoint()), other->size()).intersects(at))
                faults << QStringLiteral("'%1' runs into '%2'")
                              .arg(text, other->property("text").toString());
        texts << widget;
    }
    return faults;
}

class LongerTextsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QCoreApplication::installTranslator(&longer);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&longer);
        MainWindowTest::TearDown();
    }
    LongerTexts longer;
};

TEST_F(LongerTextsTest, EveryCaptionOfTheTableAndItsDialogsFits) {
    Tfrm_Main& w = OpenShown();
    Results().Money2 = -2000000000;
    w.ShowResults();
    Tfrm_Beallit settings(&w);
    Tfrm_Nevjegy about(&w);
    Tfrm_Sugo help(&w);
    for (QWidget* window : std::initializer_list<QWidget*>{&w, &settings, &about, &help}) {
        window->show();
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(WhatDoesNotFit(*window).join(u'\n').toStdString(), "");
    }
    // The picture of it for the documents, where asked for.
    if (const QString folder = qEnvironmentVariable("HUSZONEGY_SHOTS"); !folder.isEmpty())
        w.grab().save(folder + QStringLiteral("/screenshot-longer-texts.png"));
}

} // namespace
