// The about box's headings read as bold: drawn bold, their strokes are clearly thicker than
// the same heading drawn regular, with Wine's fonts registered as the game registers them.
#include "ui/dialogs/Nevjegy.h"
#include "ui/look/Fonts.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

// Ink of a label's text: how much darker than its background its pixels are, summed.
double Ink(QLabel& label) {
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int background = qGray(image.pixel(0, 0));
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += std::max(0, background - qGray(image.pixel(x, y)));
    return ink;
}

// Bold text of the same size carries at least this much more ink than regular text.
constexpr double BoldInkRatio = 1.3;

struct Heading {
    const char* name;
    QLabel* Tfrm_Nevjegy::*label;
};

class BoldHeading : public ::testing::TestWithParam<Heading> {};

TEST_P(BoldHeading, HasClearlyThickerStrokesThanRegularText) {
    RegisterWindowsFonts();
    Tfrm_Nevjegy box;
    QLabel& heading = *(box.*GetParam().label);
    ASSERT_TRUE(heading.font().bold());
    const double bold = Ink(heading);
    QFont regularFont = heading.font();
    regularFont.setBold(false);
    heading.setFont(regularFont);
    const double regular = Ink(heading);
    EXPECT_GE(bold, regular * BoldInkRatio) << "bold " << bold << ", regular " << regular;
}

INSTANTIATE_TEST_SUITE_P(AboutBox, BoldHeading,
                         ::testing::Values(Heading{"Game", &Tfrm_Nevjegy::Label3},
                                           Heading{"Contact", &Tfrm_Nevjegy::Label2},
                                           Heading{"Product", &Tfrm_Nevjegy::ProductName}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
