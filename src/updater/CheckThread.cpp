#include "updater/CheckThread.h"

#include <string>

#include "updater/Unit_Update.h"

namespace updater {

void CheckThread::Execute() {
  const std::wstring local = form_.LocalVersion();
  std::wstring version;
  dispatcher_.RunOnUiThread([&] { version = form_.UpdateVersion; });
  form_.Check(version, local);
  dispatcher_.RunOnUiThread([this] {
    // The force option, ticked meanwhile, keeps both as they are.
    if (form_.CheckBoxForceUpdate->Checked()) return;
    form_.CheckBoxForceUpdateClick();
    form_.ButtonDownload->SetEnabled(form_.CompareResult == 1);
    form_.GroupBoxOption->SetEnabled(true);
  });
}

}  // namespace updater
