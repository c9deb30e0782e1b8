// The English catalogue: the code's texts are English already, so the table
// holds a single row and every other text passes through unchanged.

#include "app/Languages.h"

namespace lumora {

CLanguageEng::CLanguageEng() { LoadAs(u"English", 0); }

bool CLanguageEng::LoadTable() { return ParseTable(u"|Snapshot||Snapshot|"); }

}  // namespace lumora
