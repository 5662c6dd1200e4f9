// The drawn pictures: sizes at every ratio, clean see-through corners on the cards,
// and the colours the table relies on.
#include "art/Pictures.h"
#include "art/builtin/BuiltInPictures.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <set>
#include <vector>

namespace {

constexpr QRgb Magenta = 0xFFFF00FFu;

std::vector<CardCode> EveryCard() {
    std::vector<CardCode> cards;
    for (char suit = '1'; suit <= '4'; ++suit)
        for (char rank = '1'; rank <= '8'; ++rank)
            cards.push_back({suit, rank});
    return cards;
}

// Magenta belongs only in the four corner squares, and the corners themselves are magenta.
void ExpectCleanSeeThrough(const QImage& card, int scale) {
    const int corner = 6 * scale;
    const int w = card.width(), h = card.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(card.pixel(p), Magenta) << "corner " << p.x() << "," << p.y();
    int stray = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inCorner =
                (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
            if (!inCorner && card.pixel(x, y) == Magenta)
                ++stray;
        }
    EXPECT_EQ(stray, 0) << "magenta inside the card would show the table through it";
}

TEST(Pictures, TheStartShowsWhatItWouldDrawWhetherBuiltInOrDrawn) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        EXPECT_EQ(FeltPixmap(ratio).toImage(), BackgroundPicture(ratio).toImage());
        EXPECT_EQ(FeltPixmap(ratio).devicePixelRatio(), ratio);
        EXPECT_EQ(CardBackPicture(std::ceil(ratio)), CardBackImage(std::ceil(ratio)));
        EXPECT_EQ(DebtMarkPixmap(ratio).toImage(), DebtMarkPicture(ratio).toImage());
        for (int button = 0; button < 6; ++button) {
            const auto which = static_cast<ButtonPicture>(button);
            EXPECT_EQ(ButtonPixmap(which, ratio).toImage(),
                      ButtonPicturePixmap(which, ratio).toImage());
        }
    }
    for (const int size : {16, 32, 48, 64})
        EXPECT_EQ(IconPicture(size), AcornIcon(size)) << size;
}

TEST(Pictures, EveryPictureHasItsSizeAtEveryRatio) {
    for (const int ratio : {1, 2, 3}) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const struct {
            const char* name;
            QPixmap picture;
            QSize logical;
        } cases[] = {
            {"background", BackgroundPicture(ratio), {512, 516}},
            {"debt mark", DebtMarkPicture(ratio), {64, 64}},
            {"close", ButtonPicturePixmap(ButtonPicture::Close, ratio), {16, 16}},
            {"reset", ButtonPicturePixmap(ButtonPicture::ResetResults, ratio), {16, 16}},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(c.picture.size(), c.logical * ratio);
            EXPECT_EQ(c.picture.devicePixelRatio(), ratio);
        }
        EXPECT_EQ(CardBackImage(ratio).size(), QSize(76, 124) * ratio);
        EXPECT_EQ(CardFaceImage({'4', '8'}, ratio).size(), QSize(76, 124) * ratio);
    }
    for (const int size : {16, 32, 48, 256})
        EXPECT_EQ(AcornIcon(size).size(), QSize(size, size));
}

TEST(Pictures, CardsHaveSeeThroughCornersAndNoMagentaInside) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale);
        {
            SCOPED_TRACE("back");
            ExpectCleanSeeThrough(CardBackImage(scale), scale);
        }
        for (const CardCode& card : EveryCard()) {
            SCOPED_TRACE(card.Text());
            ExpectCleanSeeThrough(CardFaceImage(card, scale), scale);
        }
    }
}

TEST(Pictures, EveryFaceIsDifferent) {
    std::set<QByteArray> seen;
    for (const CardCode& card : EveryCard()) {
        const QImage face = CardFaceImage(card, 1);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
        EXPECT_TRUE(seen.insert(hash.result()).second) << card.Text() << " repeats another card";
    }
}

