// The menu items that the application's commands and events reach by name
// on the application's menu bar; nil for a name the bar does not hold.
#pragma once

#include "rt/rt.h"

rt::Ref<rt::MenuItem> ATMAdd20Tokens();
rt::Ref<rt::MenuItem> SoundSoundOff();
rt::Ref<rt::MenuItem> SoundSoundOn();
