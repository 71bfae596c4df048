// Keyboard state, random numbers and the declared document file types.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rt/object.h"

namespace rt {

struct Keyboard {
  // Virtual key code of the space bar.
  static constexpr int32_t kSpace = 49;
  // True while the key is held (presses and releases the runtime has seen;
  // auto-repeat is not a release).
  static bool AsyncKeyDown(int32_t keyCode);
};

// Every Random draws from the process's one generator, seeded from
// std::random_device at start (tests: rt::testing::SeedRandom).
class Random : public Object {
 public:
  Random();
  // An integer from minimum to maximum, both included (bounds given the
  // wrong way round are taken the right way round).
  int32_t InRange(int32_t minimum, int32_t maximum);

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;
};

// A declared document type. Every setter withdraws an earlier registration;
// Convert registers the type (once) and gives its name.
class FileType : public Object {
 public:
  ~FileType() override;
  const std::string& Name() const { return name_; }
  void SetName(const std::string& n);
  const std::string& Extensions() const { return extensions_; }
  void SetExtensions(const std::string& e);
  const std::string& MacType() const { return macType_; }
  void SetMacType(const std::string& t);
  const std::string& MacCreator() const { return macCreator_; }
  void SetMacCreator(const std::string& c);
  std::string Convert();
  bool IsRegistered() const { return registered_; }

 private:
  void Withdraw();
  std::string name_, extensions_, macType_, macCreator_;
  bool registered_ = false;
};

// One registration: what the type had when Convert registered it.
struct FileTypeRecord {
  const FileType* owner;
  std::string name, macType, macCreator, extensions;
};

// The file types registered with the runtime, by name, in the order of
// registration. A FileType's registration ends with it.
std::vector<std::string> RegisteredFileTypes();
std::vector<FileTypeRecord> RegisteredFileTypeRecords();

}  // namespace rt
