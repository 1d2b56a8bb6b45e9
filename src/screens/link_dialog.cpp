#include "screens/link_dialog.h"

TForm8* Form8 = nullptr;

TForm8::TForm8() {}
