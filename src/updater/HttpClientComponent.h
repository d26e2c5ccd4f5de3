#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/Http.h"
#include "platform/ui/Component.h"

namespace updater {

// A window's HTTP client: its stored request settings, and the transfer it runs, which
// Disconnect ends.
class HttpClientComponent : public ui::Component {
 public:
  HttpClientComponent(ui::Component* owner, std::wstring name, platform::Http& http)
      : ui::Component(owner, std::move(name)), http_(http) {}
  [[nodiscard]] ui::Kind GetKind() const override { return ui::Kind::NonVisual; }

  // GET `request` with the stored settings added; Disconnect works while it runs.
  platform::HttpResult Get(platform::HttpRequest request, const platform::HttpSink& sink) {
    request.headers.emplace_back(L"Accept", accept);
    if (!request.proxy) request.proxy = proxy;
    // A transfer started from inside another one's callback stacks on it.
    const std::unique_ptr<platform::HttpClient> client = http_.NewClient();
    platform::HttpClient* outer = std::exchange(running_, client.get());
    const platform::HttpResult result = client->Get(request, sink);
    running_ = outer;
    return result;
  }
  void Disconnect() {
    if (running_ != nullptr) running_->Abort();
  }

  std::wstring accept = L"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
  // Once set, it stays for later requests.
  std::optional<platform::HttpProxy> proxy;

 private:
  platform::Http& http_;
  platform::HttpClient* running_ = nullptr;
};

}  // namespace updater
