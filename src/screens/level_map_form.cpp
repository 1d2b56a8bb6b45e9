#include "screens/level_map_form.h"

TForm3* Form3 = nullptr;

TForm3::TForm3() {}
