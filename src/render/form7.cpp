#include "render/form7.h"

TForm7* Form7 = nullptr;

TForm7::TForm7() {}
