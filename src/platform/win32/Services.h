#pragma once

// The services over the real Win32 API.
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Crypto.h"
#include "platform/Platform.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool Enumerate(const std::wstring& pattern,
                 const std::function<void(const DirEntry&)>& each) override;
  std::optional<DirEntry> FindEntry(const std::wstring& path) override;
  std::uint32_t GetAttributes(const std::wstring& path) override;
  bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
  std::uint32_t SetTimes(const std::wstring& path, const FileTimes& times) override;
  std::optional<FileTime> GetCreationTime(const std::wstring& path) override;
  std::wstring ErrorText(std::uint32_t code) override;
  std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t limit) override;
  bool WriteWholeFile(const std::wstring& path, std::string_view bytes) override;
  bool CanOpenForWriting(const std::wstring& path) override;
  std::unique_ptr<FileWriter> CreateForWriting(const std::wstring& path) override;
  bool MoveReplacing(const std::wstring& source, const std::wstring& target) override;
  bool RemoveFile(const std::wstring& path) override;
  bool CreateFolders(const std::wstring& path) override;
};

class Win32Volumes : public Volumes {
 public:
  Win32Volumes() = default;
  ~Win32Volumes() override;
  Win32Volumes(const Win32Volumes&) = delete;
  Win32Volumes& operator=(const Win32Volumes&) = delete;
  // Lets a thread of its own ask, while the program builds its first window, what the drive
  // list asks first: the drives in use, their types, and the labels of the local ones (fixed
  // and removable). Under Wine each of these is a round trip to the mount manager. Each answer
  // read ahead serves one question; later questions are asked anew.
  void ReadAhead();
  std::uint32_t PresentDrives() override;
  DriveType GetDriveType(const std::wstring& root) override;
  std::optional<std::wstring> GetVolumeName(const std::wstring& root) override;

 private:
  struct Answers {
    std::optional<std::uint32_t> present;
    std::map<std::wstring, DriveType> types;
    std::map<std::wstring, std::optional<std::wstring>> names;
  };
  // The answers read ahead, once the thread has given them.
  Answers& Ahead();

  std::thread reading_;
  Answers ahead_;
};

// For the user-interface thread, inside its COM apartment: it keeps the shell's folder of the
// entries it was last asked about.
// The type name and icon that every entry named like `name` shares, asked of a stand-in item.
std::optional<ShellFileInfo> KindOf(const std::wstring& name, bool folder);

class Win32Shell : public Shell {
 public:
  Win32Shell();
  ~Win32Shell() override;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;
  // Lets a thread of its own make the system image lists and take the shell's first look at its
  // namespace while the program builds its first window. SystemImageList waits for the lists,
  // the questions about entries for the whole preparation.
  void PrepareInBackground();
  std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path) override;
  std::optional<ShellFileInfo> GetKindInfo(const std::wstring& name, bool folder) override;
  std::uintptr_t SystemImageList(bool small) override;
  void Open(const ui::Form* owner, const std::wstring& file,
            const std::wstring& directory) override;
  void OpenLink(const ui::Form* owner, const std::wstring& address) override;
  void Execute(const ui::Form* owner, const std::wstring& file, const std::wstring& parameters,
               bool hidden) override;
  void NotifyAssociationsChanged() override;
  void RefreshDesktop() override;
  std::optional<std::wstring> AppDataFolder() override;

 private:
  class Folder;
  // Waits until the thread of PrepareInBackground is done, before the shell is asked anything.
  void FinishPreparation();

  std::unique_ptr<Folder> folder_;
  std::thread preparing_;
  std::future<void> listsMade_;
};

class Win32Registry : public Registry {
 public:
  std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override;
  std::optional<std::wstring> ReadString(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override;
};

// For the user-interface thread: it keeps the zone's rules of each year it has converted.
class Win32Clock : public Clock {
 public:
  Win32Clock();
  ~Win32Clock() override;
  Win32Clock(const Win32Clock&) = delete;
  Win32Clock& operator=(const Win32Clock&) = delete;
  DateTime LocalNow() override;
  std::optional<DateTime> ToLocal(FileTime utc) override;
  std::optional<FileTime> ToUtc(const DateTime& local) override;
  std::wstring TimeSeparator() override;

 private:
  class Zone;
  std::unique_ptr<Zone> zone_;
};

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessage(const ui::Form* owner, const std::wstring& text, const std::wstring& caption,
                  unsigned flags) override;
  bool AskYesNo(const ui::Form* owner, const std::wstring& text, const std::wstring& caption,
                const std::wstring& yes, const std::wstring& no) override;
};

// The user-interface thread's queue; made on that thread. Work from a worker is handed over
// through a hidden message-only window, and the worker waits for it.
class Win32Dispatcher : public Dispatcher {
 public:
  Win32Dispatcher();
  ~Win32Dispatcher() override;
  Win32Dispatcher(const Win32Dispatcher&) = delete;
  Win32Dispatcher& operator=(const Win32Dispatcher&) = delete;
  void ProcessMessages() override;
  void RunOnUiThread(const std::function<void()>& work) override;
  void Post(std::function<void()> work) override;

 private:
  class Receiver;
  std::unique_ptr<Receiver> receiver_;
};

class Win32Process : public Process {
 public:
  std::wstring ExecutablePath() override;
  std::wstring TempFolder() override;
  void Terminate() override;
  [[noreturn]] void ExitNow(int code) override;
  // Ends the process once its message loop has ended: at once (ExitNow) after Terminate
  // handed it over to another program, else with the libraries' usual goodbyes.
  [[noreturn]] void End(int code);

 private:
  bool terminating_ = false;
};

// HTTP over WinHTTP: certificates validated, TLS 1.2 at least, redirects followed by hand
// so that none leaves HTTPS unless the request allows plain HTTP.
class Win32Http : public Http {
 public:
  std::unique_ptr<HttpClient> NewClient() override;
};

class Win32Threads : public Threads {
 public:
  Win32Threads() = default;
  ~Win32Threads() override;
  Win32Threads(const Win32Threads&) = delete;
  Win32Threads& operator=(const Win32Threads&) = delete;

  std::unique_ptr<Thread> Start(std::function<void()> work) override;
  // Threads started from now on are made but wait, until Release, to run: work that can
  // follow the main window's first paint keeps out of its way. A thread waited for runs.
  void Hold();
  void Release();

 private:
  std::mutex mutex_;
  bool holding_ = false;
  std::vector<HANDLE> held_;  // handles of their own, closed once the threads run
};

class Win32Crypto : public Crypto {
 public:
  std::optional<FileDigest> DigestOfFile(const std::wstring& path) override;
  bool VerifySignature(std::string_view message, const P256Signature& signature,
                       const P256PublicKey& key) override;
};

class Win32VersionResources : public VersionResources {
 public:
  std::unique_ptr<VersionBlock> Load(const std::wstring& fileName) override;
};

}  // namespace platform::win32
