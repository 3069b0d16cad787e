#pragma once
// The program's five drawn pictures, read from the application's resources by id on first
// use and kept for the rest of the run. A picture that cannot be read gives nullptr and is
// asked for again at the next call. Callers only draw or show the pictures, never change
// them. finalize empties the caches at shutdown.

#include "platform/Picture.h"

#include <memory>

namespace FiveLegsCache {
inline std::shared_ptr<Picture> permapic;
}
namespace TadpoleCache {
inline std::shared_ptr<Picture> permapic;
}
namespace FrogCache {
inline std::shared_ptr<Picture> permapic;
}
namespace trematodeCache {
inline std::shared_ptr<Picture> permapic;
}
namespace CadmoriaCoverCache {
inline std::shared_ptr<Picture> permapic;
}

// A five-legged frog (resource 168).
std::shared_ptr<Picture> FiveLegs();
// A tadpole (169).
std::shared_ptr<Picture> Tadpole();
// A normal frog (170).
std::shared_ptr<Picture> Frog();
// The parasitic worm (171).
std::shared_ptr<Picture> trematode();
// The cover of the textbook that the program accompanies (172).
std::shared_ptr<Picture> CadmoriaCover();
