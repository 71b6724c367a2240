#include "SceneFixture.h"

#include <cmath>

TEST_F(SceneOnScreen, StartsStillWithEachVertexInItsColourOverTheClearColour) {
    renderFrames(30);
    EXPECT_EQ(scene->getRotationDegrees(), 0.0f);

    Picture picture = expectedPicture();
    EXPECT_EQ(picture.angleDegrees, 0.0);
    expectShows(picture);

    // The same, spelled out: the blue-grey corners, red bottom left, green
    // bottom right, blue at the top, and a grey mix in the middle.
    X11Driver x11;
    const X11Driver::Rgb corner = x11.pixel(1279, 719);
    EXPECT_NEAR(corner.r, 115, 1);
    EXPECT_NEAR(corner.g, 140, 1);
    EXPECT_NEAR(corner.b, 153, 1);
    EXPECT_GT(x11.pixel(150, 640).r, 230);
    EXPECT_GT(x11.pixel(1130, 640).g, 230);
    EXPECT_GT(x11.pixel(640, 90).b, 230);
    const X11Driver::Rgb middle = x11.pixel(640, 456);
    EXPECT_NEAR(middle.r, 85, 4);
    EXPECT_NEAR(middle.g, 85, 4);
    EXPECT_NEAR(middle.b, 85, 4);
}

TEST_F(SceneOnScreen, AVertexColourEditShowsInTheNextFrameAndItsAlphaIsIgnored) {
    renderFrames(3);
    SceneTestAccess::vertexColor(*scene, 0) = ImVec4(1.0f, 1.0f, 0.0f, 0.0f);
    SceneTestAccess::vertexColor(*scene, 1) = ImVec4(0.0f, 0.5f, 1.0f, 0.25f);
    SceneTestAccess::vertexColor(*scene, 2) = ImVec4(1.0f, 0.0f, 1.0f, 1.0f);
    renderFrames(1);

    Picture picture = expectedPicture();
    expectShows(picture);
}

TEST_F(SceneOnScreen, ClearsToTheClearColourWithItsAlphaUnchanged) {
    SceneTestAccess::clearColor(*scene) = ImVec4(0.2f, 0.3f, 0.4f, 0.5f);
    g_frameRecord.recording = true;
    renderFrames(1);
    g_frameRecord.recording = false;

    EXPECT_EQ(g_frameRecord.renderPasses, 1);
    EXPECT_EQ(g_frameRecord.clearValue.r, static_cast<double>(0.2f));
    EXPECT_EQ(g_frameRecord.clearValue.g, static_cast<double>(0.3f));
    EXPECT_EQ(g_frameRecord.clearValue.b, static_cast<double>(0.4f));
    EXPECT_EQ(g_frameRecord.clearValue.a, static_cast<double>(0.5f));
    // The window itself is opaque: only red, green and blue show.
    expectShows(expectedPicture());
}

// The device rejects a clear value that is not made of numbers, so such a
// component (the panel lets one be typed) clears as 0; any finite value,
// however far out of range, reaches the device as it is.
TEST_F(SceneOnScreen, ClearsAComponentThatIsNoNumberAs0AndPassesFiniteOnesUnchanged) {
    const float nan = std::nanf("");
    const float infinity = HUGE_VALF;
    SceneTestAccess::clearColor(*scene) = ImVec4(infinity, nan, -infinity, nan);
    g_frameRecord.recording = true;
    renderFrames(1);
    EXPECT_EQ(g_frameRecord.clearValue.r, 0.0);
    EXPECT_EQ(g_frameRecord.clearValue.g, 0.0);
    EXPECT_EQ(g_frameRecord.clearValue.b, 0.0);
    EXPECT_EQ(g_frameRecord.clearValue.a, 0.0);
    Picture picture = expectedPicture();
    picture.clear = ImVec4(0.0f, 0.0f, 0.0f, 0.0f);
    expectShows(picture);

    SceneTestAccess::clearColor(*scene) = ImVec4(2.0f, -1.0f, 1e30f, -0.5f);
    renderFrames(1);
    g_frameRecord.recording = false;
    EXPECT_EQ(g_frameRecord.clearValue.r, 2.0);
    EXPECT_EQ(g_frameRecord.clearValue.g, -1.0);
    EXPECT_EQ(g_frameRecord.clearValue.b, static_cast<double>(1e30f));
    EXPECT_EQ(g_frameRecord.clearValue.a, -0.5);
    picture.clear = ImVec4(1.0f, 0.0f, 1.0f, 1.0f);
    expectShows(picture);
}
