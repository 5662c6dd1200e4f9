// The text a screen reader asks of a settings field, piece by piece: every question is
// answered, none hangs the game, and the answers are the ones Qt's own field gives.
#include "ui/speech/LineEditAccessibility.h"
#include "ui/speech/TableAccessibility.h"

#include <QAccessible>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Ask { At, Before, After };

const std::pair<QAccessible::TextBoundaryType, const char*> Boundaries[] = {
    {QAccessible::CharBoundary, "char"},         {QAccessible::WordBoundary, "word"},
    {QAccessible::SentenceBoundary, "sentence"}, {QAccessible::ParagraphBoundary, "paragraph"},
    {QAccessible::LineBoundary, "line"},         {QAccessible::NoBoundary, "whole"},
};

const std::pair<Ask, const char*> Asks[] = {
    {Ask::At, "at"}, {Ask::Before, "before"}, {Ask::After, "after"}};

// One question as the report names it, for example "at word 7 of 'Tarvesz'".
std::string Question(const char* ask, const char* boundary, int offset, const QString& text) {
    return std::string(ask) + " " + boundary + " " + std::to_string(offset) + " of '" +
           text.toStdString() + "'";
}

struct Answer {
    int start = -2, end = -2;
    std::string text;
    bool operator==(const Answer&) const = default;
};

void PrintTo(const Answer& a, std::ostream* out) {
    *out << a.start << ".." << a.end << " '" << a.text << "'";
}

struct Asked {
    std::map<std::string, Answer> answers;
    std::string hungAt; // empty when every question was answered
};

// Asks every question about each text, the offset just past the end included, in a child
// process the alarm ends: a question that never returns fails the test instead of hanging it.
Asked AskEverything(const QStringList& texts) {
    InstallTableAccessibility();
    QLineEdit edit;
    std::unique_ptr<FILE, int (*)(FILE*)> log(std::tmpfile(), &std::fclose);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(30);
        for (const QString& text : texts) {
            edit.setText(text);
            QAccessibleTextInterface* face =
                QAccessible::queryAccessibleInterface(&edit)->textInterface();
            for (const auto& [ask, askName] : Asks)
                for (const auto& [boundary, boundaryName] : Boundaries)
                    // -1 stands for the end of the text.
                    for (int offset = -1; offset <= text.size() + 1; ++offset) {
                        // Written before asking, so a hang leaves the question behind.
                        std::fprintf(log.get(), "%s|",
                                     Question(askName, boundaryName, offset, text).c_str());
                        std::fflush(log.get());
                        int start = -2, end = -2;
                        const QString said =
                            ask == Ask::At ? face->textAtOffset(offset, boundary, &start, &end)
                            : ask == Ask::Before
                                ? face->textBeforeOffset(offset, boundary, &start, &end)
                                : face->textAfterOffset(offset, boundary, &start, &end);
                        std::fprintf(log.get(), "%d|%d|%s\n", start, end,
                                     said.toUtf8().constData());
                        std::fflush(log.get());
                    }
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Asked asked;
    std::rewind(log.get());
    char line[512];
    while (std::fgets(line, sizeof line, log.get())) {
        const QStringList parts = QString::fromUtf8(line).chopped(1).split(QLatin1Char('|'));
        if (parts.size() == 4)
            asked.answers[parts[0].toStdString()] = {parts[1].toInt(), parts[2].toInt(),
                                                     parts[3].toStdString()};
        else
            asked.hungAt = QString::fromUtf8(line).section(QLatin1Char('|'), 0, 0).toStdString();
    }
    if (asked.hungAt.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        asked.hungAt = "after the last question";
    return asked;
}

// The game's own texts, an empty field, spaces and stops at either end and inside, and
// letters outside ASCII.
class FieldTextForScreenReaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        asked = new Asked(AskEverything({QStringLiteral("Tarvesz"), QString(), QStringLiteral("50"),
                                         QStringLiteral("a b "), QStringLiteral(" x"),
                                         QStringLiteral("  "), QStringLiteral(". a"),
                                         QStringLiteral("Hi. Yo."), QStringLiteral("Ádám  Éva")}));
    }
    static void TearDownTestSuite() {
        delete asked;
        asked = nullptr;
    }
    static inline Asked* asked = nullptr;
};

