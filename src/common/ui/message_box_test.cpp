#include "common/ui/message_box.h"

#include <vector>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include "common/ui/window_test_support.h"

namespace norvexa {
namespace {

using Box = QMessageBox;

class MessageBoxes : public testing::Test {
  protected:
    ModalAnswerer boxes;
    MessageBoxPrompter prompter;
};

TEST_F(MessageBoxes, ShowTheMessagesTextTitleIconAndButtons) {
    EXPECT_EQ(prompter.ask({"Errore di sintassi: abc", Icon::warning, Buttons::ok, "Attenzione"}), Answer::ok);
    boxes.click_next(Box::No);
    prompter.ask({"Salvare le modifiche?", Icon::critical, Buttons::yes_no_cancel, "Norvexa"});
    boxes.click_next(Box::Yes);
    prompter.ask({"Sovrascrivere?", Icon::information, Buttons::yes_no, "Salva"});
    prompter.ask({"Fine", Icon::none, Buttons::ok, ""});

    ASSERT_EQ(boxes.seen.size(), 4u);
    EXPECT_EQ(boxes.seen[0].text, "Errore di sintassi: abc");
    EXPECT_EQ(boxes.seen[0].title, "Attenzione");
    EXPECT_EQ(boxes.seen[0].icon, Box::Warning);
    EXPECT_EQ(boxes.seen[0].buttons, Box::Ok);
    EXPECT_EQ(boxes.seen[1].icon, Box::Critical);
    EXPECT_EQ(boxes.seen[1].buttons, Box::Yes | Box::No | Box::Cancel);
    EXPECT_EQ(boxes.seen[2].icon, Box::Information);
    EXPECT_EQ(boxes.seen[2].buttons, Box::Yes | Box::No);
    EXPECT_EQ(boxes.seen[3].icon, Box::NoIcon);
    // A message without a title shows the program's name.
    EXPECT_EQ(boxes.seen[3].title, "Norvexa");
}

TEST_F(MessageBoxes, ClickedButtonsGiveTheirAnswers) {
    const std::vector<std::pair<Box::StandardButton, Answer>> three{
        {Box::Yes, Answer::yes}, {Box::No, Answer::no}, {Box::Cancel, Answer::cancel}};
    for (const auto& [button, answer] : three) {
        boxes.click_next(button);
        EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no_cancel, ""}), answer);
    }
    boxes.click_next(Box::Yes);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no, ""}), Answer::yes);
    boxes.click_next(Box::No);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no, ""}), Answer::no);
    EXPECT_EQ(boxes.seen.size(), 5u);
}

TEST_F(MessageBoxes, EscapeCancelsAQuestionAndReturnTakesItsFirstButton) {
    boxes.press_next(Qt::Key_Escape);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no_cancel, ""}), Answer::cancel);
    boxes.press_next(Qt::Key_Escape);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no, ""}), Answer::no);
    boxes.press_next(Qt::Key_Escape);
    EXPECT_EQ(prompter.ask({"Fatto", Icon::none, Buttons::ok, ""}), Answer::ok);
    boxes.press_next(Qt::Key_Return);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no_cancel, ""}), Answer::yes);
    boxes.press_next(Qt::Key_Return);
    EXPECT_EQ(prompter.ask({"Salvare?", Icon::none, Buttons::yes_no, ""}), Answer::yes);
    EXPECT_EQ(boxes.seen.size(), 5u);
}

TEST_F(MessageBoxes, ShowTheTextAsTypedEvenWhenItLooksLikeMarkup) {
    prompter.ask({"Errore di sintassi: <b>12</b>", Icon::warning, Buttons::ok, "Attenzione"});
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Errore di sintassi: <b>12</b>");
    EXPECT_EQ(boxes.seen[0].format, Qt::PlainText);
}

TEST_F(MessageBoxes, ShowTheDetailUnderTheTextAsWritten) {
    const std::string detail = "riga 7 (tb): valore non accettato: <b>1</b> & 2";
    prompter.ask({"File non valido", Icon::critical, Buttons::ok, "Attenzione", detail});
    prompter.ask({"Fine", Icon::none, Buttons::ok, ""});
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].text, "File non valido");
    EXPECT_EQ(QTextDocumentFragment::fromHtml(QString::fromStdString(boxes.seen[0].detail)).toPlainText().toStdString(),
              detail);
    EXPECT_EQ(boxes.seen[1].detail, "");
}

TEST_F(MessageBoxes, AreWideEnoughForTheirWholeTitleAndTheTitleBarButtons) {
    const char* titles[] = {"Attenzione", "Chiusura di Norvexa", "Salva con nome", "Norvexa"};
    for (const char* title : titles) prompter.ask({"Fine", Icon::critical, Buttons::ok, title});
    ASSERT_EQ(boxes.seen.size(), std::size(titles));
    QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (const auto& box : boxes.seen) {
        // The desktop shows the program's name after the title.
        const QString shown = QString::fromStdString(box.title) + " \u2014 " + QGuiApplication::applicationDisplayName();
        EXPECT_GE(box.width, metrics.horizontalAdvance(shown) + 3 * metrics.height()) << box.title;
    }
}

}  // namespace
}  // namespace norvexa
