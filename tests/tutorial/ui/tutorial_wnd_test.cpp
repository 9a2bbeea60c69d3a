#include "tutorial/ui/tutorial_wnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "tutorial/core/tutorial.h"

namespace {

class TutorialWndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view.setGeometry(100, 80, 760, 660);
        view.show();
        window = new CTutorialWnd(&view, [this](int code) { sent.push_back(code); });
        window->ShowPage("Tutorial - page 2 of 10", "first\r\n\r\nsecond", true, "Next page --->");
    }
    void TearDown() override { delete window.data(); }

    bool Gone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    QWidget view;
    QPointer<CTutorialWnd> window;
    std::vector<int> sent;
};

}  // namespace

TEST_F(TutorialWndTest, ShowsThePageWithItsCaptionButtonsAndLineBreaks) {
    EXPECT_EQ(window->windowTitle(), "Tutorial - page 2 of 10");
    EXPECT_EQ(window->pageText()->toPlainText(), "first\n\nsecond");
    EXPECT_TRUE(window->pageText()->isReadOnly());
    EXPECT_TRUE(window->previousButton()->isEnabled());
    EXPECT_EQ(window->quitButton()->text(), "Quit tutorial");
    EXPECT_EQ(window->previousButton()->text(), "<--- Previous page");
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);

    window->ShowPage("Tutorial - page 1 of 10", "x", false, "Next page --->");
    EXPECT_FALSE(window->previousButton()->isEnabled());
}

TEST_F(TutorialWndTest, ButtonsAskTheViewAndFocusStartsOnNext) {
    EXPECT_EQ(window->focusWidget(), window->nextButton());
    window->nextButton()->click();
    window->previousButton()->click();
    EXPECT_EQ(sent, (std::vector<int>{TutorialNext, TutorialPrevious}));
    EXPECT_FALSE(Gone());
}

TEST_F(TutorialWndTest, EnterOnTheNextButtonTurnsThePage) {
    QTest::keyClick(window->nextButton(), Qt::Key_Return);
    EXPECT_EQ(sent, (std::vector<int>{TutorialNext}));
}

TEST_F(TutorialWndTest, EnterInTheTextLeavesTheWindowOpen) {
    window->pageText()->setFocus();
    QTest::keyClick(window->pageText(), Qt::Key_Return);
    QTest::keyClick(window->pageText(), Qt::Key_Enter);
    QTest::keyClick(window->pageText(), Qt::Key_Enter, Qt::KeypadModifier);
    window->accept();
    EXPECT_TRUE(sent.empty());
    EXPECT_FALSE(Gone());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TutorialWndTest, EscapeCloseBoxAndQuitEachEndTheTutorialOnce) {
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(sent, (std::vector<int>{TutorialEnded}));
    EXPECT_FALSE(window->isVisible());
    window->close();
    window->quitButton()->click();
    EXPECT_EQ(sent, (std::vector<int>{TutorialEnded}));
    EXPECT_TRUE(Gone());
}
