#include "SceneFixture.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Advances like the scene does for the given number of frames and returns
// the total angle turned, counting every crossing of a full turn.
double totalTurned(float& degrees, float speed, int direction, long frames) {
    double turned = 0.0;
    for (long frame = 0; frame < frames; ++frame) {
        const float next = Scene::advanceRotation(degrees, speed, direction);
        double step = static_cast<double>(next) - degrees;
        if (step > 180.0) {
            step -= 360.0;
        } else if (step < -180.0) {
            step += 360.0;
        }
        turned += step;
        degrees = next;
    }
    return turned;
}
} // namespace

TEST(RotationStep, IsATenthOfTheSpeedPerFrameInTheDirection) {
    EXPECT_EQ(Scene::advanceRotation(10.0f, 0.0f, 1), 10.0f);
    EXPECT_EQ(Scene::advanceRotation(10.0f, 0.0f, -1), 10.0f);
    EXPECT_FLOAT_EQ(Scene::advanceRotation(10.0f, 2.0f, 1), 10.2f);
    EXPECT_FLOAT_EQ(Scene::advanceRotation(10.0f, 2.0f, -1), 9.8f);
    // A negative speed typed into the slider turns the other way.
    EXPECT_FLOAT_EQ(Scene::advanceRotation(10.0f, -1.0f, 1), 9.9f);
    EXPECT_FLOAT_EQ(Scene::advanceRotation(10.0f, -1.0f, -1), 10.1f);
}

TEST(RotationStep, StaysWithinAFullTurnEitherWayWithoutChangingTheAngleItStandsFor) {
    EXPECT_FLOAT_EQ(Scene::advanceRotation(300.0f, 2.0f, 1), 300.2f);
    EXPECT_FLOAT_EQ(Scene::advanceRotation(-300.0f, 2.0f, -1), -300.2f);
    EXPECT_NEAR(Scene::advanceRotation(359.9f, 2.0f, 1), 0.1f, 1e-4);
    EXPECT_NEAR(Scene::advanceRotation(-359.9f, 2.0f, -1), -0.1f, 1e-4);
    EXPECT_EQ(Scene::advanceRotation(350.0f, 100.0f, 1), 0.0f);

    // However large the typed speed, the angle stays a finite angle.
    for (const float speed : {FLT_MAX, -FLT_MAX, 1e30f, 123456.7f}) {
        const float next = Scene::advanceRotation(45.0f, speed, 1);
        EXPECT_TRUE(std::isfinite(next)) << speed;
        EXPECT_GT(next, -360.0f) << speed;
        EXPECT_LT(next, 360.0f) << speed;
    }
    EXPECT_NEAR(Scene::advanceRotation(0.0f, 7200.0f, 1), 0.0f, 1e-3);
    EXPECT_NEAR(Scene::advanceRotation(0.0f, 3650.0f, 1), 5.0f, 1e-3);
}

TEST(RotationStep, ANonFiniteSpeedLeavesTheAngleWhereItIs) {
    for (const float speed : {kNaN, kInfinity, -kInfinity}) {
        for (const int direction : {1, -1}) {
            EXPECT_EQ(Scene::advanceRotation(30.0f, speed, direction), 30.0f) << speed;
        }
    }
    float degrees = Scene::advanceRotation(30.0f, kNaN, 1);
    degrees = Scene::advanceRotation(degrees, 1.0f, 1);
    EXPECT_FLOAT_EQ(degrees, 30.1f);
}

// Twenty million frames at the slider's top speed: four million degrees. An
// angle left to grow would by then have lost the step to rounding and stand
// still; kept within a turn it keeps every step.
TEST(RotationStep, KeepsEveryStepThroughAVeryLongRun) {
    for (const int direction : {1, -1}) {
        float degrees = 0.0f;
        const double turned = totalTurned(degrees, 2.0f, direction, 20000000L);
        EXPECT_TRUE(std::isfinite(degrees));
        EXPECT_GT(degrees, -360.0f);
        EXPECT_LT(degrees, 360.0f);
        EXPECT_NEAR(turned, direction * 4.0e6, 4.0e6 * 1e-4);

        float later = degrees;
        const double lastSteps = totalTurned(later, 2.0f, direction, 10);
        EXPECT_NEAR(lastSteps, direction * 2.0, 1e-3);
    }
}

namespace {
struct Motion {
    float speed;
    int direction;
    int frames;
    double degrees;
};

void PrintTo(const Motion& motion, std::ostream* out) {
    *out << "speed " << motion.speed << ", direction " << motion.direction << ", " << motion.frames
         << " frames";
}

class SceneTurning : public SceneOnScreen, public ::testing::WithParamInterface<Motion> {};

std::string motionName(const ::testing::TestParamInfo<Motion>& info) {
    const char* names[] = {"FastForward", "SlowBackward", "TypedNegativeSpeed"};
    return names[info.index];
}
} // namespace

TEST_P(SceneTurning, TurnsByTheStepOfEachFrame) {
    const Motion motion = GetParam();
    SceneTestAccess::setRotationSpeed(*scene, motion.speed);
    SceneTestAccess::setDirection(*scene, motion.direction);
    renderFrames(motion.frames);

    EXPECT_NEAR(scene->getRotationDegrees(), motion.degrees, 0.01);
    Picture picture = expectedPicture();
    picture.angleDegrees = motion.degrees;
    expectShows(picture);
}

INSTANTIATE_TEST_SUITE_P(SpeedsAndDirections, SceneTurning,
                         ::testing::Values(Motion{2.0f, 1, 150, 30.0}, Motion{1.0f, -1, 450, -45.0},
                                           Motion{-1.5f, 1, 200, -30.0}),
                         motionName);

TEST_F(SceneOnScreen, TurnsOnThroughAFullTurnAndAfterAVeryLongRun) {
    SceneTestAccess::setRotationDegrees(*scene, 350.0f);
    SceneTestAccess::setRotationSpeed(*scene, 2.0f);
    renderFrames(100);
    EXPECT_NEAR(scene->getRotationDegrees(), 10.0, 0.01);
    Picture picture = expectedPicture();
    picture.angleDegrees = 370.0;
    expectShows(picture);

    float degrees = 0.0f;
    totalTurned(degrees, 2.0f, 1, 20000000L);
    SceneTestAccess::setRotationDegrees(*scene, degrees);
    renderFrames(150);
    const double expected = std::fmod(degrees + 30.0, 360.0);
    EXPECT_NEAR(std::fmod(scene->getRotationDegrees() + 360.0, 360.0), expected, 0.01);
    picture.angleDegrees = expected;
    expectShows(picture);
}

TEST_F(SceneOnScreen, ANonFiniteSpeedNeitherHidesNorStopsTheTriangleForGood) {
    SceneTestAccess::setRotationDegrees(*scene, 20.0f);
    for (const float speed : {kNaN, kInfinity, -kInfinity}) {
        SceneTestAccess::setRotationSpeed(*scene, speed);
        renderFrames(5);
        EXPECT_EQ(scene->getRotationDegrees(), 20.0f);
    }
    expectShows(expectedPicture());

    SceneTestAccess::setRotationSpeed(*scene, 2.0f);
    renderFrames(50);
    EXPECT_NEAR(scene->getRotationDegrees(), 30.0, 0.01);
    expectShows(expectedPicture());
}
