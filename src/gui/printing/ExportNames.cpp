#include "printing/ExportNames.h"

namespace zavgui {

wxString ExportStem(const wxString& fileName) {
    for (size_t i = fileName.length(); i-- > 1;)
        if (fileName[i] == '.') return fileName.Left(i);
    return wxString();
}

}  // namespace zavgui
