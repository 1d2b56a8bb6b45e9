#include "shell/options_form.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() {}
