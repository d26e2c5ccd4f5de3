#include "updater/Unit_Update.h"

TForm10::TForm10(const platform::Services& services)
    : ui::Form(nullptr, L"Form10", *services.forms) {
  SetCaption(L"Обновление");
  SetDesignClientSize({434, 191});
  SetMinimumSize({400, 230});
  SetSizeable(false);
  SetFont({L"Segoe UI", -12, false});
}
