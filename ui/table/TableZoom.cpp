// The table at its zoom: where a screen's free area is smaller than the table (a large text
// size on a small screen), every position, size, font and picture shrinks together, so the
// layout stays the same and every control can be reached.
#include "ui/table/Main.h"

#include "art/Pictures.h"
#include "art/builtin/BuiltInPictures.h"
#include "bitmap/BitmapLoader.h"
#include "ui/look/Fonts.h"
#include "ui/table/CardPlace.h"
#include "ui/table/DeviceFit.h"
#include "ui/table/TableLayout.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

// The least room between a caption and its value, in table pixels.
constexpr int CaptionGap = 6;
// A button's frame, which a caption does not cover, in pixels.
constexpr int ButtonFrame = 2;
// The smallest letter a deal button's caption takes, in pixels.
constexpr int MinButtonPixels = 6;

// Drawn pictures come in whole multiples of their logical size.
int PictureScale(qreal devicePixelRatio) {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatio)));
}

// A picture drawn at `ratio` times `zoom` shows at `zoom` times its size on the screen.
QPixmap ShownAt(QPixmap drawn, qreal ratio) {
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

} // namespace

void Tfrm_Main::Place(QWidget* widget, const QRect& base, int fontPixels, bool bold) {
    placed_.push_back({widget, base, fontPixels, bold});
    const QRect at = Zoomed(base, zoom_);
    if (base.isEmpty())
        widget->move(at.topLeft());
    else
        widget->setGeometry(at);
    if (fontPixels > 0) {
        widget->setFont(TableFont(std::max(1, qRound(fontPixels * zoom_)), bold));
        // A label is as wide as its text, in the font of the zoom.
        widget->adjustSize();
    }
}

void Tfrm_Main::FitInto(const ScreenArea& area) {
    const qreal zoom = FitZoom(QSize(ClientWidth, ClientHeight), RoomIn(area));
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setFixedSize(Zoomed(QRect(0, 0, ClientWidth, ClientHeight), zoom_).size());
    std::vector<Placed> placed;
    placed.swap(placed_);
    for (const Placed& p : placed)
        Place(p.widget, p.base, p.fontPixels, p.bold);
    KeepValuesBesideCaptions();
    for (CardPlace* place : findChildren<CardPlace*>(Qt::FindDirectChildrenOnly))
        place->SetZoom(zoom_);
    // The name ends before the in-debt mark at its new place.
    ShowStakeAndName();
}

void Tfrm_Main::DrawWindowPictures() {
    const qreal ratio = devicePixelRatioF();
    const qreal drawn = ratio * zoom_;
    felt->setPixmap(ShownAt(FeltPixmap(drawn), ratio));
    const int scale = PictureScale(drawn);
    QPixmap back = QPixmap::fromImage(ApplySeeThrough(CardBackPicture(scale)));
    back.setDevicePixelRatio(scale);
    deck->SetPicture(back);
    const QPixmap debtMark = ShownAt(DebtMarkPixmap(drawn), ratio);
    for (QLabel* mark :
         {seats[Seat::Human].debtMark, seats[Seat::Bank].debtMark, seats[Seat::Vuru].debtMark})
        mark->setPixmap(debtMark);
    const std::pair<QAction*, ButtonPicture> pictures[] = {
        {aBezar, ButtonPicture::Close},      {aTalcara, ButtonPicture::Minimise},
        {aBeallit, ButtonPicture::Settings}, {aNevjegy, ButtonPicture::About},
        {aHonlap, ButtonPicture::Homepage},  {aEredmenyTorol, ButtonPicture::ResetResults}};
    for (const auto& [action, picture] : pictures)
        action->setIcon(QIcon(ShownAt(ButtonPixmap(picture, drawn), ratio)));
    const QSize iconSize = Zoomed(QRect(0, 0, 16, 16), zoom_).size();
    for (QToolButton* button : {resetResultsButton, homepageButton, aboutButton, settingsButton,
                                minimiseButton, closeButton})
        button->setIconSize(iconSize);
    for (QToolButton* button : {newDealButton, oneMoreButton, standButton}) {
        // A language whose caption is longer than the button takes a smaller letter there.
        QFont font = ButtonFont(ratio, zoom_);
        button->setFont(font);
        // The caption may take the button's face to within its frame, as it always has.
        const int room = button->width() - 2 * ButtonFrame;
        while (QFontMetrics(font).horizontalAdvance(button->text()) > room &&
               font.pixelSize() > MinButtonPixels) {
            font.setPixelSize(font.pixelSize() - 1);
            button->setFont(font);
        }
    }
}

void Tfrm_Main::KeepValuesBesideCaptions() {
    // Every value stands where the table puts it, or further right where a caption in a
    // longer language would run into it.
    const int gap = std::max(1, qRound(CaptionGap * zoom_));
    const auto keepBeside = [gap](const QLabel* caption, QLabel* value) {
        const int least = caption->geometry().right() + 1 + gap;
        if (value->x() < least)
            value->move(least, value->y());
    };
    for (const SeatView& seat : seats) {
        keepBeside(seat.totalCaption, seat.total);
        keepBeside(seat.moneyCaption, seat.money);
        keepBeside(seat.wonCaption, seat.won);
    }
    keepBeside(stakeCaption, stake);
}
