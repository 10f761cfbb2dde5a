#include <gtest/gtest.h>

#include "core/fading.h"

// Gestures as (start, end) in ms with the phrase each joins, the opacity of
// the first phrase at given times with a hold of 3 s: a gesture that starts
// within 1.5 s of the end of the previous one joins its phrase and postpones
// its fading, also while it is still being drawn.
TEST(FadingInk, PhrasesJoinWithinTheirPauseAndFadeAfterTheHold) {
    ForgetAllPhrases();
    const int64_t gestures[][3] = {{0, 400, 1}, {1900, 2300, 1}, {3700, 9000, 1}, {10600, 10700, 2}};
    for (const auto& [start, end, phrase] : gestures) {
        const int32_t joined = StartFadingGesture(start);
        EXPECT_EQ(joined, phrase) << "the phrase of the gesture at " << start;
        EXPECT_EQ(PhraseOpacity(1, end - 1, 3000), 1.0) << "phrase 1 while the gesture at " << start << " is drawn";
        EndFadingGesture(joined, end);
    }
    const double opacities[][2] = {{12000, 1.0}, {12250, 0.5}, {12500, 0.0}};
    for (const auto& [time, opacity] : opacities)
        EXPECT_DOUBLE_EQ(PhraseOpacity(1, int64_t(time), 3000), opacity) << "phrase 1 at " << time << " ms";
    EXPECT_EQ(PhrasesFading(12100, 3000), std::vector<int32_t>{1}) << "fading at 12100 ms";
    EXPECT_EQ(NextFadeStart(3000), 12000) << "the next fade";
}
