#include "media/media.h"

#include <deque>
#include <set>
#include <string>

namespace {

// A picture's cache: nil until a load succeeds.
struct PictureCache {
  rt::Ref<rt::Picture> pic;
  bool used = false;
};

// A sound's cache: tried once, on the first call.
struct SoundCache {
  rt::Ref<rt::Sound> permaSound;
  bool loaded = false;
};

// Failures already reported to the player, so that each is reported once per run
// although a missing picture is looked for again at every redraw.
std::set<std::string>& Reported() {
  static std::set<std::string> reported;
  return reported;
}

// Messages not shown yet. They are shown from an event of their own, never
// from inside the accessor: a modal box there would run the event loop in
// the middle of a reel's drawing, and the reels could stop and be paid while
// half drawn.
std::deque<std::string>& Pending() {
  static std::deque<std::string> pending;
  return pending;
}
rt::Ref<rt::Timer>& Reporter() {
  static rt::Ref<rt::Timer> reporter;
  return reporter;
}

void ShowPending() {
  while (!Pending().empty()) {
    const std::string message = Pending().front();
    Pending().pop_front();
    rt::MsgBox(message);
  }
}

void ReportOnce(const std::string& key, const std::string& message) {
  if (!Reported().insert(key).second) return;
  Pending().push_back(message);
  if (!Reporter()) {
    Reporter() = rt::RuntimeNewObject<rt::Timer>();
    Reporter()->SetPeriod(0);
    Reporter()->Action.Bind([](rt::Ref<rt::Timer>) { ShowPending(); });
  }
  Reporter()->SetMode(rt::Timer::kModeSingle);
}

// The Resources folder, or nil; a missing folder is reported once.
rt::Ref<rt::FolderItem> ResourcesFolder() {
  rt::Ref<rt::FolderItem> folder = rt::GetApplicationBundleResources();
  if (!folder) {
    ReportOnce("",
               "The Resources folder with the game's pictures and sounds is missing. "
               "The game goes on without them.");
  }
  return folder;
}

// Reports that a file of the folder did not load: missing, or not readable.
void ReportUnloaded(const rt::Ref<rt::FolderItem>& folder, const rt::Ref<rt::FolderItem>& entry,
                    const std::string& kind, const std::string& fileName,
                    const std::string& consequence) {
  const std::string where = " the Resources folder (" + folder->NativePath() + ")";
  const std::string what = (entry && entry->Exists()) ? " in" + where + " cannot be read."
                                                      : " is missing from" + where + ".";
  ReportOnce(fileName, "The " + kind + " file \"" + fileName + "\"" + what + " " + consequence);
}

rt::Ref<rt::Picture> LoadPicture(PictureCache& cache, const char* fileName) {
  if (!cache.used) {
    cache.used = true;
    cache.pic = nullptr;
  }
  if (!cache.pic) {
    rt::Ref<rt::FolderItem> folder = ResourcesFolder();
    if (!folder) return cache.pic;
    rt::Ref<rt::FolderItem> entry = folder->Child(fileName);
    if (entry) cache.pic = entry->OpenAsPicture();
    if (!cache.pic) {
      ReportUnloaded(folder, entry, "picture", fileName, "The game goes on without this picture.");
    }
  }
  return cache.pic;
}

rt::Ref<rt::Sound> LoadSound(SoundCache& cache, const char* fileName) {
  if (!cache.loaded) {
    cache.loaded = true;  // before anything else: a failed load is not retried
    rt::Ref<rt::FolderItem> folder = ResourcesFolder();
    if (!folder) return cache.permaSound;
    rt::Ref<rt::FolderItem> entry = folder->Child(fileName);
    if (entry) cache.permaSound = entry->OpenAsSound();
    if (!cache.permaSound) {
      ReportUnloaded(folder, entry, "sound", fileName, "The game goes on without this sound.");
    }
  }
  return cache.permaSound;
}

PictureCache seven, box, check, hand, point, rossette, star, triangle, ball, jack, handleDown1,
    handleUp1;
SoundCache smallWin, medWin, jackPot, clickSound;

}  // namespace

rt::Ref<rt::Picture> Seven() {
  return LoadPicture(seven, "7.jpg");
}
rt::Ref<rt::Picture> Box() {
  return LoadPicture(box, "Box.jpg");
}
rt::Ref<rt::Picture> Check() {
  return LoadPicture(check, "Check.jpg");
}
rt::Ref<rt::Picture> Hand() {
  return LoadPicture(hand, "Hand.jpg");
}
rt::Ref<rt::Picture> Point() {
  return LoadPicture(point, "Point.jpg");
}
rt::Ref<rt::Picture> Rossette() {
  return LoadPicture(rossette, "Rossette.jpg");
}
rt::Ref<rt::Picture> Star() {
  return LoadPicture(star, "Star.jpg");
}
rt::Ref<rt::Picture> Triangle() {
  return LoadPicture(triangle, "Triangle.jpg");
}
rt::Ref<rt::Picture> Ball() {
  return LoadPicture(ball, "Ball.jpg");
}
rt::Ref<rt::Picture> Jack() {
  return LoadPicture(jack, "Jack.jpg");
}
rt::Ref<rt::Picture> HandleDown1() {
  return LoadPicture(handleDown1, "HandleDown-1.jpg");
}
rt::Ref<rt::Picture> HandleUp1() {
  return LoadPicture(handleUp1, "HandleUp-1.jpg");
}

rt::Ref<rt::Sound> smallwin() {
  return LoadSound(smallWin, "smallwin.wav");
}
rt::Ref<rt::Sound> medwin() {
  return LoadSound(medWin, "medwin.wav");
}
rt::Ref<rt::Sound> jackpot() {
  return LoadSound(jackPot, "jackpot.wav");
}
rt::Ref<rt::Sound> click() {
  return LoadSound(clickSound, "click.wav");
}

void PlayToEnd(rt::Ref<rt::Sound> (*sound)()) {
  rt::Ref<rt::Sound> playing = sound();
  if (!playing) return;
  playing->Play();
  while (sound()->IsPlaying()) rt::RuntimeBackgroundTask();
}

void ReleaseCachedSounds() {
  smallWin.permaSound = nullptr;
  medWin.permaSound = nullptr;
  jackPot.permaSound = nullptr;
  clickSound.permaSound = nullptr;
}

void ForgetCachedMedia() {
  for (PictureCache* c : {&seven, &box, &check, &hand, &point, &rossette, &star, &triangle, &ball,
                          &jack, &handleDown1, &handleUp1}) {
    *c = PictureCache();
  }
  for (SoundCache* c : {&smallWin, &medWin, &jackPot, &clickSound}) *c = SoundCache();
  Reported().clear();
  Pending().clear();
  Reporter() = nullptr;
}
