#include "app/Unit_Base.h"

void TForm1::ConnectEditorEvents() {}
