// Files, pictures and sounds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "rt/object.h"

class QPixmap;

namespace rt {

class Picture;
class Sound;

// An entry of the file system, which may or may not exist.
class FolderItem : public Object {
 public:
  explicit FolderItem(std::string path);
  const std::string& NativePath() const { return path_; }
  std::string Name() const;
  bool Exists() const;
  bool IsDirectory() const;
  // The entry of that name in this folder (which may not exist), or nil
  // when this is not a folder or the name is not one plain name ("", ".",
  // ".." or a name holding "/").
  Ref<FolderItem> Child(const std::string& name) const;
  // The decoded picture (JPEG, PNG), or nil when the file is missing or
  // cannot be decoded.
  Ref<Picture> OpenAsPicture() const;
  // The sound (PCM WAV), or nil when the file is missing or is not a WAV
  // the runtime can play.
  Ref<Sound> OpenAsSound() const;

 private:
  std::string path_;
};

// The application package's resources folder: "Resources" in the parent of
// the folder holding the executable, or nil when there is none. Looked up
// anew at every call (tests: rt::testing::SetResourcesFolder).
Ref<FolderItem> GetApplicationBundleResources();

class Picture : public Object {
 public:
  // An empty picture (0 x 0).
  Picture();
  // A picture of that pixmap (for the runtime itself and for tests).
  explicit Picture(const QPixmap& pixmap, std::string source = {});
  ~Picture() override;
  int32_t Width() const;
  int32_t Height() const;
  // Where the picture came from (empty for one made in memory).
  const std::string& SourcePath() const { return source_; }
  const QPixmap& pixmap() const;

 private:
  friend class FolderItem;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string source_;
};

// A sound. Play returns at once; IsPlaying is True until the sound's own
// duration (from its WAV header) has passed on the runtime's clock, whether
// or not the machine has an audio device, so a wait on it always ends.
class Sound : public Object {
 public:
  Sound();
  ~Sound() override;
  // The longest a sound plays: a wait on IsPlaying ends by then whatever
  // the file's header claims. The game's longest sound lasts 3.6 s; a broken
  // or hostile file may make it quiet or short, never hold play for hours.
  static constexpr int64_t kLongestPlayMs = 10000;

  // Play while playing starts the sound again from its beginning. Stop ends
  // it at once.
  void Play();
  void Stop();
  // True until the duration, or kLongestPlayMs, has passed since Play.
  bool IsPlaying() const;
  // Duration from the WAV header, in milliseconds (rounded up).
  int64_t DurationMs() const { return durationMs_; }
  const std::string& SourcePath() const { return source_; }

 private:
  // How long a Play lasts: the duration, at most kLongestPlayMs.
  int64_t PlayedMs() const;
  friend class FolderItem;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string source_;
  int64_t durationMs_ = 0;
};

}  // namespace rt
