#include "core/fading.h"

#include <algorithm>
#include <limits>

FadingInk fadingInk;

static Phrase* Find(int32_t id) {
    for (Phrase& p : fadingInk.phrases)
        if (p.id == id) return &p;
    return nullptr;
}

int32_t StartFadingGesture(int64_t now) {
    Phrase* latest = Find(fadingInk.latest);
    if (latest && (latest->drawing > 0 || now - latest->lastRelease <= PHRASE_JOIN_MS)) {
        ++latest->drawing;
        return latest->id;
    }
    fadingInk.phrases.push_back({fadingInk.nextId, now, 1});
    fadingInk.latest = fadingInk.nextId++;
    return fadingInk.latest;
}

void EndFadingGesture(int32_t phrase, int64_t now) {
    Phrase* p = Find(phrase);
    if (!p) return;
    p->drawing = std::max(p->drawing - 1, 0);
    p->lastRelease = std::max(p->lastRelease, now);
}

static int64_t FadeStart(const Phrase& p, int64_t holdMs) {
    return p.drawing > 0 ? std::numeric_limits<int64_t>::max() : p.lastRelease + holdMs;
}

double PhraseOpacity(int32_t phrase, int64_t now, int64_t holdMs) {
    const Phrase* p = Find(phrase);
    if (!p || now <= FadeStart(*p, holdMs)) return 1.0;
    return std::max(0.0, 1.0 - static_cast<double>(now - FadeStart(*p, holdMs)) / FADE_OUT_MS);
}

std::vector<int32_t> PhrasesFading(int64_t now, int64_t holdMs) {
    std::vector<int32_t> fading;
    for (const Phrase& p : fadingInk.phrases)
        if (now > FadeStart(p, holdMs)) fading.push_back(p.id);
    return fading;
}

void ForgetPhrase(int32_t phrase) {
    std::erase_if(fadingInk.phrases, [&](const Phrase& p) { return p.id == phrase; });
}

int64_t NextFadeStart(int64_t holdMs) {
    int64_t next = std::numeric_limits<int64_t>::max();
    for (const Phrase& p : fadingInk.phrases) next = std::min(next, FadeStart(p, holdMs));
    return next;
}

void ForgetAllPhrases() { fadingInk = {}; }
