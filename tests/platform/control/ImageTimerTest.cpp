#include "ControlTestFixture.h"

#include "platform/control/Image.h"
#include "platform/control/Timer.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Resources.h"

namespace {
// A solid bitmap of w x h.
TBitmap SolidBitmap(int w, int h, TColor c) {
    TBitmap b;
    b.SetSize(w, h);
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}
} // namespace

TEST_F(TControlTest, ImageAutoSizeTakesThePictureSizeAndCenterPlacesIt) {
    TForm* form = NewForm();
    form->SetColor(clWhite);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 40, 40);
    TBitmap b = SolidBitmap(20, 10, clRed);
    image->Picture().SetGraphic(&b);
    EXPECT_EQ(image->Width(), 40) << "no auto size yet";
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), TRect(10, 15, 30, 25));
    form->Show();
    Pump();
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {100 + 10 + 20, 100 + 10 + 20}), clRed);
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {100 + 10 + 5, 100 + 10 + 20}), clWhite);

    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 20);
    EXPECT_EQ(image->Height(), 10);
    TBitmap bigger = SolidBitmap(30, 12, clBlue);
    image->Picture().SetGraphic(&bigger);
    EXPECT_EQ(image->BoundsRect(), TRect(10, 10, 40, 22));
}

TEST_F(TControlTest, ImageStretchKeepsProportionsWhenAsked) {
    TForm* form = NewForm();
    auto* image = new TImage(form);
    image->SetBounds(0, 0, 100, 100);
    TBitmap b = SolidBitmap(40, 20, clRed);
    image->Picture().SetGraphic(&b);
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), TRect(0, 0, 100, 100));
    image->SetProportional(true);
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect(), TRect(0, 25, 100, 75));
}

TEST_F(TControlTest, ImageLoadsTheBannerResourceAndIsClicked) {
    TForm* form = NewForm();
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(5, 5, 10, 10);
    image->SetAutoSize(true);
    image->LoadPictureResource("BANNER");
    EXPECT_EQ(image->PictureResource(), "BANNER");
    EXPECT_EQ(image->Width(), 160);
    EXPECT_EQ(image->Height(), 60);
    EXPECT_THROW(image->LoadPictureResource("NO_SUCH_PICTURE"), EResNotFound);
    EXPECT_EQ(image->PictureResource(), "BANNER") << "a failed load keeps the old picture";
    int clicks = 0;
    image->OnClick = [&](TPersistent*) { ++clicks; };
    form->Show();
    Pump();
    Desk->Click({150, 150});
    EXPECT_EQ(clicks, 1);
}

TEST_F(TControlTest, TimerTicksWhileEnabledAtItsInterval) {
    auto* timer = new TTimer(App.get());
    int ticks = 0;
    timer->OnTimer = [&](TPersistent* s) {
        EXPECT_EQ(s, timer);
        ++ticks;
    };
    timer->SetInterval(100);
    Desk->AdvanceTime(99);
    EXPECT_EQ(ticks, 0);
    Desk->AdvanceTime(1);
    EXPECT_EQ(ticks, 1);
    Desk->AdvanceTime(100);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(false);
    EXPECT_FALSE(timer->Running());
    Desk->AdvanceTime(500);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(true);
    timer->SetInterval(0);
    EXPECT_FALSE(timer->Running());
    timer->SetInterval(50);
    Desk->AdvanceTime(50);
    EXPECT_EQ(ticks, 3);
    timer->Free();
    Desk->AdvanceTime(500);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TControlTest, TheControlsCursorShowsOverItAndScreenCursorOverridesIt) {
    TForm* form = NewForm();
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 40, 40);
    image->SetCursor(crHandPoint);
    form->Show();
    Pump();
    Desk->MouseMove({120, 120});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Hand);
    Desk->MouseMove({200, 200});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Arrow);
    Screen->SetCursor(crHourGlass);
    Desk->MouseMove({121, 121});
    EXPECT_EQ(Desk->Cursor(), TCursorShape::Wait);
    Screen->SetCursor(crDefault);
}

TEST_F(TControlTest, ControlCanvasDrawsOutsidePainting) {
    TForm* form = NewForm();
    form->SetColor(clWhite);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(10, 10, 20, 20);
    form->Show();
    Pump();
    TControlCanvas& c = image->Canvas();
    ASSERT_TRUE(c.Lock());
    c.Brush().SetColor(clLime);
    c.FillRect({0, 0, 100, 100}); // clipped to the control
    c.Unlock();
    FlushWindows();
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {115, 115}), clLime);
    EXPECT_EQ(Desk->PixelAt(form->Handle(), {135, 135}), clWhite);
}