TEST(Pictures, CardBackReadsTheSameFromEitherEnd) {
    for (const int scale : {1, 2}) {
        const QImage back = CardBackImage(scale);
        for (int y = 0; y < back.height() / 2; ++y)
            for (int x = 0; x < back.width(); ++x)
                ASSERT_EQ(back.pixel(x, y), back.pixel(x, back.height() - 1 - y))
                    << "scale " << scale << " at " << x << "," << y;
    }
}

TEST(Pictures, CardBackPatternIsBlueGrey) {
    const QImage back = CardBackImage(1);
    long long red = 0, green = 0, blue = 0, count = 0;
    for (int y = 6; y < 118; ++y)
        for (int x = 6; x < 70; ++x) {
            const QRgb p = back.pixel(x, y);
            red += qRed(p);
            green += qGreen(p);
            blue += qBlue(p);
            ++count;
        }
    EXPECT_NEAR(red / count, 0x95, 16);
    EXPECT_NEAR(green / count, 0x9E, 16);
    EXPECT_NEAR(blue / count, 0xAB, 16);
    EXPECT_EQ(back.pixel(0, 62), qRgb(0x17, 0x17, 0x17)) << "outline";
    EXPECT_EQ(back.pixel(1, 62), qRgb(0xE9, 0xE9, 0xE9)) << "inner line";
}

TEST(Pictures, BackgroundHasItsBevelAndBaize) {
    for (const int ratio : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const QImage table = BackgroundPicture(ratio).toImage();
        const QRgb rings[] = {qRgb(0xAB, 0xD0, 0x8F), qRgb(0x7E, 0xB8, 0x72),
                              qRgb(0x33, 0x90, 0x43)};
        const int w = table.width(), h = table.height();
        for (int i = 0; i < 3 * ratio; ++i) {
            const QRgb ring = rings[i / ratio];
            EXPECT_EQ(table.pixel(i, h / 2), ring) << "left " << i;
            EXPECT_EQ(table.pixel(w - 1 - i, h / 2), ring) << "right " << i;
            EXPECT_EQ(table.pixel(w / 2, i), ring) << "top " << i;
            EXPECT_EQ(table.pixel(w / 3, h - 1 - i), ring) << "bottom " << i;
        }
        // A patch of bare cloth at the lower left.
        long long green = 0, count = 0;
        for (int y = 380 * ratio; y < 410 * ratio; ++y)
            for (int x = 300 * ratio; x < 360 * ratio; ++x) {
                const QRgb p = table.pixel(x, y);
                ASSERT_LE(qRed(p), 0x10);
                ASSERT_GE(qGreen(p), 0x60);
                ASSERT_LE(qGreen(p), 0x88);
                ASSERT_GE(qBlue(p), 0x18);
                ASSERT_LE(qBlue(p), 0x30);
                green += qGreen(p);
                ++count;
            }
        EXPECT_NEAR(green / count, 0x77, 3);
    }
    EXPECT_EQ(BackgroundPicture(1).toImage(), BackgroundPicture(1).toImage())
        << "the cloth must not change between runs";
}

TEST(Pictures, SmallPicturesAreSeeThroughAroundTheirDrawing) {
    std::vector<std::pair<const char*, QImage>> cases = {
        {"debt mark", DebtMarkPicture(1).toImage()}, {"icon", AcornIcon(32)}};
    for (int i = 0; i < 6; ++i)
        cases.emplace_back("button",
                           ButtonPicturePixmap(static_cast<ButtonPicture>(i), 2).toImage());
    for (const auto& [name, image] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, image.width() * image.height() / 10) << "nearly nothing drawn";
    }
}

TEST(Pictures, AcornIsGoldOnTheLeftAndRedBrownOnTheRight) {
    const QImage icon = AcornIcon(64);
    const QRgb left = icon.pixel(20, 28), right = icon.pixel(44, 28);
    EXPECT_GT(qGreen(left), 150) << "gold half";
    EXPECT_LT(qGreen(right), 60) << "red-brown half";
    EXPECT_GT(qRed(right), 100);
}

} // namespace
