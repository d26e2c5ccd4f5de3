#include "updater/DownloadFile.h"

#include <memory>

namespace updater {

bool DownloadToFile(HttpClientComponent& client, const platform::HttpRequest& request,
                    platform::FileSystem& files, const std::wstring& target,
                    const DownloadProgress& progress,
                    const std::function<bool(const std::wstring& file)>& accept) {
  const std::wstring part = target + L".part";
  std::unique_ptr<platform::FileWriter> writer = files.CreateForWriting(part);
  if (writer == nullptr) return false;
  std::int64_t received = 0;
  bool stored = true;
  const platform::HttpSink sink{
      .begin = progress.begin,
      .receive =
          [&](std::string_view bytes) {
            stored = writer->Write(bytes);
            if (!stored) return false;
            received += static_cast<std::int64_t>(bytes.size());
            if (progress.work) progress.work(received);
            return true;
          },
      .end = progress.end,
  };
  const bool complete = client.Get(request, sink).Ok() && stored;
  const bool closed = writer->Close();
  writer.reset();
  if (complete && closed && accept(part) && files.MoveReplacing(part, target)) return true;
  files.RemoveFile(part);
  return false;
}

}  // namespace updater
