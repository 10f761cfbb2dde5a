// Fading ink: records that disappear by themselves, a phrase at a time. A
// fading gesture that starts within 1.5 s of the end of the previous one
// joins its phrase, so a word, a formula or an arrow with its note stays
// whole until the presenter pauses. A phrase starts fading a chosen time
// after its last gesture ended, fades out over 0.5 s and is then removed.
// Times are milliseconds of one clock. Platform-free.
#pragma once

#include <cstdint>
#include <vector>

constexpr int64_t PHRASE_JOIN_MS = 1500;
constexpr int64_t FADE_OUT_MS = 500;

struct Phrase {
    int32_t id;
    int64_t lastRelease;  // when its last gesture ended
    int drawing;          // its gestures in progress: it waits for them
};

struct FadingInk {
    std::vector<Phrase> phrases;  // the phrases not yet gone, oldest first
    int32_t nextId = 1;
    int32_t latest = 0;  // the phrase of the latest fading gesture
};
extern FadingInk fadingInk;

// A fading gesture starts at `now`: the phrase it belongs to.
int32_t StartFadingGesture(int64_t now);
// It ended at `now` (also when it made no record).
void EndFadingGesture(int32_t phrase, int64_t now);

// How much of a phrase shows at `now`, 0..1: all of it until `holdMs` after
// its last gesture ended (and while one is drawn), then less and less over
// FADE_OUT_MS; 1 for a phrase that does not exist.
double PhraseOpacity(int32_t phrase, int64_t now, int64_t holdMs);
// The phrases whose fading has begun at `now`, oldest first.
std::vector<int32_t> PhrasesFading(int64_t now, int64_t holdMs);
// A phrase that has faded away (or lost all its records) is forgotten.
void ForgetPhrase(int32_t phrase);
// When the next phrase begins to fade; INT64_MAX when none waits.
int64_t NextFadeStart(int64_t holdMs);

void ForgetAllPhrases();
