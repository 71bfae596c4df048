// Random numbers and the declared document file types.
#include "rt/system.h"

#include <algorithm>
#include <random>

#include "rt/core/clock.h"

namespace rt {

// Every Random draws from the process's one generator, so that a test can
// seed them all at once (rt::testing::SeedRandom).
struct Random::Impl {};

Random::Random() : impl_(std::make_shared<Impl>()) {}

int32_t Random::InRange(int32_t minimum, int32_t maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  std::uniform_int_distribution<int32_t> range(minimum, maximum);
  return range(settings::RandomEngine());
}

namespace {
std::vector<FileTypeRecord>& Registry() {
  static std::vector<FileTypeRecord> registry;
  return registry;
}
}  // namespace

FileType::~FileType() {
  Withdraw();
}

void FileType::SetName(const std::string& n) {
  Withdraw();
  name_ = n;
}
void FileType::SetExtensions(const std::string& e) {
  Withdraw();
  extensions_ = e;
}
void FileType::SetMacType(const std::string& t) {
  Withdraw();
  macType_ = t;
}
void FileType::SetMacCreator(const std::string& c) {
  Withdraw();
  macCreator_ = c;
}

std::string FileType::Convert() {
  if (!registered_) {
    Registry().push_back({this, name_, macType_, macCreator_, extensions_});
    registered_ = true;
  }
  return name_;
}

void FileType::Withdraw() {
  if (!registered_) return;
  auto& registry = Registry();
  registry.erase(std::remove_if(registry.begin(), registry.end(),
                                [this](const FileTypeRecord& r) { return r.owner == this; }),
                 registry.end());
  registered_ = false;
}

std::vector<std::string> RegisteredFileTypes() {
  std::vector<std::string> names;
  for (const auto& record : Registry()) names.push_back(record.name);
  return names;
}

std::vector<FileTypeRecord> RegisteredFileTypeRecords() {
  return Registry();
}

}  // namespace rt
