#include "screens/race_result_form.h"

TForm6* Form6 = nullptr;

TForm6::TForm6() {}