TEST_F(FieldTextForScreenReaders, EveryPieceOfEveryTextIsAnsweredAndIsThatPieceOfTheText) {
    ASSERT_EQ(asked->hungAt, "") << "a screen reader's question hung the game";
    for (const auto& [question, answer] : asked->answers) {
        SCOPED_TRACE(question);
        const QString text = QString::fromStdString(question).section(QLatin1Char('\''), 1, 1);
        if (answer.start >= 0 && answer.start <= answer.end && answer.end <= text.size())
            EXPECT_EQ(answer.text, text.mid(answer.start, answer.end - answer.start).toStdString());
        else
            EXPECT_EQ(answer.text, "");
    }
}

struct Expected {
    const char* ask;
    const char* boundary;
    int offset;
    const char* text;
    Answer answer;
};

// Qt 6.4's own field gives the first answers; it never returns from the word or sentence at the
// end of a text, nor from the word at the start of one that opens with a space or a stop.
// There the piece runs, as everywhere else, from the nearest edge of a word or sentence at or
// before the offset to the next: nothing at the very end.
TEST_F(FieldTextForScreenReaders, AnswersAsQtDoesAndEndsWhereQtHangs) {
    const Expected expected[] = {
        {"at", "char", 6, "Tarvesz", {6, 7, "z"}},
        {"at", "char", 7, "Tarvesz", {-1, -1, ""}},
        {"at", "word", 3, "Tarvesz", {0, 7, "Tarvesz"}},
        {"at", "sentence", 0, "Tarvesz", {0, 7, "Tarvesz"}},
        {"at", "line", 7, "Tarvesz", {0, 7, "Tarvesz"}},
        {"at", "word", 4, "a b ", {3, 4, " "}},
        {"at", "word", 1, " x", {1, 2, "x"}},
        {"at", "word", 2, "Hi. Yo.", {2, 4, ". "}},
        {"at", "sentence", 5, "Hi. Yo.", {4, 7, "Yo."}},
        {"at", "word", 8, "Tarvesz", {-1, -1, ""}},
        {"at", "word", 0, "", {-1, -1, ""}},
        {"before", "word", 7, "Tarvesz", {0, 7, "Tarvesz"}},
        {"before", "char", -1, "50", {1, 2, "0"}},
        {"after", "word", 0, "a b ", {1, 2, " "}},
        {"after", "sentence", 0, "Hi. Yo.", {4, 7, "Yo."}},
        // Where Qt's own field hangs.
        {"at", "word", 7, "Tarvesz", {7, 7, ""}},
        {"at", "word", -1, "Tarvesz", {7, 7, ""}},
        {"at", "sentence", 7, "Tarvesz", {7, 7, ""}},
        {"at", "word", 2, "50", {2, 2, ""}},
        {"at", "sentence", 4, "a b ", {4, 4, ""}},
        {"at", "word", 0, " x", {0, 1, " "}},
        {"at", "sentence", 7, "Hi. Yo.", {7, 7, ""}},
        {"at", "word", 0, "  ", {0, 2, "  "}},
        {"at", "word", 0, ". a", {0, 2, ". "}},
        {"at", "word", 9, "Ádám  Éva", {9, 9, ""}},
    };
    ASSERT_EQ(asked->hungAt, "") << "a screen reader's question hung the game";
    for (const Expected& e : expected) {
        const std::string question =
            Question(e.ask, e.boundary, e.offset, QString::fromUtf8(e.text));
        ASSERT_TRUE(asked->answers.count(question)) << question;
        EXPECT_EQ(asked->answers.at(question), e.answer) << question;
    }
}

} // namespace
