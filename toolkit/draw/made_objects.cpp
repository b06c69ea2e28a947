// The one list of GDI objects the toolkit made and handed over, and their release.
#include "draw/made_objects.h"

#include <algorithm>
#include <vector>

namespace vu {
namespace {

std::vector<HGDIOBJ>& Made()
{
    static std::vector<HGDIOBJ> made;
    return made;
}

}  // namespace

void RememberMade(HGDIOBJ object)
{
    if (object != nullptr) Made().push_back(object);
}

void ReleaseIfMade(HGDIOBJ object)
{
    std::vector<HGDIOBJ>& made = Made();
    const auto it = std::find(made.begin(), made.end(), object);
    if (object == nullptr || it == made.end()) return;
    made.erase(it);
    DeleteObject(object);
}

}  // namespace vu
