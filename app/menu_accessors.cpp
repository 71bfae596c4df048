#include "app/menu_accessors.h"

#include "app/app.h"

namespace {

rt::Ref<rt::MenuItem> OnAppMenuBar(const char* name) {
  return rt::RuntimeCheckCast<rt::MenuItem>(App::Instance()->MenuBar()->Lookup(name));
}

}  // namespace

rt::Ref<rt::MenuItem> ATMAdd20Tokens() {
  return OnAppMenuBar("ATMAdd20Tokens");
}

rt::Ref<rt::MenuItem> SoundSoundOff() {
  return OnAppMenuBar("SoundSoundOff");
}

rt::Ref<rt::MenuItem> SoundSoundOn() {
  return OnAppMenuBar("SoundSoundOn");
}
