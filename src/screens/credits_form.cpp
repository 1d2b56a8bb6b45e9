#include "screens/credits_form.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() {}
