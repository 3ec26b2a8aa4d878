#include "document/navigation.h"

namespace iqx {

int firstBoxOfPage(int page)
{
    switch (page) {
    case 2:
        return 52; // check box
    case 3:
        return 86;
    case 4:
        return 120;
    case 5:
        return 181;
    case 6:
        return 207;
    default:
        return -1;
    }
}

} // namespace iqx
