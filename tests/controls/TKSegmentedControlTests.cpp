#include "controls/TKSegmentedControl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

class TKSegmentedControlTest : public ::testing::Test {
protected:
    TKSegmentedControlTest() {
        control.setLabels({"Off", "10 s", "30 s", "1 min"});
        control.resize(400, 24);
        QObject::connect(&control, &TKSegmentedControl::activated,
                         [this](int segment) { activated.push_back(segment); });
        QObject::connect(&control, &TKSegmentedControl::selectedSegmentChanged,
                         [this](int segment) { changed.push_back(segment); });
    }

    void click(QPoint down, QPoint up) {
        QMouseEvent press(QEvent::MouseButtonPress, down, control.mapToGlobal(down), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, up, control.mapToGlobal(up), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &release);
    }

    void key(Qt::Key which) {
        QKeyEvent event(QEvent::KeyPress, which, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &event);
    }

    TKSegmentedControl control;
    std::vector<int> activated;
    std::vector<int> changed;
};

} // namespace

TEST_F(TKSegmentedControlTest, SelectionByIndexClearsForIndexesOutsideTheRow) {
    EXPECT_EQ(control.selectedSegment(), -1);
    control.setSelectedSegment(2);
    EXPECT_EQ(control.selectedSegment(), 2);
    control.setSelectedSegment(4);
    EXPECT_EQ(control.selectedSegment(), -1);
    control.setSelectedSegment(3);
    control.setSelectedSegment(-7);
    EXPECT_EQ(control.selectedSegment(), -1);
    EXPECT_EQ(changed, (std::vector<int>{2, -1, 3, -1}));
    EXPECT_TRUE(activated.empty());
}

TEST_F(TKSegmentedControlTest, ShrinkingTheRowDropsALostSelectionOnly) {
    control.setSelectedSegment(1);
    control.setSegmentCount(2);
    EXPECT_EQ(control.selectedSegment(), 1);
    control.setSegmentCount(1);
    EXPECT_EQ(control.selectedSegment(), -1);
    EXPECT_EQ(control.labelForSegment(0), "Off");
    EXPECT_EQ(control.labelForSegment(1), "");
    control.setLabel("ignored", 5);
    EXPECT_EQ(control.segmentCount(), 1);
}

TEST_F(TKSegmentedControlTest, SegmentsShareTheWidthAndCoverIt) {
    control.resize(402, 24);
    EXPECT_EQ(control.segmentRect(0), QRect(0, 0, 100, 24));
    EXPECT_EQ(control.segmentRect(3).right(), 401);
    EXPECT_EQ(control.segmentAt({401, 10}), 3);
    EXPECT_EQ(control.segmentAt({100, 10}), 1);
    EXPECT_EQ(control.segmentAt({500, 10}), -1);
    EXPECT_TRUE(control.segmentRect(4).isNull());
}

TEST_F(TKSegmentedControlTest, ClickSelectsAndReportsOnlyWhenReleasedOnTheSameSegment) {
    click({150, 10}, {160, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    click({250, 10}, {350, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    control.setEnabled(false, 3);
    click({350, 10}, {350, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    EXPECT_EQ(activated, (std::vector<int>{1}));
}

TEST_F(TKSegmentedControlTest, ArrowKeysStepOverDisabledSegmentsAndStopAtTheEnds) {
    key(Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 0);
    control.setEnabled(false, 1);
    key(Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 2);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 3);
    key(Qt::Key_Left);
    EXPECT_EQ(control.selectedSegment(), 2);
    EXPECT_EQ(activated, (std::vector<int>{0, 2, 3, 2}));
}

TEST_F(TKSegmentedControlTest, DisabledControlIgnoresTheUser) {
    control.QWidget::setEnabled(false);
    click({50, 10}, {50, 10});
    EXPECT_EQ(control.selectedSegment(), -1);
    EXPECT_TRUE(activated.empty());
}
