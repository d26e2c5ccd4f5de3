#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Http.h"
#include "updater/HttpClientComponent.h"

namespace updater {

struct DownloadProgress {
  std::function<void(std::int64_t expected)> begin;
  std::function<void(std::int64_t received)> work;
  std::function<void()> end;
};

// Streams the body of `request` into a file beside `target` and moves it into place once
// complete and accepted by `accept`, which is given the complete file's path. On any failure,
// an abort or a refusal nothing is left behind and `target` is untouched.
bool DownloadToFile(HttpClientComponent& client, const platform::HttpRequest& request,
                    platform::FileSystem& files, const std::wstring& target,
                    const DownloadProgress& progress,
                    const std::function<bool(const std::wstring& file)>& accept);

}  // namespace updater
