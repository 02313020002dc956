#include "common/mm_scale.h"

#include "tests/support/recording_print_device.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A device whose font cell never grows, whatever the size.
class StuckFontDevice : public RecordingPrintDevice {
  public:
    int fontHeight() const override { return 10; }
};

// 300 dots per inch across, 600 down.
class TallDotDevice : public RecordingPrintDevice {
  public:
    int dpiX() const override { return 300; }
};

TEST(MmScale, RoundsHalvesToEvenPerAxis) {
    const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},
                                            {3.5, 4},   {2.4999, 2}, {2.5001, 3},
                                            {-2.5, -2}, {-3.5, -4},  {-1.2, -1}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    EXPECT_EQ(roundHalfEven(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);

    EXPECT_EQ(millimetreScale(RecordingPrintDevice(600)).dx, 24);  // 23.62
    EXPECT_EQ(millimetreScale(RecordingPrintDevice(600)).dy, 24);
    EXPECT_EQ(millimetreScale(RecordingPrintDevice(300)).dx, 12);  // 11.81
    EXPECT_EQ(millimetreScale(RecordingPrintDevice(127)).dy, 5);   // exactly 5
    EXPECT_EQ(millimetreScale(RecordingPrintDevice(63)).dx, 2);    // 2.48
}

TEST(MmScale, FitsTheSmallestFontReachingTheHeight) {
    RecordingPrintDevice device(600);
    const MmScale scale = millimetreScale(device);
    // (h - 1) x 24 dots; a size s is round(s x 600 / 72) dots high.
    const std::pair<double, int> cases[] = {
        {5, 12},     // 96 dots: 11 pt is 92, 12 pt 100
        {8, 21},     // 168 dots: 20 pt is 167, 21 pt 175
        {4, 9},      // 72 dots: 8 pt is 67, 9 pt 75
        {4.125, 9},  // exactly 75 dots
        {4.5, 11},   // 84 dots: 10 pt is 83
    };
    for (const auto& [height, size] : cases) {
        EXPECT_EQ(fitFont(device, height, scale), size) << height;
        EXPECT_EQ(device.font().pointSize, size) << height;
    }
    // A height of 1 mm or less, or no scale, gives 3 points.
    for (const double height : {1.0, 0.2})
        EXPECT_EQ(fitFont(device, height, scale), 3);
    device.setFontSize(30);
    EXPECT_EQ(fitFont(device, 10, MmScale{}), 3);
    EXPECT_EQ(device.font().pointSize, 3);
    EXPECT_EQ(device.font().name, QStringLiteral("굴림체"));  // only the size changes

    // The wanted cell height is (h - 1) horizontal dots per millimetre: on a
    // 300 x 600 dpi device 5 mm asks for 48 dots, which 6 pt reach at 600 dpi
    // down (50 dots), not the 96 dots of the vertical scale.
    TallDotDevice tall;
    const MmScale tallScale = millimetreScale(tall);
    EXPECT_EQ(tallScale.dx, 12);
    EXPECT_EQ(tallScale.dy, 24);
    EXPECT_EQ(fitFont(tall, 5, tallScale), 6);

    StuckFontDevice stuck;
    EXPECT_EQ(fitFont(stuck, 50, scale), 1000);
}

}  // namespace
