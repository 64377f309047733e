#include "ZAVApp.h"

wxIMPLEMENT_APP(wxZAVApp);
