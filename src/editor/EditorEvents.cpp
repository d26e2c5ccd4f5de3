#include "app/Guard.h"
#include "app/Unit_Base.h"

void TForm1::ConnectEditorEvents() {
  ListViewAttributes->OnClick = [this] { ListViewAttributesClick(); };
  ListViewAttributes->OnSelectItem = [this](int, bool) { ListViewAttributesSelectItem(); };
  Button_Apply->OnClick = [this] { Guard([this] { Button_ApplyClick(); }); };
  Button_DateTime->OnClick = [this] { Guard([this] { Button_DateTimeClick(); }); };
  CurrentDateTime->OnClick = [this] { Guard([this] { CurrentDateTimeClick(); }); };
}
