#include "info/Unit_About.h"

TForm8::TForm8(const platform::Services& services) : ui::Form(nullptr, L"Form8", *services.forms) {
  SetCaption(L"О программе");
  SetDesignClientSize({334, 161});
  SetMinimumSize({350, 200});
  SetSizeable(false);
  SetFont({L"Tahoma", -11, false});
}
