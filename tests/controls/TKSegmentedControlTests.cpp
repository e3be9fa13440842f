#include "controls/TKSegmentedControl.h"

#include <QTest>
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
        QTest::mousePress(&control, Qt::LeftButton, {}, down);
        QTest::mouseRelease(&control, Qt::LeftButton, {}, up);
    }

    TKSegmentedControl control;
    std::vector<int> activated;
    std::vector<int> changed;
};

} // namespace

TEST_F(TKSegmentedControlTest, SelectionClearsForIndexesOutsideTheRowAndWhenTheRowShrinks) {
    control.setSelectedSegment(2);
    control.setSelectedSegment(4);
    EXPECT_EQ(control.selectedSegment(), -1);
    control.setSelectedSegment(3);
    control.setSelectedSegment(-7);
    EXPECT_EQ(changed, (std::vector<int>{2, -1, 3, -1}));
    EXPECT_TRUE(activated.empty());

    control.setSelectedSegment(1);
    control.setSegmentCount(2);
    EXPECT_EQ(control.selectedSegment(), 1);
    control.setSegmentCount(1);
    EXPECT_EQ(control.selectedSegment(), -1);
}

TEST_F(TKSegmentedControlTest, SegmentsShareTheWidthAndCoverIt) {
    control.resize(402, 24);
    EXPECT_EQ(control.segmentRect(0), QRect(0, 0, 100, 24));
    EXPECT_EQ(control.segmentRect(3).right(), 401);
    EXPECT_EQ(control.segmentAt({401, 10}), 3);
    EXPECT_EQ(control.segmentAt({100, 10}), 1);
    EXPECT_EQ(control.segmentAt({500, 10}), -1);
}

TEST_F(TKSegmentedControlTest,
       ClickSelectsOnlyWhenReleasedOnTheSameEnabledSegmentOfAnEnabledControl) {
    click({150, 10}, {160, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    click({250, 10}, {350, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    control.setEnabled(false, 3);
    click({350, 10}, {350, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    control.setEnabled(true, 3);
    control.QWidget::setEnabled(false);
    click({350, 10}, {350, 10});
    EXPECT_EQ(control.selectedSegment(), 1);
    EXPECT_EQ(activated, (std::vector<int>{1}));
}

TEST_F(TKSegmentedControlTest, ArrowKeysStepOverDisabledSegmentsAndStopAtTheEnds) {
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 0);
    control.setEnabled(false, 1);
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 2);
    QTest::keyClick(&control, Qt::Key_Right);
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegment(), 3);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.selectedSegment(), 2);
    EXPECT_EQ(activated, (std::vector<int>{0, 2, 3, 2}));
}
