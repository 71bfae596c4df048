// The game's named pictures and sounds. Each accessor loads its file from the
// application's Resources folder on first use and from then on hands out the
// one cached object: the payout recognises a seven by object identity.
//
// A picture that fails to load is looked for again at the next call; a sound
// is tried once per run. A file that is missing or cannot be read is reported to
// the player once, by name, in a message shown from the event loop right
// after the event that found it; the accessor gives nil: a nil picture
// leaves its cell empty, and the callers play no nil sound.
#pragma once

#include "rt/rt.h"

// Reel symbols.
rt::Ref<rt::Picture> Seven();
rt::Ref<rt::Picture> Box();
rt::Ref<rt::Picture> Check();
rt::Ref<rt::Picture> Hand();
rt::Ref<rt::Picture> Point();
rt::Ref<rt::Picture> Rossette();
rt::Ref<rt::Picture> Star();
rt::Ref<rt::Picture> Triangle();
rt::Ref<rt::Picture> Ball();
rt::Ref<rt::Picture> Jack();
// The handle pulled and at rest.
rt::Ref<rt::Picture> HandleDown1();
rt::Ref<rt::Picture> HandleUp1();

// Win sounds for one, two and three sevens, and the handle's click.
rt::Ref<rt::Sound> smallwin();
rt::Ref<rt::Sound> medwin();
rt::Ref<rt::Sound> jackpot();
rt::Ref<rt::Sound> click();

// Plays a named sound and waits until it has ended, asking the accessor again
// at every poll and letting the event loop run in between. A sound that did
// not load (nil) is skipped: the accessor has reported it already.
void PlayToEnd(rt::Ref<rt::Sound> (*sound)());

// Drops the four cached sounds, in the order smallwin, medwin, jackpot,
// click; for the program's finalisation.
void ReleaseCachedSounds();

// Back to the state at process start: every cache empty, every sound untried,
// no failure reported yet. For tests that load the media from different folders.
void ForgetCachedMedia();
