// The size boxes of a new location and the estimate beside them: the rules
// applied when a box is left, and the data volume's rounding and writing.
#include "driving.h"
#include "manager_world.h"

#include "managers/frm_manager_location.h"
#include "managers/size_info.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

using namespace managers_testing;

namespace {

struct Estimate {
    int width;
    int height;
    std::int32_t cells;
    const char* volume;
};

void PrintTo(const Estimate& e, std::ostream* os) {
    *os << e.width << " x " << e.height;
}

class DataVolume : public testing::TestWithParam<Estimate> {};

TEST_P(DataVolume, IsRoundedToTwoDecimalsHalfToEvenAndWrittenInShortestForm) {
    const Estimate& e = GetParam();
    const managers::SizeInfo info = managers::sizeInfo(e.width, e.height, QLocale::c());
    EXPECT_EQ(info.cells, e.cells);
    EXPECT_EQ(info.pixelWidth, e.width * 32);
    EXPECT_EQ(info.pixelHeight, e.height * 32);
    EXPECT_EQ(info.dataVolume.toStdString(), e.volume);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DataVolume,
    testing::Values(Estimate{120, 120, 14400, "112.5 Kb"},  // 112.5
                    Estimate{121, 128, 15488, "121 Kb"},    // whole: no decimals
                    Estimate{120, 122, 14640, "114.38 Kb"}, // 114.375: tie, up to even
                    Estimate{120, 126, 15120, "118.12 Kb"}, // 118.125: tie, down to even
                    Estimate{123, 125, 15375, "120.12 Kb"}, // 120.1171875
                    Estimate{9999, 9999, 99980001, "781093.76 Kb"}));

TEST(DataVolumeSeparator, IsTheLocalesDecimalSeparator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(managers::sizeInfo(120, 120, german).dataVolume, QStringLiteral("112,5 Kb"));
}

TEST(SizeBoxRule, EmptyOrBelow120Becomes120AndAnythingElseStays) {
    EXPECT_EQ(managers::normalizedSide(""), "120");
    EXPECT_EQ(managers::normalizedSide("0"), "120");
    EXPECT_EQ(managers::normalizedSide("119"), "120");
    EXPECT_EQ(managers::normalizedSide("120"), "120");
    EXPECT_EQ(managers::normalizedSide("0121"), "0121") << "the text stands as typed";
    EXPECT_EQ(managers::normalizedSide("9999"), "9999");
}

class SizeBoxes : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Runs `inside` in the create view with the window active, so that focus
    // moves as it would under a designer's hands.
    void inCreateView(const std::function<void()>& inside) {
        whileShown(window, [&] {
            window.Frame1[0]->setVisible(false);
            window.Frame1[1]->setVisible(true);
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            inside();
        });
    }

    ManagerWorld world;
    frmManagerLocation window{&world.mainWindow, *world.canvas};
};

TEST_F(SizeBoxes, LeavingThemRaisesSmallAndEmptySizesAndUpdatesTheEstimate) {
    inCreateView([&] {
        window.txtNewMapWidth->setFocus();
        retype(window.txtNewMapWidth, "50");
        window.txtNewMapHeight->setFocus();
        EXPECT_EQ(window.txtNewMapWidth->text(), "120");
        retype(window.txtNewMapHeight, "");
        window.txtLocationName->setFocus();
        EXPECT_EQ(window.txtNewMapHeight->text(), "120");
        EXPECT_EQ(window.txtCellsCount->text(), "14400");
        EXPECT_EQ(window.txtBufferLength->text(), "112.5 Kb");

        window.txtNewMapWidth->setFocus();
        retype(window.txtNewMapWidth, "121");
        window.txtNewMapHeight->setFocus();
        retype(window.txtNewMapHeight, "128");
        window.txtLocationName->setFocus();
        EXPECT_EQ(window.txtCellsCount->text(), "15488");
        EXPECT_EQ(window.txtPixelWidth->text(), "3872");
        EXPECT_EQ(window.txtPixelHeight->text(), "4096");
        EXPECT_EQ(window.txtBufferLength->text(), "121 Kb");
    });
}

TEST_F(SizeBoxes, TheEstimateIsThereWhenTheWindowOpens) {
    inCreateView([&] {
        EXPECT_EQ(window.txtCellsCount->text(), "14400");
        EXPECT_EQ(window.txtPixelWidth->text(), "3840");
        EXPECT_EQ(window.txtPixelHeight->text(), "3840");
        EXPECT_EQ(window.txtBufferLength->text(), "112.5 Kb");
    });
}

TEST_F(SizeBoxes, TakeDigitsOnlyAndAtMostFour) {
    inCreateView([&] {
        retype(window.txtNewMapWidth, "1a2-3.45");
        EXPECT_EQ(window.txtNewMapWidth->text(), "1234");
    });
}

TEST_F(SizeBoxes, BackspaceInAnEmptyBoxMakesItOneAndLeavingRaisesItTo120) {
    inCreateView([&] {
        window.txtNewMapWidth->setFocus();
        retype(window.txtNewMapWidth, "");
        ASSERT_TRUE(window.txtNewMapWidth->text().isEmpty());
        QTest::keyClick(window.txtNewMapWidth, Qt::Key_Backspace);
        EXPECT_EQ(window.txtNewMapWidth->text(), "1");
        window.txtNewMapHeight->setFocus();
        EXPECT_EQ(window.txtNewMapWidth->text(), "120");
    });
}

} // namespace
