#include "platform/fake/FakeServices.h"

namespace platform::fake {

namespace {

class FakeBlock : public VersionBlock {
 public:
  explicit FakeBlock(FakeVersionResources::Resource resource) : resource_(std::move(resource)) {}
  std::optional<std::vector<std::uint8_t>> QueryBytes(const std::wstring& subBlock) override {
    auto it = resource_.bytes.find(subBlock);
    if (it == resource_.bytes.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::wstring> QueryString(const std::wstring& subBlock) override {
    auto it = resource_.strings.find(subBlock);
    if (it == resource_.strings.end()) return std::nullopt;
    return it->second;
  }

 private:
  FakeVersionResources::Resource resource_;
};

}  // namespace

std::unique_ptr<VersionBlock> FakeVersionResources::Load(const std::wstring& fileName) {
  auto it = files.find(fileName);
  if (it == files.end()) return nullptr;
  return std::make_unique<FakeBlock>(it->second);
}

}  // namespace platform::fake
